// The draftlift executable run as a user runs it: exit codes, what it prints,
// what it reads from the standard input, and what it leaves behind when a
// write fails.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/support/Platform.h"
#include "tests/tools/cli/ToolProcess.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using namespace std::string_view_literals;
using Text = std::optional<std::string_view>;

enum ExitCode { kClean = 0, kBadInput = 1, kUsage = 2, kRefused = 3, kOutput = 4 };

// A folder of this test program's own: CTest runs tests side by side.
const fs::path& Scratch() {
    static const fs::path folder = [] {
        const fs::path path = fs::path(::testing::TempDir()) / ("draftlift-tool-" + std::to_string(tool_process::ProcessId()));
        fs::remove_all(path);
        fs::create_directories(path);
        return path;
    }();
    return folder;
}

// Takes the folder away once every test has run.
class ScratchCleanup : public ::testing::Environment {
public:
    void TearDown() override { fs::remove_all(Scratch()); }
};
const auto* const kScratchCleanup = ::testing::AddGlobalTestEnvironment(new ScratchCleanup);

std::string Slurp(const fs::path& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

std::string Write(const std::string& name, std::string_view contents) {
    const fs::path path = Scratch() / name;
    std::ofstream(path, std::ios::binary).write(contents.data(), std::streamsize(contents.size()));
    return path.string();
}

struct ToolResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the tool; `input` is its standard input (none: a terminal).
ToolResult RunTool(const std::vector<std::string>& arguments, Text input, bool unwritableOutput = false) {
    tool_process::Streams streams;
    streams.output = (Scratch() / "stdout").string();
    streams.error = (Scratch() / "stderr").string();
    if (input) streams.input = Write("stdin", *input);
    streams.unwritableOutput = unwritableOutput;
    const int exitCode = tool_process::Run(DRAFTLIFT_TOOL, arguments, streams);
    ToolResult result{exitCode, Slurp(streams.output), Slurp(streams.error)};
    for (const std::string& path : {streams.output, streams.error}) fs::remove(path);
    return result;
}

// Messages end their lines as the platform's texts do: "\r\n" on Windows.
std::string WithLineEnds(std::string text) {
    if (!testing_support::kWindowsRuntime) return text;
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2)) {
        text.insert(at, 1, '\r');
    }
    return text;
}

// What a message must be: exactly it, or, with a trailing '*', start with it.
void ExpectText(const std::string& actual, std::string expected) {
    if (!expected.empty() && expected.back() == '*') {
        expected = WithLineEnds(expected.substr(0, expected.size() - 1));
        EXPECT_EQ(actual.substr(0, expected.size()), expected);
    } else {
        EXPECT_EQ(actual, WithLineEnds(expected));
    }
}

// Refused, without an object, fine, and without a table; one name holds an
// escape sequence.
constexpr char kLintPart[] = R"({"entities": [{"type": "line"},
  {"type": "note", "text": "~M01|A", "memoryTable": 1},
  {"type": "note", "text": "~M01|B", "memoryTable": 2},
  {"type": "note", "text": "~M01|C", "memoryTable": 3},
  {"type": "note", "text": "~M01|D"}],
 "memoryTables": {"1": "MBD|A|7|0|0|0|0||0|0\r\n101|0|0|0|0|0|0|1|0|0\r\n108|A",
  "2": "MBD|B\u001b[31m|1|0|0|0|0||0|0\r\n101|0|0|0|1|0|0|0|0|0\r\n104|6|0|0.1|0|0||0|",
  "3": "MBD|K|15|0|0|0|0||0|0\r\n101|0|0|0|0|0|0|0|0|0"}})";
constexpr char kLintSummary[] = "imported 1 annotation from 4 recorded notes: 2 refused, 1 without an object\n";
constexpr char kCleanPart[] = R"({"entities": [{"type": "note", "text": "~M01|A", "memoryTable": 1}],
  "memoryTables": {"1": "MBD|A|7|0|0|0|0||0|0\r\n101|0|0|0|0|0|0|1|0|0\r\n108|A"}})";
constexpr char kTriangle[] = R"({"objects": [{"name": "T", "points": [0, 0, 0, 1, 0, 0, 0, 1, 0], "faces": [0, 1, 2]}]})";

