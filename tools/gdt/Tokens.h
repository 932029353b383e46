// The pieces annotation texts are read in: words and symbol characters, and
// numbers as written.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/gdt/Model.h"
#include "tools/gdt/Symbols.h"

namespace draftlift_tool::gdt {

using WStringView = std::basic_string_view<WCHAR>;

// A word, or one symbol character (then `symbol` is set).
struct Token {
    WStringView text;
    const SymbolEntry* symbol = nullptr;
};

// The tokens of a text, one after another: words are separated by spaces,
// and a symbol character is a token of its own, written with spaces around
// it or not.
class TokenStream {
public:
    explicit TokenStream(WStringView text) : m_text(text) { Advance(); }

    bool Done() const { return m_done; }
    // The next token; only while not done.
    const Token& Peek() const { return m_next; }
    Token Next() {
        const Token token = m_next;
        Advance();
        return token;
    }
    // The text from the next token on.
    WStringView Rest() const { return m_done ? WStringView() : m_text.substr(m_start); }

private:
    void Advance();

    WStringView m_text;
    std::size_t m_start = 0;  // of the next token
    std::size_t m_end = 0;
    Token m_next;
    bool m_done = false;
};

// A decimal number: an optional sign, digits with an optional decimal point
// and nothing else.
std::optional<Value> ReadValue(WStringView text);

// Whether the text is this ASCII text.
bool IsAscii(WStringView text, std::string_view ascii);

// Where the text first holds one of the ASCII characters, from `from`.
std::size_t FindAnyOf(WStringView text, std::string_view ascii, std::size_t from = 0);

// Numbers joined by X, such as the sides of a rectangle (10X20); none when
// a side is not a number.
std::optional<std::vector<Value>> ReadSides(WStringView text);

// One or more capital letters A to Z.
bool IsCapitalLetters(WStringView text);

// The text without its outer spaces.
WStringView Trimmed(WStringView text);

// UTF-8, for messages and JSON.
std::string Utf8(WStringView text);

}  // namespace draftlift_tool::gdt
