// The Windows layer as the library uses it: code-page conversion and the wide
// C-runtime helpers. On Windows they are the system's own (the Universal CRT);
// elsewhere the stand-in answers as it does.
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "host/WinTypes.h"
#include "tests/support/Platform.h"
#include "tests/support/WideText.h"

namespace {

WString Widen(UINT codePage, const std::string& narrow) {
    const int needed = MultiByteToWideChar(codePage, 0, narrow.c_str(), -1, nullptr, 0);
    WString wide(static_cast<std::size_t>(needed), u'\0');
    EXPECT_EQ(MultiByteToWideChar(codePage, 0, narrow.c_str(), -1, wide.data(), needed), needed);
    wide.pop_back();  // the terminator is counted and written
    return wide;
}

std::string Narrow(UINT codePage, const WString& wide) {
    const int needed = WideCharToMultiByte(codePage, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(codePage, 0, wide.c_str(), -1, narrow.data(), needed, nullptr, nullptr);
    narrow.pop_back();
    return narrow;
}

std::string Printable(const WString& text) { return std::string(text.begin(), text.end()); }

TEST(CodePages, WidenAndNarrowAgain) {
    const struct {
        UINT codePage;
        std::string narrow;
        WString wide;
    } cases[] = {{CP_ACP, "Plan A", u"Plan A"_w},
                 {CP_ACP, "\x80 5\xB0 \xE9t\xE9", u"\u20AC 5\u00B0 \u00E9t\u00E9"_w},
                 {CP_ACP, "", u""_w},
                 {CP_UTF8, "\xC3\xA9\xE2\x8C\x80", u"\u00E9\u2300"_w},
                 {CP_UTF8, "\xF0\x9F\x98\x80", u"\U0001F600"_w},
                 {CP_UTF8, "\xEF\xBF\x89", u"\uFFC9"_w}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.narrow);
        EXPECT_EQ(Widen(c.codePage, c.narrow), c.wide);
        EXPECT_EQ(Narrow(c.codePage, c.wide), c.narrow);
    }
}

// The active code page is Windows-1252 on both: its bytes 0x80-0x9F are the
// typographic characters, the five it leaves unassigned keep their value.
TEST(CodePages, AnsiBytes80To9FWidenAsWindows1252) {
    const WString expected =
        u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u008D\u017D\u008F"
        u"\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\u009D\u017E\u0178"_w;
    std::string bytes;
    for (int byte = 0x80; byte < 0xA0; ++byte) bytes.push_back(char(byte));
    EXPECT_EQ(Widen(CP_ACP, bytes), expected);
    EXPECT_EQ(Narrow(CP_ACP, expected), bytes);
}

TEST(CodePages, InvalidInputBecomesReplacementOrDefaultAndLengthsCountNoTerminator) {
    EXPECT_EQ(Widen(CP_UTF8, "a\xFF" "b"), u"a\uFFFDb"_w);
    EXPECT_EQ(Narrow(CP_UTF8, WString{u'x', WCHAR(0xD800), u'y'}), "x\xEF\xBF\xBDy");
    BOOL usedDefault = FALSE;
    char out[8] = {};
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"\u2300"_w.c_str(), -1, out, 8, nullptr, &usedDefault), 2);
    EXPECT_STREQ(out, "?");
    EXPECT_TRUE(usedDefault);
    // An explicit length counts no terminator.
    WCHAR wide[4] = {u'#', u'#', u'#', u'#'};
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", 2, wide, 4), 2);
    EXPECT_EQ(wide[2], u'#');
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", 3, wide, 2), 0);  // too small
}