struct ToolRun {
    const char* what;
    // "PART" stands for a file holding `part`, "MISSING" for a file that is
    // not there and "DIR" for a folder.
    std::vector<std::string> arguments;
    Text part;
    Text input;  // the standard input; none: a terminal
    int exitCode;
    const char* out;  // null: not looked at
    const char* err;  // "PART", "MISSING" and "DIR" stand for the paths
};

constexpr auto kTerminal = std::nullopt;
constexpr auto kNoPart = std::nullopt;

const ToolRun kRuns[] = {
    // Where the input comes from.
    {"the sample at a terminal", {"import"}, kNoPart, kTerminal, kClean,
     "imported 15 annotations from 23 recorded notes: 7 refused, 1 without an object\n", ""},
    {"a pipe without an argument", {"import"}, kNoPart, kLintPart, kClean, kLintSummary, ""},
    {"- for the standard input", {"import", "-"}, kNoPart, kLintPart, kClean, kLintSummary, ""},
    {"an empty pipe", {"import"}, kNoPart, "", kBadInput, "", "draftlift import: standard input: part file: empty\n"},
    {"--sample whatever the standard input", {"import", "--sample"}, kNoPart, "", kClean,
     "imported 15 annotations from 23 recorded notes: 7 refused, 1 without an object\n", ""},
    {"the demo scene by --sample", {"export-mesh", "--sample", "-o", "DIR/demo.ply"}, kNoPart, "", kClean,
     "wrote 2 objects to DIR/demo.ply\n", ""},
    {"a file named", {"import", "PART"}, kLintPart, "", kClean, kLintSummary, ""},
    // Unreadable and malformed parts.
    {"a missing file", {"import", "MISSING"}, kNoPart, "", kBadInput, "",
     "draftlift import: MISSING: cannot be read: No such file or directory\n"},
    {"a folder", {"svg", "DIR"}, kNoPart, "", kBadInput, "", "draftlift svg: DIR: is a directory\n"},
    {"not JSON", {"import", "PART"}, "{", "", kBadInput, "", "draftlift import: PART: part file: not valid JSON*"},
    {"bytes after the value", {"import", "-"}, kNoPart, "{\"entities\": []} []", kBadInput, "",
     "draftlift import: standard input: part file: not valid JSON*"},
    {"a NUL byte after the value", {"lint", "PART"}, "{\"entities\": []}\n\0 x"sv, "", kBadInput, "",
     "draftlift lint: PART: part file: a NUL byte after the JSON value\n"},
    // Lint.
    {"lint", {"lint", "PART"}, kLintPart, "", kRefused,
     "entity 2 \"B\\x1B[31m\": line 3: frame row 1 expected (code 102), found 104\n"
     "entity 4: the note has no memory table\n", ""},
    {"lint -v", {"lint", "-v", "PART"}, kLintPart, "", kRefused,
     "entity 2 \"B\\x1B[31m\": line 3: frame row 1 expected (code 102), found 104\n"
     "entity 3 \"K\": record kind 15 makes no object\n"
     "entity 4: the note has no memory table\n", ""},
    {"lint, a clean part", {"lint", "-"}, kNoPart, kCleanPart, kClean, "", ""},
    {"lint, the sample", {"lint"}, kNoPart, kTerminal, kRefused, nullptr, ""},
    {"lint, several parts", {"lint", "PART", "-"}, kCleanPart, kLintPart, kRefused,
     "standard input: entity 2 \"B\\x1B[31m\": line 3: frame row 1 expected (code 102), found 104\n"
     "standard input: entity 4: the note has no memory table\n", ""},
    // Check.
    {"check, the sample", {"check"}, kNoPart, kTerminal, kRefused,
     "entity 17 \"C2\": error target-size: datum target C2 is an area without its size; an area datum target "
     "gives the size of its area in the upper half of its symbol (ASME Y14.5-2018, datum targets)\n"
     "checked 15 annotations: 1 error, 0 warnings (23 recorded notes: 7 refused, 1 without an object)\n", ""},
    {"check, a clean part", {"check", "-"}, kNoPart, kCleanPart, kClean,
     "checked 1 annotation: 0 errors, 0 warnings (1 recorded note: 0 refused, 0 without an object)\n", ""},
    {"check, several parts", {"check", "PART", "-"}, kCleanPart, kLintPart, kClean,
     "PART: checked 1 annotation: 0 errors, 0 warnings (1 recorded note: 0 refused, 0 without an object)\n"
     "standard input: checked 1 annotation: 0 errors, 0 warnings (4 recorded notes: 2 refused, 1 without an "
     "object)\n", ""},
    {"check --json, a clean part", {"check", "--json", "-"}, kNoPart, kCleanPart, kClean, "[]\n", ""},
    {"check, one part malformed", {"check", "MISSING", "PART"}, kCleanPart, "", kBadInput,
     "PART: checked 1 annotation: 0 errors, 0 warnings (1 recorded note: 0 refused, 0 without an object)\n",
     "draftlift check: MISSING: cannot be read: No such file or directory\n"},
    {"lint, one part malformed", {"lint", "MISSING", "PART"}, kLintPart, "", kBadInput,
     "PART: entity 2 \"B\\x1B[31m\": line 3: frame row 1 expected (code 102), found 104\n"
     "PART: entity 4: the note has no memory table\n",
     "draftlift lint: MISSING: cannot be read: No such file or directory\n"},
    // Usage.
    {"no command", {}, kNoPart, "", kUsage, "", "draftlift: a subcommand is required; see 'draftlift --help'\n"},
    {"an unknown command", {"frob"}, kNoPart, "", kUsage, "",
     "draftlift: unknown command \"frob\" (commands: check, export-mesh, export-step, import, import-step, lint, svg); see 'draftlift --help'\n"},
    {"an extra argument", {"import", "a.json", "b.json"}, kNoPart, "", kUsage, "",
     "draftlift import: the following argument was not expected: b.json; see 'draftlift import --help'\n"},
    {"--sample and a part", {"lint", "--sample", "a.json"}, kNoPart, "", kUsage, "",
     "draftlift lint: parts excludes --sample; see 'draftlift lint --help'\n"},
    {"an unknown option", {"svg", "--colour"}, kNoPart, "", kUsage, "",
     "draftlift svg: the following argument was not expected: --colour; see 'draftlift svg --help'\n"},
    {"an unknown mesh format", {"export-mesh", "-o", "x.obj"}, kNoPart, kTerminal, kUsage, "",
     "draftlift export-mesh: unknown mesh format for x.obj (use .ply, .gltf or .glb); see 'draftlift export-mesh --help'\n"},
    {"a mesh to the standard output", {"export-mesh", "-o", "-"}, kNoPart, kTerminal, kUsage, "",
     "draftlift export-mesh: the standard output needs --format ply, gltf or glb; see 'draftlift export-mesh --help'\n"},
    {"--version", {"--version"}, kNoPart, "", kClean,
     "draftlift 21.0.0.2 (annotation interface 2.7, cloud and mesh interface 1.0)\n", ""},
    // Mesh scenes.
    {"the scene after -o is the scene", {"export-mesh", "-o", "DIR/one.ply", "PART"}, kTriangle, "", kClean,
     "wrote 1 object to DIR/one.ply\n", ""},
    {"an unknown member", {"export-mesh", "-o", "DIR/x.ply", "-"}, kNoPart, R"({"objects": [{}, {"colour": 1}]})",
     kBadInput, "", "draftlift export-mesh: standard input: object 1: unknown member \"colour\"\n"},
    {"a negative face index", {"export-mesh", "-o", "DIR/x.ply", "-"}, kNoPart,
     R"({"objects": [{"points": [0, 0, 0], "faces": [0, -1, 0]}]})", kBadInput, "",
     "draftlift export-mesh: standard input: object 0: \"faces\" must be an array of vertex indices*"},
    {"a fractional face index", {"export-mesh", "-o", "DIR/x.ply", "-"}, kNoPart,
     R"({"objects": [{"faces": [0, 1.5, 2]}]})", kBadInput, "",
     "draftlift export-mesh: standard input: object 0: \"faces\" must be an array of vertex indices*"},
    {"a face index beyond 32 bits", {"export-mesh", "-o", "DIR/x.ply", "-"}, kNoPart,
     R"({"objects": [{"faces": [0, 1, 4294967296]}]})", kBadInput, "",
     "draftlift export-mesh: standard input: object 0: \"faces\" must be an array of vertex indices*"},
    {"a colour of three", {"export-mesh", "-o", "DIR/x.ply", "-"}, kNoPart, R"({"objects": [{"color": [1, 0, 0]}]})",
     kBadInput, "", "draftlift export-mesh: standard input: object 0: \"color\" must be 4 numbers*"},
    {"a key twice", {"export-mesh", "-o", "DIR/x.ply", "-"}, kNoPart, R"({"objects": [{}, {"name": "a", "name": "b"}]})",
     kBadInput, "", "draftlift export-mesh: standard input: object 1: \"name\" is given twice\n"},
};

