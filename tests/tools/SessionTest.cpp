// The tool's session helpers in process: the embedded sample, fresh
// stand-ins per session, counting and refusal descriptions.
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/kscene/KSceneStandIn.h"
#include "platform/mastercam/HostStandIn.h"
#include "tools/RecordCheck.h"
#include "tools/Session.h"

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
    EXPECT_NO_THROW(draftlift_tool::ReadPart(std::nullopt));
}

TEST(Session, StartsFromFreshStandInsAndCountsRecordedNotesOnly) {
    standin::host::AddEntity(standin::host::EntityType::Line);
    standin::kscene::SetScenePresent(false);
    const partfile::Part part = partfile::Parse(R"({"entities": [
        {"type": "note", "text": "~M01|a"}, {"type": "note", "text": "~M01"},
        {"type": "note", "text": "~M02|b"}, {"type": "line"}, {"type": "note", "text": "~M01|"}]})");
    Session session(part);
    EXPECT_EQ(standin::host::EntityCount(), 5u);
    const draftlift_tool::ImportSummary summary = session.Import();
    EXPECT_EQ(summary.recordedNotes, 2u);
    EXPECT_EQ(summary.annotations, 0u);  // no record carries data
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
};

TEST(Session, DescribesEachRefusalWithItsPlace) {
    for (const Described& entry : kRefusals) {
        SCOPED_TRACE(entry.what);
        const Session session(OneNote(entry.record));
        const auto refused = draftlift_tool::RefusedRecords();
        ASSERT_EQ(refused.size(), 1u);
        EXPECT_EQ(draftlift_tool::Describe(refused[0]), entry.description);
    }
}

}  // namespace
}  // namespace tool_tests
