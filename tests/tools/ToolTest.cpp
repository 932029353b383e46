// The draftlift executable run as a user runs it: exit codes, what it prints
// and the scene `import --json` writes for the embedded sample part.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

using nlohmann::json;

struct ToolResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// CTest runs tests side by side: every file of a test carries its process id.
std::string ScratchPath(const std::string& name) {
    return ::testing::TempDir() + "draftlift-" + std::to_string(getpid()) + "-" + name;
}

// Single quotes keep every argument whole in the shell.
std::string Quoted(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string Slurp(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    std::remove(path.c_str());
    return text.str();
}

ToolResult RunTool(const std::vector<std::string>& arguments) {
    const std::string out = ScratchPath("out.txt"), err = ScratchPath("err.txt");
    std::string command = Quoted(DRAFTLIFT_TOOL);
    for (const std::string& argument : arguments) command += " " + Quoted(argument);
    const int status = std::system((command + " >" + Quoted(out) + " 2>" + Quoted(err) + " </dev/null").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(out), Slurp(err)};
}

std::string WritePart(const std::string& name, const std::string& contents) {
    const std::string path = ScratchPath(name);
    std::ofstream(path, std::ios::binary) << contents;
    return path;
}

enum ExitCode { kClean = 0, kBadInput = 1, kRefused = 2 };

struct ToolRun {
    const char* what;
    std::vector<std::string> arguments;  // "PART" stands for the part file written
    const char* part;                    // null: PART names a file that is not there
    int exitCode;
    const char* out;
    const char* err;  // "PART" stands for its path; a trailing '*': what stderr starts with
};

const ToolRun kRuns[] = {
    {"import, the sample", {"import"}, nullptr, kClean,
     "imported 15 annotations from 23 recorded notes, 7 refused\n", ""},
    {"import, missing file", {"import", "PART"}, nullptr, kBadInput, "",
     "draftlift import: PART: cannot be read\n"},
    {"import, not JSON", {"import", "PART"}, "{", kBadInput, "",
     "draftlift import: PART: part file: not valid JSON*"},
    {"import --json, bad point", {"import", "PART", "--json"},
     R"({"entities": [{"type": "line"}, {"type": "note", "text": "", "basePoint": [0]}]})", kBadInput, "",
     "draftlift import: PART: entity 1: \"basePoint\" must be an array of 3 numbers\n"},
    {"lint, the sample", {"lint"}, nullptr, kRefused,
     "entity 22 \"FCF-7\": line 4: frame row 2 expected (code 104), found 109\n"
     "entity 23 \"BAD-LAYOUT\": line 2: settings layout 101 or 125 expected, found 100\n"
     "entity 24 \"HEADER-ONLY\": line 2: settings line expected, the record ends\n"
     "entity 25 \"DIM-NO-126\": line 3: dimension header expected (code 126), found 127\n"
     "entity 26 \"DATUM-109\": line 3: datum label expected (code 108), found 109\n"
     "entity 27: the note has no memory table\n"
     "entity 28: the note's memory table holds no data\n",
     ""},
    {"lint, a clean part", {"lint", "PART"},
     R"({"entities": [{"type": "line"},
                      {"type": "note", "text": "~M01|A", "memoryTable": 1},
                      {"type": "note", "text": "no record here"}],
         "memoryTables": {"1": "MBD|A|7|0|0|0|0||0|0\r\n101|0|0|0|0|0|0|1|0|0\r\n108|A"}})",
     kClean, "", ""},
    {"lint, a malformed part", {"lint", "PART"}, R"({"entities": [{"type": "note"}]})", kBadInput, "",
     "draftlift lint: PART: entity 0: a note needs \"text\"\n"},
    {"svg, missing file", {"svg", "PART"}, nullptr, kBadInput, "", "draftlift svg: PART: cannot be read\n"},
};

std::string WithPath(std::string text, const std::string& path) {
    for (std::size_t at = text.find("PART"); at != std::string::npos; at = text.find("PART", at + path.size())) {
        text.replace(at, 4, path);
    }
    return text;
}

TEST(Tool, ExitCodesAndWhatItSays) {
    for (const ToolRun& run : kRuns) {
        SCOPED_TRACE(run.what);
        const std::string path = run.part != nullptr ? WritePart("part.json", run.part)
                                                     : ::testing::TempDir() + "draftlift-absent-part.json";
        std::vector<std::string> arguments;
        for (const std::string& argument : run.arguments) arguments.push_back(WithPath(argument, path));
        const ToolResult result = RunTool(arguments);
        EXPECT_EQ(result.exitCode, run.exitCode) << result.err;
        EXPECT_EQ(result.out, run.out);
        std::string err = WithPath(run.err, path);
        if (!err.empty() && err.back() == '*') {
            err.pop_back();
            EXPECT_EQ(result.err.substr(0, err.size()), err);
        } else {
            EXPECT_EQ(result.err, err);
        }
    }
}

TEST(Tool, WritesTheSampleSceneAsJson) {
    const ToolResult result = RunTool({"import", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const json scene = json::parse(result.out);
    std::map<std::string, int> perClass;
    std::map<std::string, json> named;
    for (const json& object : scene["objects"]) {
        ++perClass[object["class"].get<std::string>()];
        named[object["name"].get<std::string>()] = object;
        EXPECT_EQ(object["saved"], true) << object["name"];
        EXPECT_EQ(object["anchorPoint"], json::array({0.0, 0.0, 0.0})) << object["name"];
    }
    const std::map<std::string, int> expected = {
        {"KMBDTicket", 10}, {"KMBDDatum", 1}, {"KMBDDatumTarget", 2}, {"KMBD2PtDimension", 2}};
    EXPECT_EQ(perClass, expected);
    EXPECT_EQ(scene["repaints"], 1);
    EXPECT_EQ(scene["undoPoints"], json::array());

    // Symbol characters (U+FFxx) and names reach the JSON as UTF-8.
    const json& frame = named["FCF-1"]["subFrames"][0];
    EXPECT_EQ(frame["symbolText"], "\xEF\xBF\x89");
    EXPECT_EQ(frame["controls"][0]["toleranceText"], "\xEF\xBF\x9C 0.05 \xEF\xBF\xAF");
    EXPECT_EQ(frame["controls"][0]["datumRef2Text"], "B\xEF\xBF\xAF");
    EXPECT_EQ(named["FCF-3"]["datumLabel"], (json{{"enabled", true}, {"text", "D"}}));
    EXPECT_EQ(named["TICKET-8 \xC3\x98"]["text5"], (json{{"enabled", true}, {"text", "2X"}}));
}

TEST(Tool, ImportsAPartFileGiven) {
    const std::string path = WritePart("one-datum.json", R"({
        "entities": [{"type": "note", "text": "~M01|X", "basePoint": [1, 2, 3], "memoryTable": 1}],
        "memoryTables": {"1": "MBD|X|7|0|0|0|0||0|0\r\n101|0|0|0|0|0|0|0|0|0"}})");
    const ToolResult result = RunTool({"import", path, "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const json scene = json::parse(result.out);
    ASSERT_EQ(scene["objects"].size(), 1u);
    EXPECT_EQ(scene["objects"][0]["class"], "KMBDDatum");
    EXPECT_EQ(scene["objects"][0]["targets"][0]["targetPoint"], json::array({1.0, 2.0, 3.0}));
}

}  // namespace
