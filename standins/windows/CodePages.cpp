// Code-page conversion with the Windows API's calling rules. The active ANSI
// code page is Windows-1252, as on a Western-European host.
#include <array>
#include <cstring>
#include <string>

#include "host/WinTypes.h"

namespace {

// Windows-1252 bytes 0x80..0x9F; the five unassigned ones map to themselves.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char16_t kReplacement = 0xFFFD;

char16_t Cp1252ToWide(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t(byte);
}

bool WideToCp1252(char16_t wide, char& out) {
    if (wide < 0x80 || (wide >= 0xA0 && wide <= 0xFF)) {
        out = char(wide);
        return true;
    }
    for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
        if (kCp1252High[i] == wide) {
            out = char(0x80 + i);
            return true;
        }
    }
    return false;
}

void AppendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out.push_back(char16_t(cp));
    } else {
        cp -= 0x10000;
        out.push_back(char16_t(0xD800 + (cp >> 10)));
        out.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
    }
}

// Decodes UTF-8; every malformed sequence becomes one U+FFFD.
std::u16string DecodeUtf8(const unsigned char* s, std::size_t n) {
    std::u16string out;
    std::size_t i = 0;
    while (i < n) {
        const unsigned char lead = s[i];
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        }
        const std::size_t extra = (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2
                                : (lead >> 3) == 0x1E ? 3 : 0;
        if (extra == 0 || i + extra >= n) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        char32_t cp = lead & (0x3F >> extra);
        bool good = true;
        for (std::size_t k = 1; k <= extra; ++k) {
            if ((s[i + k] & 0xC0) != 0x80) { good = false; break; }
            cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (!good || cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        AppendUtf16(out, cp);
        i += extra + 1;
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(char(cp));
    } else if (cp < 0x800) {
        out.push_back(char(0xC0 | (cp >> 6)));
        out.push_back(char(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(char(0xE0 | (cp >> 12)));
        out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(char(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (cp >> 18)));
        out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(char(0x80 | (cp & 0x3F)));
    }
}

// Encodes UTF-16 as UTF-8; a lone surrogate becomes U+FFFD.
std::string EncodeUtf8(const char16_t* s, std::size_t n) {
    std::string out;
    for (std::size_t i = 0; i < n; ++i) {
        const char16_t unit = s[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < n && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (s[i + 1] - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

template <class Out>
int Deliver(const Out& converted, typename Out::value_type* dst, int dstLen) {
    const int needed = int(converted.size());
    if (dstLen == 0) return needed;
    if (dst == nullptr || dstLen < needed) return 0;
    std::memcpy(dst, converted.data(), converted.size() * sizeof(typename Out::value_type));
    return needed;
}

template <class Char>
std::size_t SourceLength(const Char* src, int srcLen) {
    if (srcLen >= 0) return std::size_t(srcLen);
    std::size_t n = 0;
    while (src[n] != 0) ++n;
    return n + 1;  // the terminator is converted too
}

}  // namespace

int MultiByteToWideChar(UINT codePage, DWORD, const char* src, int srcLen, WCHAR* dst,
                        int dstLen) {
    if (src == nullptr || srcLen == 0 || dstLen < 0) return 0;
    const std::size_t n = SourceLength(src, srcLen);
    const auto* bytes = reinterpret_cast<const unsigned char*>(src);
    std::u16string wide;
    if (codePage == CP_UTF8) {
        wide = DecodeUtf8(bytes, n);
    } else if (codePage == CP_ACP) {
        wide.reserve(n);
        for (std::size_t i = 0; i < n; ++i) wide.push_back(Cp1252ToWide(bytes[i]));
    } else {
        return 0;
    }
    return Deliver(wide, dst, dstLen);
}

int WideCharToMultiByte(UINT codePage, DWORD, const WCHAR* src, int srcLen, char* dst,
                        int dstLen, const char* defaultChar, BOOL* usedDefault) {
    if (src == nullptr || srcLen == 0 || dstLen < 0) return 0;
    const std::size_t n = SourceLength(src, srcLen);
    std::string narrow;
    if (usedDefault != nullptr) *usedDefault = FALSE;
    if (codePage == CP_UTF8) {
        narrow = EncodeUtf8(src, n);
    } else if (codePage == CP_ACP) {
        for (std::size_t i = 0; i < n; ++i) {
            char c;
            if (!WideToCp1252(src[i], c)) {
                c = defaultChar != nullptr ? *defaultChar : '?';
                if (usedDefault != nullptr) *usedDefault = TRUE;
            }
            narrow.push_back(c);
        }
    } else {
        return 0;
    }
    return Deliver(narrow, dst, dstLen);
}
