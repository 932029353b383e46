#include "tools/io/Printable.h"

#include <cstdint>

namespace draftlift_tool {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

std::string Escaped(char32_t code, bool wide) {
    std::string escape = wide ? "\\u00" : "\\x";
    escape += kHex[(code >> 4) & 0xF];
    escape += kHex[code & 0xF];
    return escape;
}

std::string EscapedControl(char32_t code) {
    switch (code) {
        case '\t': return "\\t";
        case '\n': return "\\n";
        case '\r': return "\\r";
        default: return Escaped(code, code >= 0x80);
    }
}

bool IsControl(char32_t code) { return code < 0x20 || (code >= 0x7F && code < 0xA0); }

// The length of the valid UTF-8 sequence at `at` and its code point; 0 when
// the bytes there are not valid UTF-8.
std::size_t Sequence(std::string_view text, std::size_t at, char32_t& code) {
    const auto lead = static_cast<std::uint8_t>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                             : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
    if (length == 0 || at + length > text.size()) return 0;
    code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<std::uint8_t>(text[at + k]);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    static constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool valid = code >= kShortest[length] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    return valid ? length : 0;
}

std::string Escape(std::string_view text, bool quoted) {
    std::string shown;
    shown.reserve(text.size() + (quoted ? 2 : 0));
    if (quoted) shown += '"';
    for (std::size_t at = 0; at < text.size();) {
        char32_t code = 0;
        const std::size_t length = Sequence(text, at, code);
        if (length == 0) {
            shown += Escaped(static_cast<std::uint8_t>(text[at]), false);
            ++at;
            continue;
        }
        if (IsControl(code)) {
            shown += EscapedControl(code);
        } else {
            if (quoted && (code == '"' || code == '\\')) shown += '\\';
            shown.append(text, at, length);
        }
        at += length;
    }
    if (quoted) shown += '"';
    return shown;
}

}  // namespace

std::string Printable(std::string_view text) { return Escape(text, false); }

std::string QuotedPrintable(std::string_view text) { return Escape(text, true); }

}  // namespace draftlift_tool
