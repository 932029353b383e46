// draftlift lint as a user runs it: the refused records of the sample part,
// a clean part and a malformed one, with their exit codes.
#include <gtest/gtest.h>

#include "tests/tools/ToolRun.h"

namespace tool_tests {
namespace {

enum ExitCode { kClean = 0, kBadInput = 1, kRefused = 2 };

TEST(LintTool, NamesEveryRefusedRecordOfTheSample) {
    const ToolResult result = RunTool({"lint"});
    EXPECT_EQ(result.exitCode, kRefused) << result.err;
    EXPECT_EQ(result.out,
              "entity 22 \"FCF-7\": line 4: frame row 2 expected (code 104), found 109\n"
              "entity 23 \"BAD-LAYOUT\": line 2: settings layout 101 or 125 expected, found 100\n"
              "entity 24 \"HEADER-ONLY\": line 2: settings line expected, the record ends\n"
              "entity 25 \"DIM-NO-126\": line 3: dimension header expected (code 126), found 127\n"
              "entity 26 \"DATUM-109\": line 3: datum label expected (code 108), found 109\n"
              "entity 27: the note has no memory table\n"
              "entity 28: the note's memory table holds no data\n");
    EXPECT_EQ(result.err, "");
}

TEST(LintTool, IsQuietAndSucceedsOnACleanPart) {
    const std::string path = WritePart("clean-part.json", R"({
        "entities": [{"type": "line"},
                     {"type": "note", "text": "~M01|A", "memoryTable": 1},
                     {"type": "note", "text": "no record here"}],
        "memoryTables": {"1": "MBD|A|7|0|0|0|0||0|0\r\n101|0|0|0|0|0|0|1|0|0\r\n108|A"}})");
    const ToolResult result = RunTool({"lint", path});
    EXPECT_EQ(result.exitCode, kClean) << result.err;
    EXPECT_EQ(result.out, "");
}

TEST(LintTool, RefusesAMalformedPart) {
    const std::string path = WritePart("malformed-part.json", R"({"entities": [{"type": "note"}]})");
    const ToolResult result = RunTool({"lint", path});
    EXPECT_EQ(result.exitCode, kBadInput);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "draftlift lint: " + path + ": entity 0: a note needs \"text\"\n");
}

}  // namespace
}  // namespace tool_tests
