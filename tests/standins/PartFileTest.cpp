// Part files: every malformed input is refused with its place named and
// loads nothing; a good one reaches the host stand-in whole.
#include <cstdio>
#include <fstream>
#include <string_view>

#include <gtest/gtest.h>

#include "standins/mastercam/PartFile.h"
#include "tests/support/StandIns.h"
#include "tests/support/WideText.h"

namespace {

using standin::host::EntityType;

class PartFile : public testing_support::FreshHost {
protected:
    // Entity indices the host walk finds for a type mask.
    static std::vector<std::int32_t> Walk(std::uint32_t mask) {
        std::vector<std::int32_t> found;
        DB_LIST_ENT* cursor = db_start;
        DB_LIST_ENT* previous = nullptr;
        ent record{};
        bool success = false;
        for (;;) {
            get_raw_ent(false, &cursor, &previous, &record, standin::host::SelectAny, mask, &success);
            if (!success) return found;
            found.push_back(standin::host::EntityIndexOf(record));
        }
    }

    static const NoteEnt& NoteAt(std::int32_t index) {
        ent record{};
        standin::host::SetEntityIndex(record, index);
        const NoteEnt* note = Cnc::Drafting::Note::GetNoteEntPointer(record);
        if (note == nullptr) throw std::runtime_error("no note there");
        return *note;
    }
};

struct Malformed {
    const char* what;
    std::string_view text;
    const char* message;
};

using namespace std::string_view_literals;

const Malformed kMalformed[] = {
    {"empty", "", "part file: empty"},
    {"not JSON", "{\"entities\": [", "part file: not valid JSON"},
    {"a value after the value", "{\"entities\": []} {}", "part file: not valid JSON"},
    {"a NUL byte after the value", "{\"entities\": []} \0 {}"sv, "part file: a NUL byte after the JSON value"},
    {"a top field twice", "{\"entities\": [], \"levels\": {}, \"entities\": []}", "part file: \"entities\" is given twice"},
    {"an entity field twice", "{\"entities\": [{\"type\": \"note\", \"text\": \"a\", \"text\": \"b\"}]}",
     "entity 0: \"text\" is given twice"},
    {"a level field twice", "{\"entities\": [], \"levels\": {\"main\": 1, \"main\": 2}}", "levels: \"main\" is given twice"},
    {"one table id twice", "{\"entities\": [], \"memoryTables\": {\"1\": \"a\", \"01\": \"b\"}}",
     "memoryTables \"01\": table 1 is given twice"},
    {"the type given last", "{\"entities\": [{\"basePoint\": [1], \"text\": \"\", \"type\": \"note\"}]}",
     "entity 0: \"basePoint\" must be an array of 3 numbers"},
    {"bad UTF-8", "{\"entities\": [{\"type\": \"note\", \"text\": \"\xC3\"}]}", "part file: not valid JSON"},
    {"number beyond a double", "{\"entities\": [], \"levels\": {\"main\": 1e3112}}", "part file: not valid JSON"},
    {"not an object", "[]", "part file: must be a JSON object"},
    {"no entities", "{}", "part file: \"entities\" is missing"},
    {"unknown top field", "{\"entities\": [], \"entitys\": []}", "part file: unknown field \"entitys\""},
    {"entities not array", "{\"entities\": {}}", "entities: must be an array"},
    {"entity not object", "{\"entities\": [{\"type\": \"line\"}, 3]}", "entity 1: must be an object"},
    {"type missing", "{\"entities\": [{\"text\": \"x\"}]}", "entity 0: \"type\" must be a text"},
    {"type a number", "{\"entities\": [{\"type\": 16}]}", "entity 0: \"type\" must be a text"},
    {"note without text", "{\"entities\": [{\"type\": \"line\"}, {\"type\": \"note\"}]}",
     "entity 1: a note needs \"text\""},
    {"text a number", "{\"entities\": [{\"type\": \"note\", \"text\": 5}]}", "entity 0: \"text\" must be a text"},
    {"two coordinates",
     "{\"entities\": [{\"type\": \"line\"}, {\"type\": \"arc\"}, "
     "{\"type\": \"note\", \"text\": \"~M01|\", \"basePoint\": [1, 2]}]}",
     "entity 2: \"basePoint\" must be an array of 3 numbers"},
    {"coordinate a text", "{\"entities\": [{\"type\": \"note\", \"text\": \"\", \"basePoint\": [1, \"2\", 3]}]}",
     "entity 0: \"basePoint\" must be an array of 3 numbers"},
    {"table id fraction", "{\"entities\": [{\"type\": \"note\", \"text\": \"\", \"memoryTable\": 1.5}]}",
     "entity 0: \"memoryTable\" must be a 32-bit integer"},
    {"table id too large", "{\"entities\": [{\"type\": \"note\", \"text\": \"\", \"memoryTable\": 2147483648}]}",
     "entity 0: \"memoryTable\" must be a 32-bit integer"},
    {"misspelt note field", "{\"entities\": [{\"type\": \"note\", \"text\": \"\", \"basepoint\": [0, 0, 0]}]}",
     "entity 0: unknown field \"basepoint\""},
    {"note field on a line", "{\"entities\": [{\"type\": \"line\", \"text\": \"x\"}]}",
     "entity 0: unknown field \"text\""},
    {"tables not object", "{\"entities\": [], \"memoryTables\": []}", "memoryTables: must be an object"},
    {"table key not a number", "{\"entities\": [], \"memoryTables\": {\"seven\": \"x\"}}",
     "memoryTables \"seven\": the key must be a 32-bit integer table id"},
    {"table key with sign", "{\"entities\": [], \"memoryTables\": {\"+7\": \"x\"}}",
     "memoryTables \"+7\": the key must be a 32-bit integer table id"},
    {"table key too large", "{\"entities\": [], \"memoryTables\": {\"4294967296\": \"x\"}}",
     "memoryTables \"4294967296\": the key must be a 32-bit integer table id"},
    {"table text a number", "{\"entities\": [], \"memoryTables\": {\"7\": 7}}", "memoryTables \"7\": must be a text"},
    {"levels not object", "{\"entities\": [], \"levels\": [1]}", "levels: must be an object"},
    {"level list not array", "{\"entities\": [], \"levels\": {\"active\": 1}}",
     "levels: \"active\" must be an array of integers"},
    {"level a text", "{\"entities\": [], \"levels\": {\"visible\": [1, \"2\"]}}",
     "levels: \"visible\" item 1 must be a 32-bit integer"},
    {"main level a text", "{\"entities\": [], \"levels\": {\"main\": \"1\"}}",
     "levels: \"main\" must be a 32-bit integer"},
    {"unknown level field", "{\"entities\": [], \"levels\": {\"hidden\": []}}", "levels: unknown field \"hidden\""},
};

TEST_F(PartFile, MalformedInputNamesThePlaceAndLoadsNothing) {
    for (const Malformed& entry : kMalformed) {
        SCOPED_TRACE(entry.what);
        try {
            partfile::Load(partfile::Parse(entry.text));
            ADD_FAILURE() << "accepted";
        } catch (const partfile::PartFileError& error) {
            EXPECT_EQ(std::string(error.what()).rfind(entry.message, 0), 0u) << error.what();
        }
        EXPECT_EQ(standin::host::EntityCount(), 0u);
        EXPECT_EQ(mTableFindData(7), nullptr);
    }
}

TEST_F(PartFile, LoadsEntitiesInOrderWithTheirTypes) {
    partfile::Load(partfile::Parse(R"({"entities": [
        {"type": "line"}, {"type": "note", "text": "n"}, {"type": "arc"},
        {"type": "point"}, {"type": "spline"}, {"type": "note", "text": "m"}]})"));
    ASSERT_EQ(standin::host::EntityCount(), 6u);
    EXPECT_EQ(Walk(std::uint32_t(EntityType::Note)), (std::vector<std::int32_t>{1, 5}));
    EXPECT_EQ(Walk(std::uint32_t(EntityType::Line)), std::vector<std::int32_t>{0});
    EXPECT_EQ(Walk(std::uint32_t(EntityType::Arc)), std::vector<std::int32_t>{2});
    EXPECT_EQ(Walk(std::uint32_t(EntityType::Point)), std::vector<std::int32_t>{3});
    // Types the loader does not know are other host entities.
    EXPECT_EQ(Walk(std::uint32_t(EntityType::Other)), std::vector<std::int32_t>{4});
}

