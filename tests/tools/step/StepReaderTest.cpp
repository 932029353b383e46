// What the reader refuses, and files without PMI; what the writer leaves
// out.
#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/tools/gdt/GdtCases.h"
#include "tools/gdt/ReadAnnotation.h"
#include "tools/step/StepFile.h"

namespace {

namespace gdt = draftlift_tool::gdt;
namespace step = draftlift_tool::step;

step::PmiAnnotation Flatness(const step::Point3& target) {
    gdt::AnnotationFields fields = gdt_cases::Frame({{"{flatness}", {{"0.05", {}}}}});
    fields.name = gdt_cases::Text("F-1");
    return {gdt::ReadAnnotation(fields), target, {target.x + 3, target.y, target.z}};
}

std::string Written(const std::vector<step::PmiAnnotation>& annotations) {
    std::ostringstream file;
    step::WriteStep(annotations, file);
    return file.str();
}

std::string RefusalOf(const std::string& text) {
    std::istringstream in(text);
    try {
        step::ReadStep(in, "part.stp");
    } catch (const step::StepError& error) {
        return error.what();
    }
    return "read";
}

TEST(StepReader, RefusesMalformedFilesWithTheReadersReason) {
    const std::string valid = Written({Flatness({1, 2, 3})});
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"empty", ""},
        {"not STEP", "garbage\n"},
        {"cut in half", valid.substr(0, valid.size() / 2)},
        {"without its end", valid.substr(0, valid.rfind("END-ISO"))},
    };
    for (const auto& [name, text] : cases) {
        const std::string refusal = RefusalOf(text);
        EXPECT_EQ(refusal.rfind("part.stp: not a readable STEP file", 0), 0u) << name << ": " << refusal;
    }
}

TEST(StepReader, FileWithoutPmiHasNoAnnotations) {
    const std::string empty = Written({});
    std::istringstream in(empty);
    const step::StepReading reading = step::ReadStep(in, "empty.stp");
    EXPECT_TRUE(reading.annotations.empty());
    EXPECT_TRUE(reading.skipped.empty());
}

TEST(StepWriter, LeavesOutAnnotationsWithoutAPlaceAndSaysSo) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::stringstream file;
    const std::vector<step::Loss> losses = step::WriteStep({Flatness({nan, 0, 0}), Flatness({4, 5, 6})}, file);
    ASSERT_EQ(losses.size(), 1u);
    EXPECT_EQ(step::Describe(losses.front()), "\"F-1\": not written: its target or anchor is not finite");
    const step::StepReading reading = step::ReadStep(file, "part.stp");
    ASSERT_EQ(reading.annotations.size(), 1u);
    EXPECT_EQ(reading.annotations.front().target, (step::Point3{4, 5, 6}));
}

}  // namespace
