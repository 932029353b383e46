// The tool's reading of the host symbol codes: the importer's characters,
// the README's table, and a reading under which the sample's frames are
// what a GD&T engineer would write.
#include <fstream>
#include <list>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "host/kscene/KMBD.h"
#include "import/SymbolCodes.h"
#include "standins/kscene/Access.h"
#include "tools/cli/Session.h"
#include "tools/svg/SvgSymbols.h"

namespace {

using standin::kscene::Access;

using draftlift_tool::DrawnSymbol;
using draftlift_tool::SymbolRole;
using draftlift_tool::SymbolTable;

const char* RoleName(SymbolRole role) {
    switch (role) {
        case SymbolRole::Characteristic: return "characteristic";
        case SymbolRole::Modifier: return "modifier";
        case SymbolRole::Sign: return "sign";
        case SymbolRole::Text: return "text";
    }
    return "";
}

TEST(SymbolTable, HasTheHostCharactersAndIsTheReadmeTable) {
    std::map<int, WCHAR> characters;
    std::set<std::tuple<int, unsigned, std::string, std::string>> table;
    for (const auto& entry : SymbolTable()) {
        characters[entry.code] = entry.character;
        table.emplace(entry.code, entry.character, entry.meaning, RoleName(entry.role));
    }
    for (int code = -1; code <= 48; ++code) {
        const auto found = characters.find(code);
        EXPECT_EQ(noteimport::HostSymbolChar(code), found == characters.end() ? WCHAR(u' ') : found->second) << code;
    }
    std::ifstream readme(DRAFTLIFT_README);
    const std::regex row(R"(\| (\d+) \| U\+([0-9A-F]{4}) \| (.+) \| ([a-z]+) \|)");
    std::set<std::tuple<int, unsigned, std::string, std::string>> documented;
    std::smatch match;
    for (std::string line; std::getline(readme, line);) {
        if (std::regex_match(line, match, row)) {
            documented.emplace(std::stoi(match[1]), std::stoul(match[2], nullptr, 16), match[3], match[4]);
        }
    }
    EXPECT_EQ(documented, table);
}

// A text with each drawn symbol in words.
std::string Words(const WString& text, SymbolRole allowed) {
    std::string words;
    for (const WCHAR c : text) {
        const auto* symbol = DrawnSymbol(c);
        if (symbol == nullptr) {
            words += static_cast<char>(c);
            continue;
        }
        EXPECT_TRUE(symbol->role == allowed || (allowed == SymbolRole::Modifier && symbol->role == SymbolRole::Sign &&
                                                words.empty()))
            << symbol->name << " in " << words;
        words += std::string("(") + symbol->name + ")";
    }
    return words;
}

// Each row of a frame: its characteristic, tolerance and datum references.
std::vector<std::string> Rows(const KMBDBase& frame) {
    std::vector<std::string> rows;
    for (const auto& subFrame : Access::SubFrames(frame)) {
        for (const auto& control : Access::Controls(*subFrame)) {
            std::string row = Words(subFrame->symbolText, SymbolRole::Characteristic) + " | " +
                              Words(control->toleranceText, SymbolRole::Modifier);
            for (const WString* datum : {&control->datumRef1Text, &control->datumRef2Text, &control->datumRef3Text}) {
                if (!datum->empty()) row += " | " + Words(*datum, SymbolRole::Modifier);
            }
            rows.push_back(row);
        }
    }
    return rows;
}

TEST(SymbolTable, ReadsTheSampleFramesAsWritten) {
    const std::map<std::string, std::vector<std::string>> kFrames = {
        {"FCF-1", {"(position) | (diameter) 0.05 (mmc) | A | B(mmc) | C"}},
        {"FCF-2", {"(flatness) | 0.1", "(flatness) | 0.02/25"}},
        {"FCF-3",
         {"(position) | (diameter) 0.5 (mmc) | A | B | C", "(position) | (diameter) 0.15 (mmc) | A",
          "(perpendicularity) | (diameter) 0.05 (mmc) | A"}},
        {"FCF-4", {"(profile-surface) | 0.4 (unequal) 0.1 | A | B | C", "(angularity) | 0.2 | A"}},
        {"FCF-5", {"(flatness) | 0.01", "(perpendicularity) | 0.02 | A", "(parallelism) | 0.03 | A"}},
        {"FCF-6",
         {"(profile-line) | 0.5 (free-state) | A | B | C", "(profile-line) | 0.2 | A | B",
          "(profile-line) | 0.08 | A"}},
    };
    draftlift_tool::Session session(partfile::Parse(draftlift_tool::EmbeddedSamplePart()));
    draftlift_tool::Progress quiet(nullptr, "");
    session.Import(quiet);
    std::list<boost::shared_ptr<KObject>> frames;
    session.Scene().GetAllObjectsOfType(frames, is_kind_of<KMBDTicket>());
    std::map<std::string, std::vector<std::string>> read;
    for (const auto& object : frames) {
        const auto& frame = dynamic_cast<const KMBDTicket&>(*object);
        const WString name = frame.GetName();
        if (!Access::SubFrames(frame).empty()) read[std::string(name.begin(), name.end())] = Rows(frame);
    }
    EXPECT_EQ(read, kFrames);
}

}  // namespace
