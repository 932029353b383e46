// Every rule of the table against a part that keeps it and one that breaks
// it, each checked with that rule alone; then the whole table on a part
// that keeps every rule, so that no rule fires where another is meant.
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/tools/gdt/GdtCases.h"
#include "tools/gdt/Check.h"
#include "tools/gdt/ReadAnnotation.h"

namespace {

namespace gdt = draftlift_tool::gdt;
using namespace gdt_cases;

using Part = std::vector<gdt::Annotation>;

struct RuleCase {
    const char* rule;
    Part keeps;
    Part breaks;
    std::string found;  // what the breaking part's finding says
};

gdt::Annotation Model(const AnnotationFields& fields) { return gdt::ReadAnnotation(fields); }

gdt::Annotation Row(const std::string& symbol, const std::string& tolerance, std::vector<std::string> datums = {}) {
    return Model(Frame({{symbol, {{tolerance, std::move(datums)}}}}));
}

gdt::Annotation Composite(const std::string& symbol, std::vector<RowTexts> rows) {
    return Model(Frame({{symbol, std::move(rows)}}));
}

gdt::Annotation Stacked(std::vector<SegmentTexts> segments) { return Model(Frame(segments)); }

// Models the scene's annotations cannot carry, but other sources (an
// interchange file) can: a fourth datum reference, a composite row of its own
// characteristic.
gdt::Annotation FourDatums() {
    gdt::Annotation frame = Row("{position}", "0.1", {"A", "B", "C"});
    gdt::DatumReference fourth = frame.frame->segments[0].rows[0].datums.back();
    fourth.compartment = 3;
    fourth.labels = {Text("D")};
    frame.frame->segments[0].rows[0].datums.push_back(fourth);
    return frame;
}

gdt::Annotation CompositeOfTwoCharacteristics() {
    gdt::Annotation frame = Composite("{position}", {{"0.5", {"A"}}, {"0.1", {"A"}}});
    frame.frame->segments[0].rows[1].characteristic = gdt::Characteristic::ProfileOfSurface;
    return frame;
}

gdt::Annotation FrameCarryingDatum(const std::string& label) {
    AnnotationFields frame = Frame({{"{flatness}", {{"0.1", {}}}}});
    frame.datumLabel = {true, Text(label)};
    return Model(frame);
}

const std::vector<RuleCase>& Cases() {
    static const std::vector<RuleCase> cases = {
        {"form-datum", {Row("{flatness}", "0.1")}, {Row("{flatness}", "0.1", {"A"})}, "row 1 (flatness) references A"},
        {"orientation-datum",
         {Row("{perpendicularity}", "0.1", {"A"}), Row("{total-runout}", "0.1", {"A-B"})},
         {Stacked({{"{parallelism}", {{"0.1", {"A"}}}}, {"{circular-runout}", {{"0.1", {}}}}})},
         "row 2 (circular-runout) references no datum"},
        {"position-datum", {Row("{position}", "{diameter}0.1", {"A"})}, {Row("{position}", "{diameter}0.1")},
         "row 1 (position) references no datum"},
        {"rfs-only",
         {Row("{total-runout}", "0.1", {"A{rfs}"}), Row("{position}", "0.1 {mmc}", {"A{mmc}"})},
         {Row("{concentricity}", "{diameter}0.1", {"A{lmc}"})},
         "row 1 (concentricity) has lmc on datum A"},
        {"not-in-asme", {Row("{position}", "{diameter}0.1", {"A"})}, {Row("{symmetry}", "0.1", {"A"})},
         "row 1 (symmetry)"},
        {"surface-material",
         {Row("{profile-surface}", "0.1 {free-state}", {"A{mmc}"}), Row("{position}", "0.1 {mmc}", {"A"})},
         {Row("{cylindricity}", "0.1 {mmc}")},
         "row 1 (cylindricity) has mmc"},
        {"derived-material", {Row("{straightness}", "{diameter}0.1")}, {Row("{straightness}", "{diameter}0.1 {mmc}")},
         "row 1 (straightness) has mmc: it must control a derived median"},
        {"diameter-zone",
         {Row("{perpendicularity}", "{diameter}0.1", {"A"}), Row("{straightness}", "{diameter}0.1")},
         {Row("{flatness}", "{diameter}0.1")},
         "row 1 (flatness) has a diameter zone"},
        {"spherical-zone", {Row("{position}", "{spherical-diameter}0.1", {"A"})},
         {Row("{profile-surface}", "{spherical-diameter}0.1", {"A"})},
         "row 1 (profile-surface) has a spherical diameter zone"},
        {"projected-zone",
         {Row("{position}", "{diameter}0.1 {projected} 12", {"A"}), Row("{angularity}", "0.1 {projected}", {"A"})},
         {Row("{profile-surface}", "0.1 {projected}", {"A"})},
         "row 1 (profile-surface) has a projected tolerance zone"},
        {"tangent-plane", {Row("{parallelism}", "0.1 {tangent-plane}", {"A"})},
         {Row("{flatness}", "0.1 {tangent-plane}")},
         "row 1 (flatness) has the tangent plane modifier"},
        {"datum-count", {Row("{position}", "0.1", {"A", "B", "C"})},
         {FourDatums()},
         "row 1 (position) references 4 datums"},
        {"datum-repeated", {Row("{position}", "0.1", {"A", "B-C"})}, {Row("{position}", "0.1", {"A", "B-A", "A"})},
         "row 1 (position) references A more than once"},
        {"datum-letter",
         {Model(Datum("P")), Model(Target("R2", "{diameter}3")), Row("{position}", "0.1", {"P-R"})},
         {Model(Datum("O")), Model(Target("I1", "{diameter}3")), Row("{position}", "0.1", {"A-Q"})},
         "datum feature O"},
        {"datum-undefined",
         {Row("{position}", "0.1", {"A", "B", "C-D"}), Model(Datum("A")), Model(Target("B1", "")),
          Model(Target("C2", "")), FrameCarryingDatum("D")},
         {Row("{position}", "0.1", {"A", "B"}), Row("{perpendicularity}", "0.1", {"B"}), Model(Datum("A"))},
         "datum B is referenced but not defined on the part"},
        {"tolerance-positive", {Row("{position}", "{diameter}0 {mmc}", {"A"}), Row("{flatness}", "0.01")},
         {Row("{flatness}", "0.000")},
         "row 1 (flatness) has the tolerance 0.000"},
        {"unequal-value", {Row("{profile-surface}", "0.4 {unequal} 0.4", {"A"})},
         {Row("{profile-surface}", "0.4 {unequal} 0.5", {"A"})},
         "row 1 (profile-surface) has the unequally disposed value 0.5 with the tolerance 0.4"},
        {"composite-characteristic", {Composite("{position}", {{"0.5", {"A"}}, {"0.1", {"A"}}})},
         {CompositeOfTwoCharacteristics()},
         "row 2 (profile-surface) below row 1 (position)"},
        {"composite-tolerance", {Composite("{position}", {{"0.5", {"A", "B"}}, {"0.1", {"A"}}})},
         {Composite("{position}", {{"0.5", {"A", "B"}}, {"0.5", {"A"}}})},
         "row 2 (position) has the tolerance 0.5, row 1 (position) above it 0.5"},
        {"composite-datums",
         {Composite("{profile-surface}", {{"0.5", {"A", "B", "C"}}, {"0.1", {"A", "B"}}, {"0.05", {}}})},
         {Composite("{profile-surface}", {{"0.5", {"A", "B"}}, {"0.1", {"B"}}})},
         "row 2 (profile-surface) references B, row 1 (profile-surface) above it A, B"},
        {"dimension-limits", {Model(Dimension("25.1", "24.9"))}, {Model(Dimension("24.9", "25.1"))},
         "the upper limit 24.9 is not above the lower limit 25.1"},
        {"dimension-zero", {Model(Dimension("25", "+0.1 -0")), Model(Dimension("25 {pm}0.05", ""))},
         {Model(Dimension("25", "+0 -0"))},
         "the value 25 +0 -0 has zero tolerances"},
        {"target-size", {Model(Target("C2", "{diameter}6", "TARGET AREA")), Model(Target("A1", "", "TARGET POINT"))},
         {Model(Target("C2", "", "TARGET AREA"))},
         "datum target C2 is an area without its size"},
        {"unread", {Row("{position}", "{diameter}0.1", {"A"})}, {Row("{position}", "{diameter}0.1x", {"A"})},
         "row 1 tolerance \"0.1x\": the tolerance value is not a number"},
    };
    return cases;
}

// The findings of a part, checked with `rules`, as "rule: what".
std::vector<std::string> Findings(const Part& part, const std::vector<gdt::Rule>& rules) {
    std::vector<std::string> found;
    gdt::PartCheck check(rules);
    const gdt::PartCheck::Visit keep = [&](const gdt::Finding& finding) {
        found.push_back(std::string(finding.rule->id) + ": " + finding.what);
    };
    for (std::size_t i = 0; i < part.size(); ++i) check.Check(part[i], {std::nullopt, {}, i}, keep);
    check.Finish(keep);
    return found;
}

TEST(Rules, EachKeptAndBroken) {
    std::set<std::string> covered;
    for (const RuleCase& c : Cases()) {
        SCOPED_TRACE(c.rule);
        const gdt::Rule* rule = gdt::RuleNamed(c.rule);
        ASSERT_NE(rule, nullptr);
        covered.insert(c.rule);
        const std::vector<gdt::Rule> alone = {*rule};
        EXPECT_EQ(Findings(c.keeps, alone), std::vector<std::string>{});
        const std::vector<std::string> found = Findings(c.breaks, alone);
        ASSERT_FALSE(found.empty());
        EXPECT_EQ(found.front(), std::string(c.rule) + ": " + c.found);
    }
    std::set<std::string> all;
    for (const gdt::Rule& rule : gdt::Rules()) all.insert(rule.id);
    EXPECT_EQ(covered, all) << "every rule has its case";
}

// Whether a datum is defined is the one rule the parts leave to its own case.
TEST(Rules, PartsThatKeepOneRuleBreakNoOther) {
    std::vector<gdt::Rule> others;
    for (const gdt::Rule& rule : gdt::Rules()) {
        if (std::string(rule.id) != "datum-undefined") others.push_back(rule);
    }
    for (const RuleCase& c : Cases()) EXPECT_EQ(Findings(c.keeps, others), std::vector<std::string>{}) << c.rule;
}

}  // namespace
