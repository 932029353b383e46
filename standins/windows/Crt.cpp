// The C runtime's wide helpers, with the Windows runtime's semantics.
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/WinTypes.h"

namespace {

bool IsWideSpace(WCHAR c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

const WCHAR* SkipSpace(const WCHAR* text) {
    while (IsWideSpace(*text)) ++text;
    return text;
}

// The leading ASCII run of a wide text: nothing past it can belong to a number.
std::string AsciiPrefix(const WCHAR* text) {
    std::string narrow;
    for (; *text != 0 && *text < 0x80; ++text) narrow.push_back(char(*text));
    return narrow;
}

}  // namespace

int _wtoi(const WCHAR* text) {
    const WCHAR* p = SkipSpace(text);
    bool negative = false;
    if (*p == u'+' || *p == u'-') negative = *p++ == u'-';
    long long value = 0;
    for (; *p >= u'0' && *p <= u'9'; ++p) {
        value = value * 10 + (*p - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1) break;  // saturates below
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

double _wtof(const WCHAR* text) {
    const std::string narrow = AsciiPrefix(SkipSpace(text));
    return std::strtod(narrow.c_str(), nullptr);
}

// Only numeric conversions are supported: the format is narrowed and handed
// to the narrow formatter, whose output is widened again.
int swprintf_s(WCHAR* buffer, std::size_t count, const WCHAR* format, ...) {
    if (buffer == nullptr || count == 0 || format == nullptr) return -1;
    const std::string narrowFormat = AsciiPrefix(format);
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, narrowFormat.c_str(), copy);
    va_end(copy);
    if (needed < 0 || static_cast<std::size_t>(needed) >= count) {
        va_end(args);
        buffer[0] = 0;
        return -1;
    }
    std::string out(static_cast<std::size_t>(needed) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), narrowFormat.c_str(), args);
    va_end(args);
    for (int i = 0; i <= needed; ++i) buffer[i] = static_cast<unsigned char>(out[i]);
    return needed;
}
