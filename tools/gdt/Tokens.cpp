#include "tools/gdt/Tokens.h"

#include <algorithm>
#include <charconv>

#include "standins/kscene/SceneJsonParts.h"

namespace draftlift_tool::gdt {
namespace {

constexpr WCHAR kSpace = u' ';

bool IsSymbol(WCHAR c) {
    const SymbolEntry* entry = SymbolOfCharacter(c);
    return entry != nullptr && entry->role != SymbolRole::Text;
}

bool IsDigit(WCHAR c) { return c >= u'0' && c <= u'9'; }

}  // namespace

void TokenStream::Advance() {
    m_start = m_end;
    while (m_start < m_text.size() && m_text[m_start] == kSpace) ++m_start;
    if (m_start == m_text.size()) {
        m_done = true;
        return;
    }
    m_end = m_start + 1;
    const SymbolEntry* symbol = IsSymbol(m_text[m_start]) ? SymbolOfCharacter(m_text[m_start]) : nullptr;
    if (symbol == nullptr) {
        while (m_end < m_text.size() && m_text[m_end] != kSpace && !IsSymbol(m_text[m_end])) ++m_end;
    }
    m_next = {m_text.substr(m_start, m_end - m_start), symbol};
}

std::optional<Value> ReadValue(WStringView text) {
    std::string narrow;
    narrow.reserve(text.size());
    std::size_t digits = 0, points = 0, decimals = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const WCHAR c = text[i];
        if (IsDigit(c)) {
            ++digits;
            decimals += points;
        } else if (c == u'.') {
            ++points;
        } else if (!(i == 0 && (c == u'+' || c == u'-'))) {
            return std::nullopt;
        }
        if (c != u'+') narrow += static_cast<char>(c);
    }
    if (digits == 0 || points > 1) return std::nullopt;
    Value value{WString(text), 0, static_cast<int>(decimals)};
    const auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value.number);
    if (error != std::errc() || end != narrow.data() + narrow.size()) return std::nullopt;
    return value;
}

bool IsAscii(WStringView text, std::string_view ascii) {
    return text.size() == ascii.size() &&
           std::equal(text.begin(), text.end(), ascii.begin(), [](WCHAR c, char a) { return c == WCHAR(a); });
}

std::size_t FindAnyOf(WStringView text, std::string_view ascii, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] < 0x80 && ascii.find(static_cast<char>(text[i])) != std::string_view::npos) return i;
    }
    return WStringView::npos;
}

std::optional<std::vector<Value>> ReadSides(WStringView text) {
    std::vector<Value> sides;
    for (;;) {
        const std::size_t cross = FindAnyOf(text, "Xx");
        std::optional<Value> side = ReadValue(text.substr(0, cross));
        if (!side) return std::nullopt;
        sides.push_back(std::move(*side));
        if (cross == WStringView::npos) return sides;
        text.remove_prefix(cross + 1);
    }
}

bool IsCapitalLetters(WStringView text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](WCHAR c) { return c >= u'A' && c <= u'Z'; });
}

WStringView Trimmed(WStringView text) {
    const std::size_t first = text.find_first_not_of(kSpace);
    if (first == WStringView::npos) return {};
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

std::string Utf8(WStringView text) {
    if (std::all_of(text.begin(), text.end(), [](WCHAR c) { return c < 0x80; })) {
        return std::string(text.begin(), text.end());
    }
    return scenejson::Utf8(WString(text));
}

}  // namespace draftlift_tool::gdt
