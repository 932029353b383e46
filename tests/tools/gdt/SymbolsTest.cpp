// The symbol table: the importer's characters, one entry per symbol in the
// model's order, the lookup by character, and the README's table.
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "import/SymbolCodes.h"
#include "tools/gdt/Symbols.h"

namespace {

using namespace draftlift_tool::gdt;

const char* RoleName(SymbolRole role) {
    switch (role) {
        case SymbolRole::Characteristic: return "characteristic";
        case SymbolRole::Modifier: return "modifier";
        case SymbolRole::Sign: return "sign";
        case SymbolRole::Text: return "text";
    }
    return "";
}

using Row = std::tuple<int, unsigned, std::string, std::string>;

std::set<Row> ReadmeTable() {
    std::ifstream readme(DRAFTLIFT_README);
    const std::regex row(R"(\| (\d+) \| U\+([0-9A-F]{4}) \| (.+) \| ([a-z]+) \|)");
    std::set<Row> documented;
    std::smatch match;
    for (std::string line; std::getline(readme, line);) {
        if (std::regex_match(line, match, row)) {
            documented.emplace(std::stoi(match[1]), std::stoul(match[2], nullptr, 16), match[3], match[4]);
        }
    }
    return documented;
}

TEST(SymbolTable, HasTheHostCharactersAndIsTheReadmeTable) {
    std::map<int, WCHAR> characters;
    std::set<Row> table;
    for (const SymbolEntry& entry : SymbolTable()) {
        characters[entry.code] = entry.character;
        table.emplace(entry.code, entry.character, entry.meaning, RoleName(entry.role));
        EXPECT_EQ(&EntryOf(entry.symbol), &entry) << entry.name;
        EXPECT_EQ(SymbolOfCharacter(entry.character), entry.role == SymbolRole::Text ? nullptr : &entry) << entry.name;
    }
    for (int code = -1; code <= 48; ++code) {
        const auto found = characters.find(code);
        EXPECT_EQ(noteimport::HostSymbolChar(code), found == characters.end() ? WCHAR(u' ') : found->second) << code;
    }
    for (const WCHAR other : {WCHAR(u' '), WCHAR(u'A'), WCHAR(0xFF00), WCHAR(0xFFC8), WCHAR(0xFFFF)}) {
        EXPECT_EQ(SymbolOfCharacter(other), nullptr) << int(other);
    }
    EXPECT_EQ(ReadmeTable(), table);
}

}  // namespace
