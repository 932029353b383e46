// Number formatting, UTF-8 conversion and the integer truncation.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "import/ValueText.h"
#include "tests/support/WideText.h"

namespace {

using noteimport::FormatValue;
using noteimport::ToInt32;
using noteimport::ToUtf8;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Format, ClampsThenWritesFixedDecimals) {
    const struct {
        double value;
        int decimals;
        WString expected;
    } cases[] = {{1e12, 4, u"9999999999.0000"_w}, {-5e9, 4, u"-999999999.0000"_w}, {0.1, 8, u"0.10000000"_w},
                 {0.0, 4, u"0.0000"_w}, {2.5, 0, u"2"_w}, {-0.00005, 4, u"-0.0001"_w},
                 {9999999999.0, 2, u"9999999999.00"_w}, {-999999999.0, 1, u"-999999999.0"_w},
                 {kInf, 1, u"9999999999.0"_w}, {-kInf, 1, u"-999999999.0"_w}, {1.5, -1, u"1.500000"_w},
                 {1.0 / 3.0, 20, u"0.33333333333333331483"_w},
                 // Not a number passes the clamp, spelled as the runtime spells it.
                 {kNaN, 4, u"nan"_w}, {-kNaN, 4, u"-nan(ind)"_w}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatValue(c.value, c.decimals), WString(c.expected)) << c.value << " to " << c.decimals;
}

TEST(Utf8, EncodesLikeTheSystemConversion) {
    const std::pair<WString, const char*> cases[] = {
        {u""_w, ""}, {u"101|0|2.5"_w, "101|0|2.5"}, {u"\u00E9"_w, "\xC3\xA9"}, {u"\uFFED"_w, "\xEF\xBF\xAD"},
        {u"\U0001F600"_w, "\xF0\x9F\x98\x80"}, {u"a\xD800z"_w, "a\xEF\xBF\xBDz"}, {u"\xDC00"_w, "\xEF\xBF\xBD"},
        {u"\x12\x14"_w, "\x12\x14"}};
    for (const auto& [wideText, narrow] : cases) {
        SCOPED_TRACE(narrow);
        const WString wide(wideText);
        EXPECT_EQ(ToUtf8(wide), std::string(narrow));
        // The system conversion, zero included, must agree byte for byte.
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string system(static_cast<std::size_t>(size), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, system.data(), size, nullptr, nullptr);
        EXPECT_EQ(ToUtf8(wide) + '\0', system);
    }
}

// Toward zero, with the host's value for anything out of range.
TEST(Truncate, TowardZeroWithTheHostsOutOfRangeValue) {
    const std::pair<double, std::int32_t> cases[] = {
        {0.0, 0}, {0.9, 0}, {-0.9, 0}, {1.99, 1}, {-1.99, -1}, {2147483647.9, INT32_MAX},
        {-2147483648.9, INT32_MIN}, {2147483648.0, INT32_MIN}, {-1e20, INT32_MIN}, {std::nan(""), INT32_MIN}};
    for (const auto& [value, expected] : cases) EXPECT_EQ(ToInt32(value), expected) << value;
}

}  // namespace
