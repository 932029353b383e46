// The number-list reader, its token test and the line code.
#include <array>
#include <vector>

#include <gtest/gtest.h>

#include "import/NumberList.h"
#include "import/RecordLines.h"
#include "tests/support/Platform.h"
#include "tests/support/WideText.h"

namespace {

using noteimport::IsNumericToken;
using noteimport::LineCode;
using noteimport::ParseNumberList;
using testing_support::OnThisPlatform;

TEST(NumberListReading, StoresTokensInOrder) {
    const struct {
        std::string_view text;
        const char* separators;
        bool skip;
        std::uint16_t max;
        std::vector<double> expected;  // all max entries
        std::uint16_t count;
    } cases[] = {
        {"101||7|x|2.5", "|", true, 20, {101, 7, 0, 2.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 4},
        {"1|2|3", "|", true, 2, {1, 2}, 2},
        {"|||", "|", true, 3, {0, 0, 0}, 0},
        {"", "|", true, 2, {0, 0}, 0},
        {"|5", "|", true, 2, {5, 0}, 1},
        {"1;2|3", ";|", true, 4, {1, 2, 3, 0}, 3},
        {"1e3|-2.5e-1|0x10|  4|+6", "|", true, 5, {1000, -0.25, 16, 4, 6}, 5},
        // A d marks the exponent for Windows' atof; on Linux the C library's reads the list.
        {"1d3|2.5D-1", "|", true, 2, {OnThisPlatform(1000.0, 1.0), OnThisPlatform(0.25, 2.5)}, 2},
        {"1|a\x12|3", "|", true, 3, {1, 3, 0}, 2},
        {"1|a\x12|3", "|", false, 3, {1, 0, 3}, 3},
        {"1|\x14|3", "|", true, 3, {1, 3, 0}, 2},
        {"1|2", "|", true, 0, {}, 0},
        {"12345678901234567890|007", "|", true, 2, {12345678901234567890.0, 7}, 2},
        // A separator that can belong to a number still cuts it.
        {"1.5.25", ".", true, 3, {1, 5, 25}, 3},
        // A zero byte ends the text.
        {std::string_view("1|2\0|3", 6), "|", true, 3, {1, 2, 0}, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        std::array<double, 32> numbers;
        numbers.fill(-7.0);
        EXPECT_EQ(ParseNumberList(c.text, c.separators, c.skip, c.max, numbers.data()), c.count);
        EXPECT_EQ(std::vector<double>(numbers.begin(), numbers.begin() + c.max), c.expected);
        EXPECT_EQ(numbers[c.max], -7.0) << "wrote past the maximum";
    }
}

TEST(NumberListReading, AnOverlongTextIsCutToTheBuffer) {
    std::string text(noteimport::kNumberListBuffer - 2, '|');
    text += "12|5";  // "1" fits as the last byte, the rest is cut
    std::array<double, 3> numbers{};
    EXPECT_EQ(ParseNumberList(text, "|", true, 3, numbers.data()), 1);
    EXPECT_EQ(numbers[0], 1.0);
}

TEST(NumericToken, RejectsOnlyTheTwoControlBytes) {
    for (const char* token : {"", "12", "abc", "-1e5", "\x13"}) EXPECT_TRUE(IsNumericToken(token)) << token;
    for (const char* token : {"\x12", "1\x14"}) EXPECT_FALSE(IsNumericToken(token)) << token;
}

TEST(LineCodes, AreTheFirstNumberTruncated) {
    const std::pair<WString, std::int32_t> cases[] = {
        {u"102|5|0"_w, 102}, {u"|108|A"_w, 108}, {u"||"_w, 0}, {u""_w, 0}, {u"abc|104"_w, 0}, {u"109.9|x"_w, 109},
        {u"-5|1"_w, -5}, {u"\x12|110"_w, 110}, {u"\uFFED1|2"_w, 0}, {u"1e40"_w, INT32_MIN}, {u"0101|x"_w, 101},
        {u"1234567890|x"_w, 1234567890}, {u"99999999999"_w, INT32_MIN}};
    for (const auto& c : cases) EXPECT_EQ(LineCode(c.first), c.second) << "case " << (&c - cases);
}

// A field read as an integer gives what _wtoi gives for it, whichever way
// it is read.
TEST(FieldIntegers, AgreeWithTheRuntime) {
    for (WString text : {u"0"_w, u"7"_w, u"007"_w, u"123456789"_w, u"1234567890"_w, u"99999999999"_w, u""_w, u" 12"_w,
                                 u"+5"_w, u"-3"_w, u"12a"_w, u"\uFF10"_w}) {
        const WString field = text;
        EXPECT_EQ(noteimport::WideInteger(field), _wtoi(field.c_str())) << "field of " << field.size();
    }
}

}  // namespace
