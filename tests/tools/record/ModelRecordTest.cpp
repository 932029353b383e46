// Tolerance compartments cut into a frame row's fields: symbols to codes,
// and joined back by the import into the same text.
#include <tuple>

#include <gtest/gtest.h>

#include "import/SymbolCodes.h"
#include "tests/tools/gdt/GdtCases.h"
#include "tools/record/CompartmentFields.h"

namespace {

using gdt_cases::Text;

// The compartment's pieces go to the row's fields, symbols to codes where a
// code field is free; the import joins them back into the same text.
TEST(Compartments, SplitIntoRowFields) {
    const struct {
        const char* text;
        std::int32_t before;
        const char* value;
        std::int32_t after1;
        const char* text1;
        std::int32_t after2;
        const char* text2;
    } cases[] = {
        {"0.05", 0, "0.05", 0, "", 0, ""},
        {"", 0, "", 0, "", 0, ""},
        {"{diameter} 0.05 {mmc}", 8, "0.05", 16, "", 0, ""},
        {"{spherical-diameter} 0.5 {mmc} {projected} 10", 41, "0.5", 16, "", 32, "10"},
        {"0.4 {unequal} 0.1 ST", 0, "0.4", 35, "0.1 ST", 0, ""},
        {"0.1 CZ {lmc} <ST>", 0, "0.1", 0, "CZ", 19, "<ST>"},
        {"0.1 {mmc} {lmc} {free-state} {tangent-plane}", 0, "0.1", 16, "", 19, "{free-state} {tangent-plane}"},
        {"{diameter}0.05{mmc}", 0, "{diameter}0.05{mmc}", 0, "", 0, ""},
        {"0.1  CZ ", 0, "0.1", 0, " CZ ", 0, ""},
        {"0.02/25X25 {rfs}", 0, "0.02/25X25", 20, "", 0, ""},
    };
    for (const auto& c : cases) {
        const WString text = Text(c.text);
        const auto fields = noterecord::FieldsOfCompartment(text);
        ASSERT_TRUE(fields) << c.text;
        EXPECT_EQ(std::tie(fields->before, fields->value, fields->after1, fields->text1, fields->after2, fields->text2),
                  std::make_tuple(c.before, Text(c.value), c.after1, Text(c.text1), c.after2, Text(c.text2)))
            << c.text;
        EXPECT_EQ(noteimport::BuildToleranceText(fields->before, fields->value, fields->after1, fields->text1,
                                                 fields->after2, fields->text2),
                  text);
    }
    const std::string word(32, 'W');
    for (const std::string& text : {"0.1 " + word, word + " 0.1", std::string("0.1 A|B"), std::string("0.1\r\nA")}) {
        EXPECT_FALSE(noterecord::FieldsOfCompartment(Text(text))) << text;
    }
}

}  // namespace
