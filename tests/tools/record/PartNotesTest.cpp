// Written notes added to a part file: the part reader takes the result, the
// notes stand at the base point and their tables read back as their records.
#include <cmath>
#include <fstream>
#include <limits>
#include <tuple>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "standins/mastercam/PartFile.h"
#include "tests/support/WideText.h"
#include "tools/record/PartNotes.h"

namespace {

using nlohmann::json;
using noterecord::AddNotesToPart;
using noterecord::PlacedNote;
using noterecord::WrittenNote;

json SamplePart() {
    std::ifstream in(DRAFTLIFT_SAMPLE_PART, std::ios::binary);
    return json::parse(in);
}

WrittenNote Written(const WString& name) {
    noteimport::NoteRecord record;
    record.headerRead = true;
    record.name = name;
    record.kind = 7;
    record.flags.datumLabel = true;
    record.datumLabel = u"A"_w;
    return noterecord::WriteNote(record).note;
}

PlacedNote Note(const WString& name, const p_3d& basePoint = {}) { return {Written(name), basePoint}; }

TEST(PartNotes, AreAddedAfterTheEntitiesWithTablesAboveEveryId) {
    json part = SamplePart();
    const partfile::Part before = partfile::Parse(part.dump());
    const std::vector<PlacedNote> notes = {Note(u"A \u00D8 \U0001F600"_w, {1.5, -2.0, 1e300}), Note(u"B"_w, {-3, 0, 4})};
    const auto adding = AddNotesToPart(part, notes);
    ASSERT_FALSE(adding.problem) << *adding.problem;
    // The sample's tables run from 100 to 120; its last note refers to a
    // table 121 it lacks.
    EXPECT_EQ(adding.firstTable, 122);

    const partfile::Part after = partfile::Parse(part.dump());
    ASSERT_EQ(after.entities.size(), before.entities.size() + notes.size());
    for (std::size_t n = 0; n < notes.size(); ++n) {
        const auto& note = after.entities[before.entities.size() + n].note;
        const p_3d& base = notes[n].basePoint;
        EXPECT_EQ(note.text, notes[n].note.text);
        EXPECT_EQ(std::tie(note.basePoint.x, note.basePoint.y, note.basePoint.z), std::tie(base.x, base.y, base.z));
        EXPECT_EQ(note.memoryTable, adding.firstTable + std::int32_t(n));
        EXPECT_EQ(after.memoryTables.at(note.memoryTable), notes[n].note.record);
    }
}

TEST(PartNotes, AreNotAddedWhereThePartCannotHoldThem) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const PlacedNote lone{{u"~M01|"_w + WString(1, WCHAR(0xD800)), u"MBD|x"_w}, {}};
    const struct {
        const char* part;
        std::vector<PlacedNote> notes;
        const char* problem;
    } cases[] = {
        {"[]", {}, "the part file is no JSON object"},
        {R"({"entities": {}})", {}, "\"entities\" is no array"},
        {R"({"memoryTables": []})", {}, "\"memoryTables\" is no object"},
        {"{}", {Note(u"A"_w), Note(u"B"_w, {0.0, kNaN, 0.0})}, "note 1: its base point is not finite"},
        {"{}", {Note(u"A"_w), lone}, "note 1: it holds a lone surrogate, which UTF-8 cannot carry"},
        {R"({"memoryTables": {"2147483646": ""}})", {Note(u"A"_w), Note(u"B"_w)}, "no table ids are left"},
    };
    for (const auto& c : cases) {
        json part = json::parse(c.part);
        const json unchanged = part;
        const auto adding = AddNotesToPart(part, c.notes);
        EXPECT_EQ(adding.problem, std::optional<std::string>(c.problem));
        EXPECT_EQ(part, unchanged);
    }
}

// A note that refers to a table the part lacks keeps it: the new ids start
// above it, and above keys written with leading zeros.
TEST(PartNotes, TakeIdsAboveEveryReference) {
    json part = json::parse(R"({"entities": [{"type": "note", "text": "", "memoryTable": 500}],
                                "memoryTables": {"0700": "", "-9": ""}})");
    EXPECT_EQ(AddNotesToPart(part, {Note(u"A"_w)}).firstTable, 701);
    part["memoryTables"].erase("0700");
    EXPECT_EQ(AddNotesToPart(part, {Note(u"B"_w)}).firstTable, 702);
}

}  // namespace
