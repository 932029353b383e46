// draftlift import, end to end: the embedded sample part through the real
// library on the stand-in host, checked against what its records say.
#include <map>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/tools/ToolRun.h"

namespace tool_tests {
namespace {

using nlohmann::json;

// U+FFxx symbol characters as UTF-8.
constexpr const char* kFFC9 = "\xEF\xBF\x89";
constexpr const char* kFFDC = "\xEF\xBF\x9C";
constexpr const char* kFFED = "\xEF\xBF\xAD";
constexpr const char* kFFEC = "\xEF\xBF\xAC";
constexpr const char* kFFD8 = "\xEF\xBF\x98";
constexpr const char* kFFEA = "\xEF\xBF\xAA";
constexpr const char* kFFC5 = "\xEF\xBF\x85";
constexpr const char* kFFEE = "\xEF\xBF\xAE";

class ImportedSample : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const ToolResult result = RunTool({"import", "--json"});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        scene = new json(json::parse(result.out));
    }
    static void TearDownTestSuite() {
        delete scene;
        scene = nullptr;
    }

    static const json& Named(const std::string& name) {
        for (const json& object : (*scene)["objects"]) {
            if (object["name"] == name) return object;
        }
        throw std::runtime_error("no object named " + name);
    }

    static std::string Tolerance(const json& object, std::size_t frame, std::size_t control) {
        return object["subFrames"].at(frame)["controls"].at(control)["toleranceText"];
    }

    static json* scene;
};

json* ImportedSample::scene = nullptr;

TEST_F(ImportedSample, MakesOneSavedAnnotationPerDecodedRecordWithObject) {
    std::map<std::string, int> perClass;
    for (const json& object : (*scene)["objects"]) {
        ++perClass[object["class"].get<std::string>()];
        EXPECT_EQ(object["saved"], true) << object["name"];
        EXPECT_EQ(object["anchorPoint"], json::array({0.0, 0.0, 0.0})) << object["name"];
    }
    const std::map<std::string, int> expected = {
        {"KMBDTicket", 10}, {"KMBDDatum", 1}, {"KMBDDatumTarget", 2}, {"KMBD2PtDimension", 2}};
    EXPECT_EQ(perClass, expected);
    EXPECT_EQ((*scene)["repaints"], 1);
    EXPECT_EQ((*scene)["undoPoints"], json::array());
}

TEST_F(ImportedSample, FramesCarrySymbolsTolerancesAndDatumReferences) {
    const json& one = Named("FCF-1");
    ASSERT_EQ(one["subFrames"].size(), 1u);
    EXPECT_EQ(one["subFrames"][0]["symbolText"], kFFC9);
    EXPECT_EQ(Tolerance(one, 0, 0), std::string(kFFDC) + " 0.05 " + kFFED);
    const json& control = one["subFrames"][0]["controls"][0];
    EXPECT_EQ(control["datumRef1Text"], "A");
    EXPECT_EQ(control["datumRef2Text"], std::string("B") + kFFEC);
    EXPECT_EQ(control["datumRef3Text"], "C");

    const json& two = Named("FCF-2");
    EXPECT_EQ(two["subFrames"][0]["symbolText"], kFFD8);
    EXPECT_EQ(Tolerance(two, 0, 0), "0.10000000");  // 0.05 with -0.05
    EXPECT_EQ(Tolerance(two, 0, 1), "0.1/25");
    EXPECT_EQ(two["subFrames"][0]["controls"][1]["datumRef1Text"], "");

    // Row 3 has datum references although row 2 has none.
    const json& three = Named("FCF-3");
    ASSERT_EQ(three["subFrames"].size(), 2u);
    EXPECT_EQ(three["subFrames"][0]["controls"].size(), 2u);
    EXPECT_EQ(three["subFrames"][1]["symbolText"], kFFEA);
    EXPECT_EQ(three["subFrames"][1]["controls"][0]["datumRef3Text"], "C");
    EXPECT_EQ(three["datumLabel"], (json{{"enabled", true}, {"text", "D"}}));
    EXPECT_EQ(three["text5"], (json{{"enabled", true}, {"text", "ALL AROUND"}}));

    EXPECT_EQ(Tolerance(Named("FCF-4"), 1, 0), std::string("0.04 ") + kFFEE + " MAX");
    EXPECT_EQ(Named("FCF-5")["subFrames"].size(), 3u);
    EXPECT_EQ(Tolerance(Named("FCF-5"), 2, 0), "0.03");  // codes 46 are no symbol
    const json& six = Named("FCF-6");
    ASSERT_EQ(six["subFrames"].size(), 1u);
    ASSERT_EQ(six["subFrames"][0]["controls"].size(), 3u);
    EXPECT_EQ(Tolerance(six, 0, 0), std::string("0.5 ") + kFFC5 + " UF");
    EXPECT_EQ(Named("TICKET-13")["subFrames"], json::array());
}

