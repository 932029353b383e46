// Host symbol characters and the tolerance compartment text.
#include <gtest/gtest.h>

#include "import/SymbolCodes.h"
#include "tests/support/WideText.h"

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
        WString value;
        std::int32_t codeB;
        WString textB;
        std::int32_t codeC;
        WString textC, expected;
    } cases[] = {{0, u""_w, 0, u""_w, 0, u""_w, u""_w},
                 {0, u"0.1"_w, 12, u""_w, 0, u""_w, u"0.1 \uFFED"_w},
                 {6, u"0.2"_w, 0, u""_w, 0, u""_w, u"\uFFC9 0.2"_w},
                 {6, u""_w, 0, u""_w, 0, u""_w, u"\uFFC9 "_w},
                 {0, u""_w, 12, u""_w, 0, u""_w, u" \uFFED"_w},
                 {0, u"0.1"_w, 0, u"MAX"_w, 0, u""_w, u"0.1 MAX"_w},
                 {0, u"0.1"_w, 0, u""_w, 13, u""_w, u"0.1 \uFFEC"_w},
                 {0, u"0.1"_w, 0, u""_w, 0, u"CZ"_w, u"0.1 CZ"_w},
                 {6, u"0.1"_w, 12, u"A"_w, 13, u"B"_w, u"\uFFC9 0.1 \uFFED A \uFFEC B"_w},
                 // A code without a character still takes its place, as a space.
                 {-1, u"0.1"_w, 46, u""_w, 0, u""_w, u"  0.1  "_w}};
    for (const auto& c : cases)
        EXPECT_EQ(BuildToleranceText(c.codeA, c.value, c.codeB, c.textB, c.codeC, c.textC), WString(c.expected))
            << "case " << (&c - cases);
}

}  // namespace
