#include "import/ValueText.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>

namespace noteimport {
namespace {

constexpr double kLowestValue = -999999999.0;
constexpr double kHighestValue = 9999999999.0;
// Sign, ten digits, point and terminator, beside the decimals.
constexpr int kFormattedDigits = 16;
// A negative precision means the formatter's default of six.
constexpr int kDefaultDecimals = 6;
constexpr std::size_t kStackFormatUnits = 64;
constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(WCHAR unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(WCHAR unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

char* PutUtf8(char32_t cp, char* out) {
    if (cp < 0x80) {
        *out++ = char(cp);
    } else if (cp < 0x800) {
        *out++ = char(0xC0 | (cp >> 6));
        *out++ = char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        *out++ = char(0xE0 | (cp >> 12));
        *out++ = char(0x80 | ((cp >> 6) & 0x3F));
        *out++ = char(0x80 | (cp & 0x3F));
    } else {
        *out++ = char(0xF0 | (cp >> 18));
        *out++ = char(0x80 | ((cp >> 12) & 0x3F));
        *out++ = char(0x80 | ((cp >> 6) & 0x3F));
        *out++ = char(0x80 | (cp & 0x3F));
    }
    return out;
}

}  // namespace

// "%.*f", spelled out so that it is a WCHAR text whichever type WCHAR is.
constexpr WCHAR kValueFormat[] = {u'%', u'.', u'*', u'f', 0};

WString FormatValue(double value, int decimals) {
    // Comparisons are false for not-a-number, which therefore passes.
    if (value < kLowestValue) value = kLowestValue;
    if (value > kHighestValue) value = kHighestValue;
    const int size = kFormattedDigits + std::max(decimals, kDefaultDecimals);
    // Usual precisions format on the stack, so that a short result is the
    // only string made.
    std::array<WCHAR, kStackFormatUnits> local;
    WString large;
    WCHAR* out = local.data();
    if (size > int(local.size())) {
        large.resize(static_cast<std::size_t>(size));
        out = large.data();
    }
    const int written = swprintf_s(out, static_cast<std::size_t>(size), kValueFormat, decimals, value);
    return WString(out, written > 0 ? static_cast<std::size_t>(written) : 0);
}

std::size_t EncodeUtf8(WStringView text, char* out) {
    char* const start = out;
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        const WCHAR unit = text[i];
        if (unit < 0x80) {
            *out++ = char(unit);
        } else if (IsHighSurrogate(unit) && i + 1 < n && IsLowSurrogate(text[i + 1])) {
            const char32_t cp = 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            out = PutUtf8(cp, out);
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            out = PutUtf8(kReplacement, out);
        } else {
            out = PutUtf8(unit, out);
        }
    }
    return static_cast<std::size_t>(out - start);
}

// The terminating zero of the wide text becomes the string's own.
std::string ToUtf8(WStringView text) {
    std::string narrow(text.size() * 3, '\0');
    narrow.resize(EncodeUtf8(text, narrow.data()));
    return narrow;
}

std::int32_t ToInt32(double value) {
    constexpr double kLimit = 2147483648.0;  // 2^31
    if (!(value > -kLimit - 1.0 && value < kLimit)) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

}  // namespace noteimport
