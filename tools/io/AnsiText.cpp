#include "tools/io/AnsiText.h"

#include <limits>

#include "host/WinTypes.h"

namespace draftlift_tool {
namespace {

constexpr char kReplacement[] = "?";
// A character the code page lacks becomes the replacement, never a look-alike
// (Windows would otherwise write O for \u03A9).
constexpr DWORD kNoLookAlikes = WC_NO_BEST_FIT_CHARS;

WString Widened(const std::string& utf8) {
    const int size = int(utf8.size());
    const int needed = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    WString wide(std::size_t(needed > 0 ? needed : 0), WCHAR{0});
    if (needed > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), needed);
    return wide;
}

}  // namespace

AnsiText ToAnsiCodePage(const std::string& utf8) {
    AnsiText ansi;
    if (utf8.empty() || utf8.size() > std::size_t(std::numeric_limits<int>::max())) return ansi;
    const WString wide = Widened(utf8);
    if (wide.empty()) return ansi;
    const int size = int(wide.size());
    BOOL replaced = FALSE;
    const int needed = WideCharToMultiByte(CP_ACP, kNoLookAlikes, wide.data(), size, nullptr, 0, kReplacement, &replaced);
    ansi.text.assign(std::size_t(needed > 0 ? needed : 0), '\0');
    if (needed > 0) {
        WideCharToMultiByte(CP_ACP, kNoLookAlikes, wide.data(), size, ansi.text.data(), needed, kReplacement,
                            &replaced);
    }
    ansi.replaced = replaced != FALSE;
    return ansi;
}

}  // namespace draftlift_tool
