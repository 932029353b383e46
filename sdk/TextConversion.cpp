#include "sdk/TextConversion.h"

#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>

namespace sdk {

WString AnsiToWide(const char* text) {
    const std::size_t length = std::strlen(text);
    if (length == 0) return WString();
    if (length > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw std::length_error("text too long to widen");
    }
    const int narrow = static_cast<int>(length);
    // First the length needed, then the conversion into a buffer of that size.
    const int needed = MultiByteToWideChar(CP_ACP, 0, text, narrow, nullptr, 0);
    if (needed <= 0) throw std::runtime_error("text not in the ANSI code page");
    WString wide(static_cast<std::size_t>(needed), WCHAR{0});
    if (MultiByteToWideChar(CP_ACP, 0, text, narrow, wide.data(), needed) != needed) {
        throw std::runtime_error("text not in the ANSI code page");
    }
    return wide;
}

}  // namespace sdk
