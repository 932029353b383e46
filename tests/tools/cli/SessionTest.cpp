// The tool's session helpers in process: the embedded sample, fresh
// stand-ins per session, counting and refusal descriptions.
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include "standins/kscene/KSceneStandIn.h"
#include "standins/mastercam/HostStandIn.h"
#include "tools/cli/RecordCheck.h"
#include "tools/cli/Session.h"
#include "tools/io/Printable.h"

namespace tool_tests {
namespace {

using draftlift_tool::Session;

// An arc, then one recorded note whose table holds `record`, as JSON text.
partfile::Part OneNote(const std::string& record) {
    return partfile::Parse(R"({"entities": [{"type": "arc"}, {"type": "note", "text": "~M01|x", "memoryTable": 3}],)"
                           R"( "memoryTables": {"3": ")" + record + "\"}}");
}

TEST(Session, EmbedsTheSamplePartFile) {
    std::ifstream in(DRAFTLIFT_SAMPLE_PART, std::ios::binary);
    std::ostringstream file;
    file << in.rdbuf();
    EXPECT_EQ(draftlift_tool::EmbeddedSamplePart(), file.str());
    EXPECT_NO_THROW(partfile::Parse(draftlift_tool::EmbeddedSamplePart()));
}

TEST(Session, StartsFromFreshStandInsAndCountsRecordedNotesOnly) {
    standin::host::AddEntity(standin::host::EntityType::Line);
    standin::kscene::SetScenePresent(false);
    const partfile::Part part = partfile::Parse(R"({"entities": [
        {"type": "note", "text": "~M01|a"}, {"type": "note", "text": "~M01"},
        {"type": "note", "text": "~M02|b"}, {"type": "line"}, {"type": "note", "text": "~M01|"}]})");
    Session session(part);
    EXPECT_EQ(standin::host::EntityCount(), 5u);
    draftlift_tool::Progress quiet(nullptr, "");
    const draftlift_tool::ImportSummary summary = session.ImportCounted(quiet);
    EXPECT_EQ(summary.recordedNotes, 2u);
    EXPECT_EQ(summary.refused, 2u);  // no record carries data
    EXPECT_EQ(summary.annotations, 0u);
    EXPECT_EQ(standin::kscene::LoadedDlls(), std::vector<std::string>{"Draftlift.dll"});
    EXPECT_EQ(standin::host::RepaintCount(), 1);  // the scene is back
}

struct Described {
    const char* what;
    const char* record;
    const char* description;
};

const Described kRefusals[] = {
    {"wrong text5", R"(MBD|\u00d8-T|8|0|0|0|0||0|0\r\n101|0|0|0|0|0|0|0|1|0\r\n108|A)",
     "entity 1 \"\xC3\x98-T\": line 3: text5 expected (code 109), found 108"},
    {"wrong note text", R"(MBD|N|0|0|0|0|0||0|0\r\n101|0|0|0|0|0|0|0|0|1\r\n\r\n109|x\r\ny)",
     "entity 1 \"N\": line 3: note text block expected (code 110), found 109"},
    {"wrong first row", R"(MBD||1|0|0|0|0||0|0\r\n125|0|0|0|1|0|0|0|0|0|0\r\n104|5)",
     "entity 1 \"\": line 3: frame row 1 expected (code 102), found 104"},
    {"dimension without header", R"(MBD|D|12|0|0|0|0||0|0\r\n125|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|1)",
     "entity 1 \"D\": line 3: dimension header expected (code 126), the record ends"},
    {"a kind without an object", R"(MBD|\u0007\"K\u009b|15|0|0|0|0||0|0\r\n101|0|0|0|0|0|0|0|0|0)",
     "entity 1 \"\\x07\\\"K\\u009B\": record kind 15 makes no object"},
};

TEST(Session, DescribesEachNoteWithoutAnObjectWithItsPlace) {
    for (const Described& entry : kRefusals) {
        SCOPED_TRACE(entry.what);
        const Session session(OneNote(entry.record));
        std::vector<std::string> described;
        draftlift_tool::Progress quiet(nullptr, "");
        draftlift_tool::CheckRecordedNotes(
            [&](const draftlift_tool::UnimportedNote& note) { described.push_back(draftlift_tool::Describe(note)); },
            quiet);
        EXPECT_EQ(described, std::vector<std::string>{entry.description});
    }
}

TEST(Progress, ShowsHowFarOnItsLineAndClearsIt) {
    std::ostringstream shown;
    {
        draftlift_tool::Progress progress(&shown, "draftlift import");
        progress.Stage("importing notes", 9);
        progress.Update(1);  // too soon after the start to be worth a line
        std::this_thread::sleep_for(std::chrono::milliseconds(110));
        progress.Update(5);
    }
    const std::string line = "draftlift import: importing notes: 5 of 9";
    EXPECT_EQ(shown.str(), "\r" + line + "\r" + std::string(line.size(), ' ') + "\r");
}

struct Shown {
    const char* text;
    const char* printable;
};

// Quotes and backslashes are escaped inside quotes only.
const Shown kShown[] = {
    {"plain \xC3\x84 \xE2\x82\xAC", "plain \xC3\x84 \xE2\x82\xAC"},
    {"\t\n\r\x1B[2J\x7F", "\\t\\n\\r\\x1B[2J\\x7F"},
    {"\xC2\x9B" "31m", "\\u009B31m"},
    {"bad \xFF\xC3 bytes", "bad \\xFF\\xC3 bytes"},
    {"C:\\a\"b", "C:\\a\"b"},
};

TEST(Printable, EscapesEveryControlCharacterAndStrayByte) {
    for (const Shown& entry : kShown) {
        EXPECT_EQ(draftlift_tool::Printable(entry.text), entry.printable) << entry.text;
    }
    EXPECT_EQ(draftlift_tool::QuotedPrintable("C:\\a\"b\x01"), "\"C:\\\\a\\\"b\\x01\"");
}

}  // namespace
}  // namespace tool_tests
