// Host symbol characters and the tolerance compartment text.
#include <gtest/gtest.h>

#include "import/SymbolCodes.h"

namespace {

using noteimport::BuildToleranceText;
using noteimport::HostSymbolChar;

struct SymbolCase {
    std::int32_t code;
    WCHAR expected;
};

class HostSymbol : public testing::TestWithParam<SymbolCase> {};

TEST_P(HostSymbol, MapsCodeToItsCharacter) {
    EXPECT_EQ(HostSymbolChar(GetParam().code), GetParam().expected) << "code " << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(
    Table, HostSymbol,
    testing::Values(SymbolCase{6, 0xFFC9}, SymbolCase{8, 0xFFDC}, SymbolCase{10, 0xFFD8},
                    SymbolCase{12, 0xFFED}, SymbolCase{13, 0xFFEC}, SymbolCase{14, 0xFFEE},
                    SymbolCase{16, 0xFFEF}, SymbolCase{19, 0xFFEA}, SymbolCase{20, 0xFFEB},
                    SymbolCase{22, 0xFFF5}, SymbolCase{23, 0xFFF6}, SymbolCase{24, 0xFFF4},
                    SymbolCase{26, 0xFFF1}, SymbolCase{27, 0xFFF3}, SymbolCase{28, 0xFFF2},
                    SymbolCase{29, 0xFFFA}, SymbolCase{30, 0xFFF9}, SymbolCase{31, 0xFFDB},
                    SymbolCase{32, 0xFFDA}, SymbolCase{33, 0xFFC5}, SymbolCase{34, 0xFFBF},
                    SymbolCase{35, 0xFFE0}, SymbolCase{36, 0xFFC4}, SymbolCase{37, 0xFFE2},
                    SymbolCase{38, 0xFFB1}, SymbolCase{39, 0xFFB0}, SymbolCase{40, 0xFFD1},
                    SymbolCase{41, 0xFFD6}, SymbolCase{42, 0xFFE1}, SymbolCase{43, 0xFFC7},
                    SymbolCase{44, u'|'}, SymbolCase{45, 0xFFE5}, SymbolCase{47, 0xFFD9}));

INSTANTIATE_TEST_SUITE_P(
    WithoutCharacter, HostSymbol,
    testing::Values(SymbolCase{0, u' '}, SymbolCase{1, u' '}, SymbolCase{5, u' '}, SymbolCase{7, u' '},
                    SymbolCase{9, u' '}, SymbolCase{11, u' '}, SymbolCase{15, u' '}, SymbolCase{17, u' '},
                    SymbolCase{18, u' '}, SymbolCase{21, u' '}, SymbolCase{25, u' '}, SymbolCase{46, u' '},
                    SymbolCase{48, u' '}, SymbolCase{1000, u' '}, SymbolCase{-1, u' '},
                    SymbolCase{INT32_MIN, u' '}, SymbolCase{INT32_MAX, u' '}));

struct ToleranceCase {
    std::int32_t codeA;
    const char16_t* value;
    std::int32_t codeB;
    const char16_t* textB;
    std::int32_t codeC;
    const char16_t* textC;
    const char16_t* expected;
};

class ToleranceText : public testing::TestWithParam<ToleranceCase> {};

TEST_P(ToleranceText, JoinsThePartsThatAreGiven) {
    const ToleranceCase& c = GetParam();
    EXPECT_EQ(BuildToleranceText(c.codeA, c.value, c.codeB, c.textB, c.codeC, c.textC), WString(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Parts, ToleranceText,
    testing::Values(ToleranceCase{0, u"", 0, u"", 0, u"", u""},
                    ToleranceCase{0, u"0.1", 12, u"", 0, u"", u"0.1 \uFFED"},
                    ToleranceCase{6, u"0.2", 0, u"", 0, u"", u"\uFFC9 0.2"},
                    ToleranceCase{6, u"", 0, u"", 0, u"", u"\uFFC9 "},
                    ToleranceCase{0, u"", 12, u"", 0, u"", u" \uFFED"},
                    ToleranceCase{0, u"0.1", 0, u"MAX", 0, u"", u"0.1 MAX"},
                    ToleranceCase{0, u"0.1", 0, u"", 13, u"", u"0.1 \uFFEC"},
                    ToleranceCase{0, u"0.1", 0, u"", 0, u"CZ", u"0.1 CZ"},
                    ToleranceCase{6, u"0.1", 12, u"A", 13, u"B", u"\uFFC9 0.1 \uFFED A \uFFEC B"},
                    // A code without a character still takes its place, as a space.
                    ToleranceCase{-1, u"0.1", 46, u"", 0, u"", u"  0.1  "}));

}  // namespace
