// The Windows stand-in: code-page conversion and the wide C-runtime helpers,
// with the Windows calling rules the library relies on.
#include <string>

#include <gtest/gtest.h>

#include "host/WinTypes.h"

namespace {

std::u16string Widen(UINT codePage, const std::string& narrow) {
    const int needed = MultiByteToWideChar(codePage, 0, narrow.c_str(), -1, nullptr, 0);
    std::u16string wide(static_cast<std::size_t>(needed), u'\0');
    EXPECT_EQ(MultiByteToWideChar(codePage, 0, narrow.c_str(), -1, wide.data(), needed), needed);
    wide.pop_back();  // the terminator is counted and written
    return wide;
}

std::string Narrow(UINT codePage, const std::u16string& wide) {
    const int needed = WideCharToMultiByte(codePage, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(codePage, 0, wide.c_str(), -1, narrow.data(), needed, nullptr, nullptr);
    narrow.pop_back();
    return narrow;
}

TEST(CodePages, WidenAndNarrowAgain) {
    const struct {
        UINT codePage;
        std::string narrow;
        std::u16string wide;
    } cases[] = {{CP_ACP, "Plan A", u"Plan A"},
                 {CP_ACP, "\x80 5\xB0 \xE9t\xE9", u"\u20AC 5\u00B0 \u00E9t\u00E9"},
                 {CP_ACP, "", u""},
                 {CP_UTF8, "\xC3\xA9\xE2\x8C\x80", u"\u00E9\u2300"},
                 {CP_UTF8, "\xF0\x9F\x98\x80", u"\U0001F600"},
                 {CP_UTF8, "\xEF\xBF\x89", u"\uFFC9"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.narrow);
        EXPECT_EQ(Widen(c.codePage, c.narrow), c.wide);
        EXPECT_EQ(Narrow(c.codePage, c.wide), c.narrow);
    }
}

TEST(CodePagesRules, InvalidInputBecomesReplacementOrDefaultAndLengthsCountNoTerminator) {
    EXPECT_EQ(Widen(CP_UTF8, "a\xFF" "b"), u"a\uFFFD" u"b");
    EXPECT_EQ(Narrow(CP_UTF8, std::u16string{u'x', char16_t(0xD800), u'y'}), "x\xEF\xBF\xBDy");
    BOOL usedDefault = FALSE;
    char out[8] = {};
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"\u2300", -1, out, 8, nullptr, &usedDefault), 2);
    EXPECT_STREQ(out, "?");
    EXPECT_TRUE(usedDefault);
    // An explicit length counts no terminator.
    char16_t wide[4] = {u'#', u'#', u'#', u'#'};
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", 2, wide, 4), 2);
    EXPECT_EQ(wide[2], u'#');
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", 3, wide, 2), 0);  // too small
}

// A leading number is read; _wtoi saturates.
TEST(WideRuntime, WtoiAndWtofReadALeadingNumber) {
    const std::pair<const char16_t*, int> ints[] = {
        {u"42", 42}, {u"  -17x", -17}, {u"+8", 8}, {u"abc", 0}, {u"", 0}, {u"3.9", 3},
        {u"99999999999", 2147483647}, {u"-99999999999", -2147483647 - 1}, {u"\t12", 12}};
    for (const auto& [text, value] : ints) {
        EXPECT_EQ(_wtoi(text), value) << std::string(text, text + std::char_traits<char16_t>::length(text));
    }
    const std::pair<const char16_t*, double> doubles[] = {{u"2.5", 2.5}, {u" -0.125mm", -0.125}, {u"1e3", 1000.0},
                                                          {u"x1", 0.0},  {u"7\u00B0", 7.0},     {u".5", 0.5}};
    for (const auto& [text, value] : doubles) EXPECT_DOUBLE_EQ(_wtof(text), value) << value;
}

TEST(WideRuntime, SwprintfFormatsNumbersAndRefusesSmallBuffers) {
    char16_t buffer[16];
    EXPECT_EQ(swprintf_s(buffer, 16, u"%.*f", 4, 2.5), 6);
    EXPECT_EQ(std::u16string(buffer), u"2.5000");
    EXPECT_EQ(swprintf_s(buffer, 16, u"%d|%d", -3, 7), 4);
    EXPECT_EQ(std::u16string(buffer), u"-3|7");
    EXPECT_EQ(swprintf_s(buffer, 4, u"%.*f", 4, 2.5), -1);
    EXPECT_EQ(buffer[0], u'\0');
}

}  // namespace
