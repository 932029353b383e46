// The C runtime's wide helpers, answering as the Universal CRT does.
#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "host/WinTypes.h"

namespace {

// The characters with the Unicode White_Space property.
bool IsWideSpace(WCHAR c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r') || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

const WCHAR* SkipSpace(const WCHAR* text) {
    while (IsWideSpace(*text)) ++text;
    return text;
}

// The zero of each script whose decimal digits _wtoi reads besides ASCII's.
constexpr char16_t kScriptZeros[] = {0x0660, 0x06F0, 0x0966, 0x09E6, 0x0A66, 0x0AE6, 0x0B66, 0x0C66, 0x0CE6,
                                     0x0D66, 0x0E50, 0x0ED0, 0x0F20, 0x1040, 0x17E0, 0x1810, 0xFF10};

int DigitValue(WCHAR c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    for (const char16_t zero : kScriptZeros) {
        if (c >= zero && c <= zero + 9) return c - zero;
    }
    return -1;
}

// The leading ASCII run of a wide text: nothing past it can belong to a number.
std::string AsciiPrefix(const WCHAR* text) {
    std::string narrow;
    for (; *text != 0 && *text < 0x80; ++text) narrow.push_back(char(*text));
    return narrow;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number may mark its exponent with d or D as well as e or E; the
// C library reads it once the mark is an e.
std::string WithExponentE(std::string number) {
    std::size_t at = !number.empty() && (number[0] == '+' || number[0] == '-') ? 1 : 0;
    if (number.compare(at, 2, "0x") == 0 || number.compare(at, 2, "0X") == 0) return number;
    bool digits = false;
    for (; at < number.size() && IsDigit(number[at]); ++at) digits = true;
    if (at < number.size() && number[at] == '.') ++at;
    for (; at < number.size() && IsDigit(number[at]); ++at) digits = true;
    if (digits && at < number.size() && (number[at] == 'd' || number[at] == 'D')) number[at] = 'e';
    return number;
}

// Not-a-number as the runtime spells it whatever the precision: a negative
// one is the indefinite value of an invalid operation.
std::string NotANumber(double value, const std::string& flags, char conversion) {
    std::string text = std::signbit(value) ? "-nan(ind)" : "nan";
    if (!std::signbit(value) && flags.find('+') != std::string::npos) text.insert(0, 1, '+');
    else if (!std::signbit(value) && flags.find(' ') != std::string::npos) text.insert(0, 1, ' ');
    if (std::isupper(static_cast<unsigned char>(conversion))) {
        for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

template <class T>
std::string FormatOne(const std::string& directive, T value) {
    const int needed = std::snprintf(nullptr, 0, directive.c_str(), value);
    if (needed < 0) return {};
    std::string out(static_cast<std::size_t>(needed) + 1, '\0');
    std::snprintf(out.data(), out.size(), directive.c_str(), value);
    out.pop_back();
    return out;
}

// Formats a narrow format's numeric conversions ("%%", d i o u x X c with
// h, l, ll, z, j or t, and a A e E f F g G); false for any other.
bool FormatNumbers(const std::string& format, va_list args, std::string& out) {
    std::size_t i = 0;
    const auto take = [&](const char* set) {
        std::string taken;
        while (i < format.size() && std::strchr(set, format[i]) != nullptr) taken += format[i++];
        return taken;
    };
    while (i < format.size()) {
        if (format[i] != '%') {
            out += format[i++];
            continue;
        }
        ++i;
        const std::string flags = take("-+ #0");
        std::string directive = "%" + flags;
        int width = 0;
        if (i < format.size() && format[i] == '*') {
            ++i;
            width = va_arg(args, int);
            directive += std::to_string(width);
        } else {
            const std::string digits = take("0123456789");
            width = digits.empty() ? 0 : std::atoi(digits.c_str());
            directive += digits;
        }
        if (i < format.size() && format[i] == '.') {
            ++i;
            if (i < format.size() && format[i] == '*') {
                ++i;
                // A negative precision counts as none.
                const int precision = va_arg(args, int);
                if (precision >= 0) directive += "." + std::to_string(precision);
            } else {
                directive += "." + take("0123456789");
            }
        }
        const std::string length = take("hljzt");
        if (i == format.size()) return false;
        const char conversion = format[i++];
        directive += length;
        directive += conversion;
        if (conversion == '%') {
            out += '%';
        } else if (std::strchr("diouxXc", conversion) != nullptr) {
            const bool isSigned = std::strchr("dic", conversion) != nullptr;
            if (length == "l") {
                out += isSigned ? FormatOne(directive, va_arg(args, long))
                                : FormatOne(directive, va_arg(args, unsigned long));
            } else if (length == "ll" || length == "j") {
                out += isSigned ? FormatOne(directive, va_arg(args, long long))
                                : FormatOne(directive, va_arg(args, unsigned long long));
            } else if (length == "z" || length == "t") {
                out += isSigned ? FormatOne(directive, va_arg(args, std::ptrdiff_t))
                                : FormatOne(directive, va_arg(args, std::size_t));
            } else {
                out += isSigned ? FormatOne(directive, va_arg(args, int))
                                : FormatOne(directive, va_arg(args, unsigned));
            }
        } else if (std::strchr("aAeEfFgG", conversion) != nullptr && length.empty()) {
            const double value = va_arg(args, double);
            if (!std::isnan(value)) {
                out += FormatOne(directive, value);
                continue;
            }
            const std::string text = NotANumber(value, flags, conversion);
            const std::size_t pad = std::size_t(std::max(0, std::abs(width) - int(text.size())));
            const bool left = width < 0 || flags.find('-') != std::string::npos;
            out += left ? text + std::string(pad, ' ') : std::string(pad, ' ') + text;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

int _wtoi(const WCHAR* text) {
    const WCHAR* p = SkipSpace(text);
    bool negative = false;
    if (*p == u'+' || *p == u'-') negative = *p++ == u'-';
    long long value = 0;
    for (int digit = DigitValue(*p); digit >= 0; digit = DigitValue(*++p)) {
        value = value * 10 + digit;
        if (value > static_cast<long long>(INT_MAX) + 1) break;  // saturates below
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

double _wtof(const WCHAR* text) {
    const std::string narrow = WithExponentE(AsciiPrefix(SkipSpace(text)));
    return std::strtod(narrow.c_str(), nullptr);
}

// Only numeric conversions are supported: the format is narrowed, each
// conversion formatted by the narrow formatter, and the result widened again.
int swprintf_s(WCHAR* buffer, std::size_t count, const WCHAR* format, ...) {
    if (buffer == nullptr || count == 0 || format == nullptr) return -1;
    std::string out;
    va_list args;
    va_start(args, format);
    const bool formatted = FormatNumbers(AsciiPrefix(format), args, out);
    va_end(args);
    if (!formatted || out.size() >= count) {
        buffer[0] = 0;
        return -1;
    }
    for (std::size_t i = 0; i <= out.size(); ++i) buffer[i] = static_cast<unsigned char>(out.c_str()[i]);
    return int(out.size());
}
