// What an annotation loses in the file, said part by part.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/tools/gdt/GdtCases.h"
#include "tools/gdt/ReadAnnotation.h"
#include "tools/step/Carriers.h"

namespace {

namespace gdt = draftlift_tool::gdt;
namespace step = draftlift_tool::step;

std::vector<std::string> LossesOf(const std::string& tolerance, const std::vector<std::string>& datums = {}) {
    gdt::AnnotationFields fields = gdt_cases::Frame({{"{position}", {{tolerance, datums}}}});
    fields.name = gdt_cases::Text("F");
    std::vector<std::string> what;
    for (const step::Loss& loss : step::LeftOut(gdt::ReadAnnotation(fields))) what.push_back(step::Describe(loss));
    return what;
}

TEST(Carriers, SayWhatTheFileCannotCarry) {
    struct Case {
        std::string tolerance;
        std::vector<std::string> datums;
        std::vector<std::string> losses;
    };
    const std::vector<Case> cases = {
        {"{diameter} 0.05 {mmc}", {"A", "B{lmc}"}, {}},
        {"0.1 {free-state} {tangent-plane} ST CZ", {"A{free-state}"}, {}},
        {"0.02/25", {}, {"\"F\": row 1 per-unit basis: XDE 7.6 has no unit-basis tolerance"}},
        {"0.4 {unequal} 0.1", {}, {"\"F\": row 1 unequally disposed value: XDE 7.6 has no field for it",
                                  "\"F\": row 1 modifier unequal: XDE 7.6 has no such tolerance modifier"}},
        {"0.1 {rfs} {envelope}", {}, {"\"F\": row 1 modifier rfs: AP242's default, written as nothing",
                                     "\"F\": row 1 modifier envelope: XDE 7.6 has no such tolerance modifier"}},
        {"0.1 FOO", {}, {"\"F\": row 1 word \"FOO\": not an AP242 modifier"}},
        {"0.1", {"A{rfs}"}, {"\"F\": row 1 datum A\xEF\xBF\xAB modifier rfs: no datum modifier of AP242 says it"}},
        {"", {}, {"\"F\": row 1: without a characteristic and a tolerance value it is no geometric tolerance",
                  "\"F\": row 1 tolerance \"\" was not read: no tolerance value"}},
    };
    for (const Case& c : cases) EXPECT_EQ(LossesOf(c.tolerance, c.datums), c.losses) << c.tolerance;
}

TEST(Carriers, WordsAndSlotsNameBothWays) {
    for (const step::ModifierWord& entry : step::ModifierWords()) {
        EXPECT_EQ(step::WordModifierOf(gdt_cases::Text(entry.word)), entry.modifier) << entry.word;
        EXPECT_STREQ(step::WordOf(entry.modifier), entry.word);
    }
    for (const gdt::TextSlot slot : {gdt::TextSlot::Text1, gdt::TextSlot::Text5, gdt::TextSlot::Text2, gdt::TextSlot::Text3}) {
        EXPECT_EQ(step::SlotNamed(step::SlotName(slot)), slot);
    }
    EXPECT_FALSE(step::SlotNamed("label").has_value());
}

}  // namespace
