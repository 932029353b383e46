// Checking a part annotation by annotation: who each finding is about, the
// part-wide findings at the end, the counts, and the lines they make.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/tools/gdt/GdtCases.h"
#include "tools/gdt/Check.h"
#include "tools/gdt/ReadAnnotation.h"

namespace {

namespace gdt = draftlift_tool::gdt;
using namespace gdt_cases;

struct Checked {
    gdt::Subject subject;
    AnnotationFields fields;
};

TEST(Check, NamesEachFindingsAnnotationAndRuleInOrder) {
    AnnotationFields flatness = Frame({{"{flatness}", {{"0.1", {"A"}}}}});
    flatness.name = Text("F\x1b[1");
    const std::vector<Checked> part = {
        {{4, Text("P-1"), 0}, Frame({{"{position}", {{"{diameter}0.2", {"A", "B"}}}}})},
        {{7, flatness.name, 1}, flatness},
        {{9, Text("A"), 2}, Datum("A")},
        {{std::nullopt, Text(""), 3}, Frame({{"{position}", {{"{diameter}0.2", {"C"}}}}})},
    };
    std::vector<std::string> lines;
    gdt::PartCheck check;
    const gdt::PartCheck::Visit describe = [&](const gdt::Finding& finding) {
        lines.push_back(gdt::Describe(finding).substr(0, gdt::Describe(finding).find(';')));
    };
    for (const Checked& checked : part) check.Check(gdt::ReadAnnotation(checked.fields), checked.subject, describe);
    check.Finish(describe);
    const std::vector<std::string> expected = {
        "entity 7 \"F\\x1B[1\": error form-datum: row 1 (flatness) references A",
        "entity 4 \"P-1\": warning datum-undefined: datum B is referenced but not defined on the part",
        "annotation 4: warning datum-undefined: datum C is referenced but not defined on the part",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(gdt::Describe(check.Counts()), "checked 4 annotations: 1 error, 2 warnings");
}

TEST(Check, CountsInTheSingular) {
    gdt::PartCheck check;
    check.Check(gdt::ReadAnnotation(Frame({{"{flatness}", {{"0", {}}}}})), {}, [](const gdt::Finding&) {});
    EXPECT_EQ(gdt::Describe(check.Counts()), "checked 1 annotation: 1 error, 0 warnings");
}

}  // namespace
