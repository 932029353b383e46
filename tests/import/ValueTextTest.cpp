// Number formatting, UTF-8 conversion and the integer truncation.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "import/ValueText.h"

namespace {

using noteimport::FormatValue;
using noteimport::ToInt32;
using noteimport::ToUtf8;

struct FormatCase {
    double value;
    int decimals;
    const char16_t* expected;
};

class Format : public testing::TestWithParam<FormatCase> {};

TEST_P(Format, ClampsThenWritesFixedDecimals) {
    EXPECT_EQ(FormatValue(GetParam().value, GetParam().decimals), WString(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Values, Format,
    testing::Values(FormatCase{1e12, 4, u"9999999999.0000"}, FormatCase{-5e9, 4, u"-999999999.0000"},
                    FormatCase{0.1, 8, u"0.10000000"}, FormatCase{0.0, 4, u"0.0000"},
                    FormatCase{2.5, 0, u"2"}, FormatCase{-0.00005, 4, u"-0.0001"},
                    FormatCase{9999999999.0, 2, u"9999999999.00"}, FormatCase{-999999999.0, 1, u"-999999999.0"},
                    FormatCase{std::numeric_limits<double>::infinity(), 1, u"9999999999.0"},
                    FormatCase{-std::numeric_limits<double>::infinity(), 1, u"-999999999.0"},
                    FormatCase{1.5, -1, u"1.500000"}, FormatCase{1.0 / 3.0, 20, u"0.33333333333333331483"}));

TEST(Format, NotANumberPassesTheClamp) {
    const WString text = FormatValue(std::nan(""), 4);
    EXPECT_NE(text.find(u"nan"), WString::npos);
}

struct Utf8Case {
    const char16_t* wide;
    const char* narrow;
};

class Utf8 : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8, EncodesLikeTheSystemConversion) {
    const WString wide(GetParam().wide);
    EXPECT_EQ(ToUtf8(wide), std::string(GetParam().narrow));
    // The system conversion, zero included, must agree byte for byte.
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string system(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, system.data(), size, nullptr, nullptr);
    EXPECT_EQ(ToUtf8(wide) + '\0', system);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8,
    testing::Values(Utf8Case{u"", ""}, Utf8Case{u"101|0|2.5", "101|0|2.5"}, Utf8Case{u"\u00E9", "\xC3\xA9"},
                    Utf8Case{u"\uFFED", "\xEF\xBF\xAD"}, Utf8Case{u"\U0001F600", "\xF0\x9F\x98\x80"},
                    Utf8Case{u"a\xD800z", "a\xEF\xBF\xBDz"}, Utf8Case{u"\xDC00", "\xEF\xBF\xBD"},
                    Utf8Case{u"\x12\x14", "\x12\x14"}));

struct TruncateCase {
    double value;
    std::int32_t expected;
};

class Truncate : public testing::TestWithParam<TruncateCase> {};

TEST_P(Truncate, TowardZeroWithTheHostsOutOfRangeValue) {
    EXPECT_EQ(ToInt32(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Truncate,
    testing::Values(TruncateCase{0.0, 0}, TruncateCase{0.9, 0}, TruncateCase{-0.9, 0}, TruncateCase{1.99, 1},
                    TruncateCase{-1.99, -1}, TruncateCase{2147483647.9, INT32_MAX},
                    TruncateCase{-2147483648.9, INT32_MIN}, TruncateCase{2147483648.0, INT32_MIN},
                    TruncateCase{-1e20, INT32_MIN}, TruncateCase{std::nan(""), INT32_MIN}));

}  // namespace