std::string WithPaths(std::string text, const std::map<std::string, std::string>& paths) {
    for (const auto& [token, path] : paths) {
        for (std::size_t at = text.find(token); at != std::string::npos; at = text.find(token, at + path.size())) {
            text.replace(at, token.size(), path);
        }
    }
    return text;
}

TEST(Tool, ExitCodesAndWhatItSays) {
    for (const ToolRun& run : kRuns) {
        SCOPED_TRACE(run.what);
        const std::map<std::string, std::string> paths = {
            {"PART", run.part ? Write("part.json", *run.part) : ""},
            {"MISSING", (Scratch() / "absent.json").string()},
            {"DIR", Scratch().string()}};
        std::vector<std::string> arguments;
        for (const std::string& argument : run.arguments) arguments.push_back(WithPaths(argument, paths));
        const ToolResult result = RunTool(arguments, run.input);
        EXPECT_EQ(result.exitCode, run.exitCode) << result.err;
        if (run.out != nullptr) ExpectText(result.out, WithPaths(run.out, paths));
        ExpectText(result.err, WithPaths(run.err, paths));
    }
}

}  // namespace

namespace {

// Runs that cannot write an output: each fails with its own code and leaves
// the folder as it was, the file that was there untouched.
struct WriteFailure {
    const char* what;
    std::vector<std::string> arguments;  // "DIR" stands for the folder
    Text input;
    bool unwritableOutput;  // else captured
    int exitCode;
    std::string err;
};

constexpr bool kUnwritable = true;
constexpr bool kCaptured = false;

// What a command says when its standard output refuses writes: a full device
// on Linux, a pipe nobody reads on Windows.
std::string UnwritableOutput(const std::string& command) {
    return command + ": cannot write the standard output: " +
           testing_support::OnThisPlatform<std::string>("Invalid argument\n", "No space left on device\n");
}

const WriteFailure kWriteFailures[] = {
    {"a full standard output, summary", {"import"}, kLintPart, kUnwritable, kOutput,
     UnwritableOutput("draftlift import")},
    {"a full standard output, JSON", {"import", "--json"}, kLintPart, kUnwritable, kOutput,
     UnwritableOutput("draftlift import")},
    {"a full standard output, lint", {"lint"}, kLintPart, kUnwritable, kOutput, UnwritableOutput("draftlift lint")},
    {"a full standard output, picture", {"svg"}, kLintPart, kUnwritable, kOutput, UnwritableOutput("draftlift svg")},
    {"a full standard output, mesh", {"export-mesh", "-o", "-", "--format", "glb"}, kTriangle, kUnwritable, kOutput,
     UnwritableOutput("draftlift export-mesh")},
    {"a folder as the picture", {"svg", "-o", "DIR"}, kLintPart, kCaptured, kOutput,
     "draftlift svg: cannot write DIR: is a directory\n"},
    {"a picture in a missing folder", {"svg", "-o", "DIR/missing/x.svg"}, kLintPart, kCaptured, kOutput,
     "draftlift svg: cannot write DIR/missing/x.svg: No such file or directory\n"},
    {"a mesh in a missing folder", {"export-mesh", "-o", "DIR/kept.ply", "-o", "DIR/missing/x.glb"}, kTriangle,
     kCaptured, kOutput, "draftlift export-mesh: cannot write DIR/missing/x.glb: No such file or directory\n"},
    {"a folder as a mesh", {"export-mesh", "--format", "glb", "-o", "DIR/new.glb", "-o", "DIR"}, kTriangle, kCaptured,
     kOutput, "draftlift export-mesh: cannot write DIR: is a directory\n"},
    {"an unknown format after a good one", {"export-mesh", "-o", "DIR/new.ply", "-o", "DIR/bad.txt"}, kTriangle,
     kCaptured, kUsage, "draftlift export-mesh: unknown mesh format for DIR/bad.txt*"},
};

std::set<std::string> Listing(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

TEST(Tool, FailedWritesLeaveNothingBehind) {
    const fs::path folder = Scratch() / "writes";
    for (const WriteFailure& run : kWriteFailures) {
        SCOPED_TRACE(run.what);
        fs::remove_all(folder);
        fs::create_directories(folder);
        std::ofstream(folder / "kept.ply") << "kept";
        const std::map<std::string, std::string> paths = {{"DIR", folder.string()}};
        std::vector<std::string> arguments;
        for (const std::string& argument : run.arguments) arguments.push_back(WithPaths(argument, paths));
        const ToolResult result = RunTool(arguments, run.input, run.unwritableOutput);
        EXPECT_EQ(result.exitCode, run.exitCode) << result.err;
        ExpectText(result.err, WithPaths(run.err, paths));
        EXPECT_EQ(Listing(folder), std::set<std::string>{"kept.ply"});
        EXPECT_EQ(Slurp(folder / "kept.ply"), "kept");
    }
}

TEST(Tool, WritesTheSampleSceneAsJson) {
    const ToolResult result = RunTool({"import", "--json"}, kTerminal);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const json scene = json::parse(result.out);
    std::map<std::string, int> perClass;
    for (const json& object : scene["objects"]) {
        ++perClass[object["class"].get<std::string>()];
        EXPECT_EQ(object["saved"], true) << object["name"];
    }
    const std::map<std::string, int> expected = {
        {"KMBDTicket", 10}, {"KMBDDatum", 1}, {"KMBDDatumTarget", 2}, {"KMBD2PtDimension", 2}};
    EXPECT_EQ(perClass, expected);
    // Each annotation has its meaning beside its fields; scripts read it
    // without the host's characters.
    std::map<std::string, json> meaning;
    for (const json& object : scene["objects"]) meaning[object["name"]] = object["gdt"];
    const std::map<std::string, std::string> kinds = {{"FCF-1", "feature-control-frame"}, {"A", "datum-feature"},
                                                      {"C2", "datum-target"}, {"LEN-12", "dimension"},
                                                      {"NOTE-0", "note"}};
    for (const auto& [name, kind] : kinds) EXPECT_EQ(meaning[name]["kind"], kind) << name;
    const json& row = meaning["FCF-1"]["frame"]["segments"][0]["rows"][0];
    EXPECT_EQ(row["characteristic"], "position");
    EXPECT_EQ(row["zone"], "diameter");
    EXPECT_EQ(row["tolerance"]["value"], 0.05);
    EXPECT_EQ(row["modifiers"], json::array({"mmc"}));
    EXPECT_EQ(row["datums"][1]["labels"], json::array({"B"}));
    EXPECT_EQ(row["datums"][1]["modifiers"], json::array({"mmc"}));
    EXPECT_EQ(meaning["LEN-12"]["dimension"]["upperLimit"]["text"], "50.8500");
    EXPECT_EQ(scene["repaints"], 1);
    EXPECT_EQ(scene["undoPoints"], json::array());
}

// A flatness frame with a datum, a position frame that references an
// undefined datum, and the datum of the first.
constexpr char kFaultyPart[] = R"({"entities": [
  {"type": "note", "text": "~M01|F", "memoryTable": 1}, {"type": "line"},
  {"type": "note", "text": "~M01|P", "memoryTable": 2},
  {"type": "note", "text": "~M01|A", "memoryTable": 3}],
 "memoryTables": {
  "1": "MBD|F-1|1|0|0|0|0||0|0\r\n101|0|0|0|1|0|0|0|0|0\r\n102|13|0|0.1|0|0||0|\r\n103|A|0||0||0",
  "2": "MBD|P-2|1|0|0|0|0||0|0\r\n101|0|0|0|1|0|0|0|0|0\r\n102|6|8|0.2|0|16||0|\r\n103|A|0|B|16||0",
  "3": "MBD|A|7|0|0|0|0||0|0\r\n101|0|0|0|0|0|0|1|0|0\r\n108|A"}})";