// A leading number is read after any Unicode white space; _wtoi saturates and
// reads the decimal digits of other scripts too, _wtof reads ASCII ones only,
// with a d or D marking the exponent as an e does.
TEST(WideRuntime, WtoiAndWtofReadALeadingNumber) {
    const std::pair<WString, int> ints[] = {
        {u"42"_w, 42}, {u"  -17x"_w, -17}, {u"+8"_w, 8}, {u"abc"_w, 0}, {u""_w, 0}, {u"3.9"_w, 3},
        {u"99999999999"_w, 2147483647}, {u"-99999999999"_w, -2147483647 - 1}, {u"\t\r\n12"_w, 12},
        {u"\u00A012"_w, 12}, {u"\u300012"_w, 12}, {u"\u0085 12"_w, 12}, {u"\u001C12"_w, 0}, {u"\u200B12"_w, 0},
        {u"\u0661\u0662"_w, 12}, {u"-1\u06F23"_w, -123}, {u"\uFF19x"_w, 9}, {u"\uFF0D1"_w, 0}};
    for (const auto& [text, value] : ints) EXPECT_EQ(_wtoi(text.c_str()), value) << Printable(text);
    const std::pair<WString, double> doubles[] = {
        {u"2.5"_w, 2.5}, {u" -0.125mm"_w, -0.125}, {u"1e3"_w, 1000.0}, {u"x1"_w, 0.0}, {u"7\u00B0"_w, 7.0},
        {u".5"_w, 0.5}, {u"\u20031.5"_w, 1.5}, {u"1d3"_w, 1000.0}, {u"-2.5D-1x"_w, -0.25}, {u"1d"_w, 1.0},
        {u"0x1d"_w, 29.0}, {u"\u0661"_w, 0.0}, {u"-Infinity"_w, -std::numeric_limits<double>::infinity()}};
    for (const auto& [text, value] : doubles) EXPECT_DOUBLE_EQ(_wtof(text.c_str()), value) << Printable(text);
    for (const WString& text : {u"nan"_w, u"-NaN(1)"_w}) {
        EXPECT_TRUE(std::isnan(_wtof(text.c_str()))) << Printable(text);
        EXPECT_EQ(std::signbit(_wtof(text.c_str())), text[0] == u'-') << Printable(text);
    }
}

// "%.*f" rounds a tie of the exact binary value to even; not-a-number is
// "nan", or "-nan(ind)" when negative, whatever the precision.
TEST(WideRuntime, SwprintfFormatsFixedPoint) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        int decimals;
        WString text;
    } cases[] = {{2.5, 4, u"2.5000"_w}, {0.125, 2, u"0.12"_w}, {0.375, 2, u"0.38"_w}, {2.5, 0, u"2"_w},
                 {-0.5, 0, u"-0"_w}, {-0.0, 2, u"-0.00"_w}, {2.675, 2, u"2.67"_w}, {nan, 8, u"nan"_w},
                 {-nan, 4, u"-nan(ind)"_w}, {inf, 2, u"inf"_w}, {-inf, 0, u"-inf"_w}};
    for (const auto& c : cases) {
        WCHAR buffer[32];
        const WCHAR format[] = {u'%', u'.', u'*', u'f', 0};
        const int written = swprintf_s(buffer, 32, format, c.decimals, c.value);
        EXPECT_EQ(WString(buffer), c.text) << c.value << " with " << c.decimals;
        EXPECT_EQ(written, int(c.text.size()));
    }
}

#ifdef _WIN32
void IgnoreInvalidParameter(const wchar_t*, const wchar_t*, const wchar_t*, unsigned, std::uintptr_t) {}
#endif

// The refusal also empties the buffer; Wine's runtime leaves it as it is, so
// that is checked on the stand-in only.
TEST(WideRuntime, SwprintfRefusesASmallBuffer) {
#ifdef _WIN32
    // Windows reports the refusal to this handler, whose default ends the program.
    const _invalid_parameter_handler previous = _set_invalid_parameter_handler(IgnoreInvalidParameter);
#endif
    WCHAR buffer[4] = {u'#'};
    const WCHAR format[] = {u'%', u'd', 0};
    EXPECT_EQ(swprintf_s(buffer, 4, format, 123456), -1);
    if (!testing_support::kWindowsRuntime) {
        EXPECT_EQ(buffer[0], u'\0');
    }
#ifdef _WIN32
    _set_invalid_parameter_handler(previous);
#endif
}

}  // namespace
