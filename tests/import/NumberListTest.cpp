// The number-list reader, its token test and the line code.
#include <array>
#include <vector>

#include <gtest/gtest.h>

#include "import/NumberList.h"
#include "import/RecordLines.h"

namespace {

using noteimport::IsNumericToken;
using noteimport::LineCode;
using noteimport::ParseNumberList;

struct ListCase {
    const char* text;
    const char* separators;
    bool skip;
    std::uint16_t max;
    std::vector<double> expected;  // all max entries
    std::uint16_t count;
};

class NumberListReading : public testing::TestWithParam<ListCase> {};

TEST_P(NumberListReading, StoresTokensInOrder) {
    const ListCase& c = GetParam();
    std::array<double, 32> numbers;
    numbers.fill(-7.0);
    EXPECT_EQ(ParseNumberList(c.text, c.separators, c.skip, c.max, numbers.data()), c.count);
    EXPECT_EQ(std::vector<double>(numbers.begin(), numbers.begin() + c.max), c.expected);
    EXPECT_EQ(numbers[c.max], -7.0) << "wrote past the maximum";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberListReading,
    testing::Values(
        ListCase{"101||7|x|2.5", "|", true, 20, {101, 7, 0, 2.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 4},
        ListCase{"1|2|3", "|", true, 2, {1, 2}, 2},
        ListCase{"|||", "|", true, 3, {0, 0, 0}, 0},
        ListCase{"", "|", true, 2, {0, 0}, 0},
        ListCase{"|5", "|", true, 2, {5, 0}, 1},
        ListCase{"1;2|3", ";|", true, 4, {1, 2, 3, 0}, 3},
        ListCase{"1e3|-2.5e-1|0x10|  4|+6", "|", true, 5, {1000, -0.25, 16, 4, 6}, 5},
        ListCase{"1|a\x12|3", "|", true, 3, {1, 3, 0}, 2},
        ListCase{"1|a\x12|3", "|", false, 3, {1, 0, 3}, 3},
        ListCase{"1|\x14|3", "|", true, 3, {1, 3, 0}, 2},
        ListCase{"1|2", "|", true, 0, {}, 0},
        ListCase{"12345678901234567890|007", "|", true, 2, {12345678901234567890.0, 7}, 2},
        // A separator that can belong to a number still cuts it.
        ListCase{"1.5.25", ".", true, 3, {1, 5, 25}, 3}));

TEST(NumberListReading, AZeroByteEndsTheText) {
    std::array<double, 3> numbers{};
    EXPECT_EQ(ParseNumberList(std::string_view("1|2\0|3", 6), "|", true, 3, numbers.data()), 2);
}

TEST(NumberListReading, AnOverlongTextIsCutToTheBuffer) {
    std::string text(noteimport::kNumberListBuffer - 2, '|');
    text += "12|5";  // "1" fits as the last byte, the rest is cut
    std::array<double, 3> numbers{};
    EXPECT_EQ(ParseNumberList(text, "|", true, 3, numbers.data()), 1);
    EXPECT_EQ(numbers[0], 1.0);
}

struct TokenCase {
    const char* token;
    bool numeric;
};

class NumericToken : public testing::TestWithParam<TokenCase> {};

TEST_P(NumericToken, RejectsOnlyTheTwoControlBytes) {
    EXPECT_EQ(IsNumericToken(GetParam().token), GetParam().numeric);
}

INSTANTIATE_TEST_SUITE_P(Tokens, NumericToken,
                         testing::Values(TokenCase{"", true}, TokenCase{"12", true}, TokenCase{"abc", true},
                                         TokenCase{"-1e5", true}, TokenCase{"\x12", false},
                                         TokenCase{"1\x14", false}, TokenCase{"\x13", true}));

struct CodeCase {
    const char16_t* line;
    std::int32_t code;
};

class LineCodes : public testing::TestWithParam<CodeCase> {};

TEST_P(LineCodes, IsTheFirstNumberTruncated) { EXPECT_EQ(LineCode(GetParam().line), GetParam().code); }

INSTANTIATE_TEST_SUITE_P(Lines, LineCodes,
                         testing::Values(CodeCase{u"102|5|0", 102}, CodeCase{u"|108|A", 108}, CodeCase{u"||", 0},
                                         CodeCase{u"", 0}, CodeCase{u"abc|104", 0}, CodeCase{u"109.9|x", 109},
                                         CodeCase{u"-5|1", -5}, CodeCase{u"\x12|110", 110},
                                         CodeCase{u"\uFFED1|2", 0}, CodeCase{u"1e40", INT32_MIN},
                                         CodeCase{u"0101|x", 101}, CodeCase{u"1234567890|x", 1234567890},
                                         CodeCase{u"99999999999", INT32_MIN}));

// A field read as an integer gives what _wtoi gives for it, whichever way
// it is read.
class FieldIntegers : public testing::TestWithParam<const char16_t*> {};

TEST_P(FieldIntegers, AgreeWithTheRuntime) {
    const WString field = GetParam();
    EXPECT_EQ(noteimport::WideInteger(field), _wtoi(field.c_str()));
}

INSTANTIATE_TEST_SUITE_P(Fields, FieldIntegers,
                         testing::Values(u"0", u"7", u"007", u"123456789", u"1234567890", u"99999999999", u"",
                                         u" 12", u"+5", u"-3", u"12a", u"\uFF10"));

}  // namespace