// Each finding's entity, name, severity and rule, as the text says them
// (up to the reason) and as the JSON does.
TEST(Tool, ChecksAPartAsTextAndAsJson) {
    const ToolResult text = RunTool({"check", "-"}, kFaultyPart);
    EXPECT_EQ(text.exitCode, kRefused) << text.err;
    std::vector<std::string> lines;
    std::istringstream said(text.out);
    for (std::string line; std::getline(said, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();  // Windows ends lines with "\r\n"
        lines.push_back(line.substr(0, line.find(';')));
    }
    const std::vector<std::string> expected = {
        "entity 0 \"F-1\": error form-datum: row 1 (flatness) references A",
        "entity 2 \"P-2\": warning datum-undefined: datum B is referenced but not defined on the part",
        "checked 3 annotations: 1 error, 1 warning (3 recorded notes: 0 refused, 0 without an object)"};
    EXPECT_EQ(lines, expected);
    const ToolResult listed = RunTool({"check", "--json", "-"}, kFaultyPart);
    EXPECT_EQ(listed.exitCode, kRefused) << listed.err;
    const json findings = json::parse(listed.out);
    ASSERT_EQ(findings.size(), 2u);
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const json& finding = findings[i];
        EXPECT_EQ("entity " + std::to_string(finding["entity"].get<int>()) + " \"" + finding["name"].get<std::string>() +
                      "\": " + finding["severity"].get<std::string>() + " " + finding["rule"].get<std::string>() +
                      ": " + finding["message"].get<std::string>(),
                  expected[i]);
    }
}