TEST_F(ImportedSample, NotesDatumsAndTargetsTakeTheirTexts) {
    EXPECT_EQ(Named("NOTE-0")["text2"], (json{{"enabled", true}, {"text", "BREAK ALL|EDGES 0.2"}}));
    EXPECT_EQ(Named("NOTE-0")["targets"][0]["targetPoint"], json::array({10.0, 0.0, 0.0}));
    EXPECT_EQ(Named("A")["class"], "KMBDDatum");
    EXPECT_EQ(Named("A")["datumLabel"]["text"], "A");
    EXPECT_EQ(Named("TICKET-8 \xC3\x98")["text5"], (json{{"enabled", true}, {"text", "2X"}}));

    const json& unnamed = Named("");
    EXPECT_EQ(unnamed["showName"], false);
    EXPECT_EQ(unnamed["targets"][0]["groupId"], 5);
    EXPECT_EQ(unnamed["targets"][0]["entityId"], 12);  // its absolute value, with a group

    const json& b = Named("B");
    EXPECT_EQ(b["class"], "KMBDDatumTarget");
    EXPECT_EQ(b["datumLabel"], (json{{"enabled", true}, {"text", "B1"}}));
    EXPECT_EQ(b["targets"][0]["entityId"], -7);
    EXPECT_EQ(Named("C2")["datumLabel"]["text"], "C2");
    EXPECT_EQ(Named("C2")["text2"]["text"], "TARGET AREA");
}

TEST_F(ImportedSample, DimensionsTakeLabelNumberAndCalculatedValues) {
    const json& length = Named("LEN-12");
    EXPECT_EQ(length["class"], "KMBD2PtDimension");
    EXPECT_EQ(length["showName"], true);
    EXPECT_EQ(length["dimensionText1"], (json{{"enabled", true}, {"text", "D1"}}));
    EXPECT_EQ(length["dimensionNumber2"], 42);
    EXPECT_EQ(length["dimensionText2"], "50.8000");
    EXPECT_EQ(length["dimensionText3"], "2.5000");
    ASSERT_EQ(length["targets"].size(), 2u);
    EXPECT_EQ(length["targets"][1]["targetPoint"], json::array({0.0, 0.0, 0.0}));

    const json& other = Named("DIM-14");
    ASSERT_EQ(other["targets"].size(), 1u);
    EXPECT_EQ(other["targets"][0]["targetPoint"], json::array({150.0, 70.0, 0.0}));
    EXPECT_EQ(other["dimensionText1"]["enabled"], false);
}

TEST(ImportTool, SummarisesTheSample) {
    const ToolResult result = RunTool({"import"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "imported 15 annotations from 23 recorded notes, 7 refused\n");
}

struct BadInput {
    const char* what;
    const char* contents;  // null: no file at all
    const char* message;
};

TEST(ImportTool, RefusesUnreadableAndMalformedParts) {
    const BadInput cases[] = {
        {"missing file", nullptr, "cannot be read"},
        {"not JSON", "{", "part file: not valid JSON"},
        {"bad point", R"({"entities": [{"type": "line"}, {"type": "note", "text": "", "basePoint": [0]}]})",
         "entity 1: \"basePoint\" must be an array of 3 numbers"},
    };
    for (const BadInput& input : cases) {
        SCOPED_TRACE(input.what);
        const std::string path = input.contents != nullptr
                                     ? WritePart("bad-part.json", input.contents)
                                     : ::testing::TempDir() + "draftlift-absent-part.json";
        for (const char* flag : {"", "--json"}) {
            std::vector<std::string> arguments = {"import", path};
            if (*flag != '\0') arguments.emplace_back(flag);
            const ToolResult result = RunTool(arguments);
            EXPECT_EQ(result.exitCode, 1);
            EXPECT_EQ(result.out, "");
            EXPECT_NE(result.err.find(path + ": " + input.message), std::string::npos) << result.err;
        }
    }
}

TEST(ImportTool, ImportsAPartFileGiven) {
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
}  // namespace tool_tests
