// draftlift export-step and import-step run as a user runs them: exit codes,
// what they say, and what they leave behind.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/tools/cli/ToolProcess.h"

namespace {

namespace fs = std::filesystem;

enum ExitCode { kClean = 0, kBadInput = 1, kUsage = 2, kOutput = 4 };

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

fs::path Scratch() {
    const fs::path path = fs::path(::testing::TempDir()) / ("draftlift-step-" + std::to_string(tool_process::ProcessId()));
    fs::create_directories(path);
    return path;
}

std::string Slurp(const fs::path& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

Outcome Draftlift(const std::vector<std::string>& arguments, const std::string& input = "") {
    const fs::path folder = Scratch();
    const std::string in = (folder / "stdin").string();
    std::ofstream(in, std::ios::binary) << input;
    tool_process::Streams streams{in, (folder / "stdout").string(), (folder / "stderr").string(), false};
    const int code = tool_process::Run(DRAFTLIFT_TOOL, arguments, streams);
    return {code, Slurp(streams.output), Slurp(streams.error)};
}

TEST(StepTool, ExportThenImportGivesAPartOfNotes) {
    const std::string step = (Scratch() / "sample.stp").string();
    const Outcome exported = Draftlift({"export-step", "--sample", "-o", step});
    EXPECT_EQ(exported.code, kClean) << exported.err;
    EXPECT_NE(exported.out.find("exported 15 annotations to"), std::string::npos) << exported.out;
    EXPECT_NE(exported.err.find("left out: \"FCF-4\": row 1 unequally disposed value"), std::string::npos);
    const std::string part = (Scratch() / "sample.json").string();
    const Outcome imported = Draftlift({"import-step", step, "-o", part});
    EXPECT_EQ(imported.code, kClean) << imported.err;
    EXPECT_NE(imported.out.find("read 15 annotations"), std::string::npos) << imported.out;
    EXPECT_TRUE(imported.err.empty()) << imported.err;
    const Outcome check = Draftlift({"import", part});
    EXPECT_EQ(check.code, kClean);
    EXPECT_EQ(check.out.rfind("imported ", 0), 0u) << check.out;
}

TEST(StepTool, StandardStreamsCarryTheFileAndThePart) {
    const Outcome exported = Draftlift({"export-step", "--sample", "-o", "-"});
    ASSERT_EQ(exported.code, kClean);
    EXPECT_EQ(exported.out.rfind("ISO-10303-21;", 0), 0u);
    EXPECT_NE(exported.err.find("exported 15 annotations"), std::string::npos);
    const Outcome imported = Draftlift({"import-step", "-"}, exported.out);
    EXPECT_EQ(imported.code, kClean) << imported.err;
    EXPECT_EQ(imported.out.rfind("{", 0), 0u);
    EXPECT_NE(imported.out.find("\"memoryTables\""), std::string::npos);
}

TEST(StepTool, MalformedFileExitsOneWithTheReason) {
    const std::string garbage = (Scratch() / "garbage.stp").string();
    std::ofstream(garbage) << "not a step file\n";
    const std::string part = (Scratch() / "never.json").string();
    const Outcome run = Draftlift({"import-step", garbage, "-o", part});
    EXPECT_EQ(run.code, kBadInput);
    EXPECT_NE(run.err.find("not a readable STEP file"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(part));
}

TEST(StepTool, FileWithoutPmiSaysSo) {
    const std::string empty = (Scratch() / "empty.json").string();
    std::ofstream(empty) << R"({"entities": [], "memoryTables": {}})";
    const std::string step = (Scratch() / "empty.stp").string();
    ASSERT_EQ(Draftlift({"export-step", empty, "-o", step}).code, kClean);
    const Outcome run = Draftlift({"import-step", step, "-o", (Scratch() / "empty-part.json").string()});
    EXPECT_EQ(run.code, kClean);
    EXPECT_NE(run.out.find("holds no PMI: the part has no notes"), std::string::npos) << run.out;
}

TEST(StepTool, UnwritableOutputLeavesNothing) {
    const Outcome run = Draftlift({"export-step", "--sample", "-o", (Scratch() / "no-folder" / "x.stp").string()});
    EXPECT_EQ(run.code, kOutput) << run.err;
    EXPECT_FALSE(fs::exists(Scratch() / "no-folder"));
}

}  // namespace
