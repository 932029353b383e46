// Host symbol characters and the tolerance compartment text.
#include <gtest/gtest.h>

#include "import/SymbolCodes.h"

namespace {

using noteimport::BuildToleranceText;
using noteimport::HostSymbolChar;

TEST(HostSymbol, MapsCodeToItsCharacterAndOthersToASpace) {
    const std::pair<std::int32_t, WCHAR> table[] = {
        {6, 0xFFC9},  {8, 0xFFDC},  {10, 0xFFD8}, {12, 0xFFED}, {13, 0xFFEC}, {14, 0xFFEE}, {16, 0xFFEF},
        {19, 0xFFEA}, {20, 0xFFEB}, {22, 0xFFF5}, {23, 0xFFF6}, {24, 0xFFF4}, {26, 0xFFF1}, {27, 0xFFF3},
        {28, 0xFFF2}, {29, 0xFFFA}, {30, 0xFFF9}, {31, 0xFFDB}, {32, 0xFFDA}, {33, 0xFFC5}, {34, 0xFFBF},
        {35, 0xFFE0}, {36, 0xFFC4}, {37, 0xFFE2}, {38, 0xFFB1}, {39, 0xFFB0}, {40, 0xFFD1}, {41, 0xFFD6},
        {42, 0xFFE1}, {43, 0xFFC7}, {44, u'|'},   {45, 0xFFE5}, {47, 0xFFD9}};
    for (const auto& [code, expected] : table) EXPECT_EQ(HostSymbolChar(code), expected) << "code " << code;
    for (std::int32_t code : {0, 1, 5, 7, 9, 11, 15, 17, 18, 21, 25, 46, 48, 1000, -1, INT32_MIN, INT32_MAX})
        EXPECT_EQ(HostSymbolChar(code), u' ') << "code " << code;
}

TEST(ToleranceText, JoinsThePartsThatAreGiven) {
    const struct {
        std::int32_t codeA;
        const char16_t* value;
        std::int32_t codeB;
        const char16_t* textB;
        std::int32_t codeC;
        const char16_t *textC, *expected;
    } cases[] = {{0, u"", 0, u"", 0, u"", u""},
                 {0, u"0.1", 12, u"", 0, u"", u"0.1 \uFFED"},
                 {6, u"0.2", 0, u"", 0, u"", u"\uFFC9 0.2"},
                 {6, u"", 0, u"", 0, u"", u"\uFFC9 "},
                 {0, u"", 12, u"", 0, u"", u" \uFFED"},
                 {0, u"0.1", 0, u"MAX", 0, u"", u"0.1 MAX"},
                 {0, u"0.1", 0, u"", 13, u"", u"0.1 \uFFEC"},
                 {0, u"0.1", 0, u"", 0, u"CZ", u"0.1 CZ"},
                 {6, u"0.1", 12, u"A", 13, u"B", u"\uFFC9 0.1 \uFFED A \uFFEC B"},
                 // A code without a character still takes its place, as a space.
                 {-1, u"0.1", 46, u"", 0, u"", u"  0.1  "}};
    for (const auto& c : cases)
        EXPECT_EQ(BuildToleranceText(c.codeA, c.value, c.codeB, c.textB, c.codeC, c.textC), WString(c.expected))
            << "case " << (&c - cases);
}

}  // namespace