TEST(Tool, ReplacesAnOutputWhole) {
    const std::string path = Write("replaced.gltf", "old contents");
    const std::string scene = R"({"objects": [{"name": "\u00c4 \u00f8", "points": [0, 0, 0]},
                                               {"name": "\u03a9", "kind": "cloud", "points": [1, 1, 1]}]})";
    const ToolResult result = RunTool({"export-mesh", "-o", path}, scene);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    // Names reach the interface in its code page: what it has arrives as
    // itself, what it lacks as '?', with a warning.
    const json gltf = json::parse(Slurp(path));
    EXPECT_EQ(gltf["nodes"][0]["name"], "\xC3\x84 \xC3\xB8");
    EXPECT_EQ(gltf["nodes"][1]["name"], "?");
    ExpectText(result.err, "draftlift export-mesh: warning: object 1: the name \"\xCE\xA9\" has characters the ANSI "
                           "code page lacks; they become '?'\n");
    EXPECT_EQ(Listing(Scratch()).count("replaced.gltf"), 1u);
}

#ifndef _WIN32
// Renaming a finished file into place would replace a pipe or a device
// (/dev/null, for one, when run as root); they are written as they are.
TEST(Tool, WritesIntoAPipeWithoutReplacingIt) {
    const fs::path pipe = Scratch() / "mesh.ply";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    // Opened first, so that the tool's open does not wait; the demo's mesh
    // fits the pipe's buffer.
    const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const ToolResult result = RunTool({"export-mesh", "-o", pipe.string()}, kTerminal);
    std::string received(1 << 16, '\0');
    const ssize_t length = read(reader, received.data(), received.size());
    close(reader);
    EXPECT_EQ(result.exitCode, kClean) << result.err;
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(received.substr(0, std::size_t(std::max<ssize_t>(length, 0))).rfind("ply\n", 0), 0u);
}
#endif

TEST(Tool, HelpListsOneLinePerCommandAndEveryExitCode) {
    const ToolResult top = RunTool({"--help"}, "");
    EXPECT_EQ(top.exitCode, kClean);
    for (const char* line : {"\n  check  ", "\n  export-mesh  ", "\n  import  ", "\n  lint  ", "\n  svg  ",
                             "\n  0  success", "\n  1  an input", "\n  2  usage error", "\n  3  lint:",
                             "check: at least one error", "\n  4  an output"}) {
        EXPECT_NE(top.out.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(top.out.find("\"objects\""), std::string::npos) << "a command's details in the overview";
    EXPECT_NE(RunTool({"export-mesh", "--help"}, "").out.find("\"objects\""), std::string::npos);
}

}  // namespace