TEST_F(PartFile, NotesAndTablesArriveAsUtf16) {
    partfile::Load(partfile::Parse(
        "{\"entities\": [{\"type\": \"note\", \"text\": \"~M01|\xC3\x98 \\u00d8 \xEF\xBF\x89 \\ud83d\\ude00\","
        " \"basePoint\": [1.5, -2, 3e2], \"memoryTable\": -4}],"
        " \"memoryTables\": {\"-4\": \"a|b\\r\\nc\", \"0\": \"\"}}"));
    const NoteEnt& note = NoteAt(0);
    EXPECT_EQ(note.GetText(true), u"~M01|\u00d8 \u00d8 \uFFC9 \U0001F600"_w);
    EXPECT_EQ(note.GetMemoryTableId(false), -4);
    const p_3d base = note.GetBasePointWorld();
    EXPECT_EQ(base.x, 1.5);
    EXPECT_EQ(base.y, -2.0);
    EXPECT_EQ(base.z, 300.0);
    EXPECT_EQ(WString(static_cast<const WCHAR*>(mTableFindData(-4))), u"a|b\r\nc"_w);
    ASSERT_NE(mTableFindData(0), nullptr);
    EXPECT_EQ(mTableFindData(5), nullptr);
}

TEST_F(PartFile, NoteFieldsDefaultAndLevelsApply) {
    partfile::Load(partfile::Parse(R"({"entities": [{"type": "note", "text": ""}],
        "levels": {"active": [1, 2, 10], "visible": [10], "main": 2}})"));
    const NoteEnt& note = NoteAt(0);
    EXPECT_EQ(note.GetMemoryTableId(false), 0);
    EXPECT_EQ(note.GetBasePointWorld().x, 0.0);
    EXPECT_EQ(main_level, 2);
    std::int32_t count = 0;
    get_active_levels(&count, nullptr);
    ASSERT_EQ(count, 3);
    std::vector<std::int32_t> active(3);
    get_active_levels(&count, active.data());
    EXPECT_EQ(active, (std::vector<std::int32_t>{1, 2, 10}));
    get_visible_levels(&count, nullptr);
    EXPECT_EQ(count, 1);
}

TEST_F(PartFile, FilesAreNamedInTheirErrors) {
    const auto error = [](const std::string& path) -> std::string {
        try {
            partfile::ReadFile(path);
        } catch (const partfile::PartFileError& e) {
            return e.what();
        }
        return "accepted";
    };
    const std::string missing = ::testing::TempDir() + "no-such-part.json";
    EXPECT_EQ(error(missing), missing + ": cannot be read: No such file or directory");
    EXPECT_EQ(error(::testing::TempDir()), ::testing::TempDir() + ": is a directory");
    const std::string bad = ::testing::TempDir() + "bad-part.json";
    std::ofstream(bad) << R"({"entities": [{"type": "note", "text": "x", "memoryTable": "7"}]})";
    EXPECT_EQ(error(bad), bad + ": entity 0: \"memoryTable\" must be a 32-bit integer");
    std::remove(bad.c_str());
}

}  // namespace
