// Reading note records: lines, layouts, rows, labels, limits and refusals.
#include <tuple>

#include <gtest/gtest.h>

#include "import/RecordReader.h"
#include "tests/import/Records.h"
#include "tests/support/WideText.h"

namespace {

using namespace import_tests;
using noteimport::ReadRecord;
using noteimport::RecordReading;
using noteimport::RefusalReason;
using Text = std::optional<WString>;

const WString kHeader = Header(u"FCF-7"_w, 1, 3, 44);
const WString kRow1 = Settings101(Settings().Row(1));

RecordReading Decoded(const WString& text) {
    RecordReading reading = ReadRecord(text);
    EXPECT_TRUE(reading.Decoded()) << "refused at line " << reading.refusal->line;
    return reading;
}

// Missing fields read as empty or 0; integers follow _wtoi.
TEST(Header, GivesNameKindAndIds) {
    const struct {
        WString line;
        WString name;
        std::int32_t kind, groupId, entityId;
    } cases[] = {{u"x|Datum A|7|-5|-12|1|1|reserved|1|1"_w, u"Datum A"_w, 7, -5, -12}, {u"0"_w, u""_w, 0, 0, 0},
                 {u"0|N"_w, u"N"_w, 0, 0, 0}, {u"0|N| 12abc|+3|-x"_w, u"N"_w, 12, 3, 0}, {u"0||3||9"_w, u""_w, 3, 0, 9},
                 {u"0|N|99999999999|0|0"_w, u"N"_w, INT32_MAX, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        const auto reading = Decoded(Lines({c.line, Settings101(Settings())}));
        const auto& r = reading.record;
        EXPECT_EQ(std::tie(r.headerRead, r.name, r.kind, r.groupId, r.entityId),
                  std::make_tuple(true, WString(c.name), c.kind, c.groupId, c.entityId));
    }
}

TEST(SettingsLines, SetTheFlagsOfTheirLayout) {
    const struct {
        WString line;
        std::array<bool, 5> rows;
        bool datumLabel, text5;
        std::int32_t textLines;
    } cases[] = {
        {u"125|0|0|0|1"_w, {true, false, false, false, false}, false, false, 0},
        {u"125||0|0|0|1"_w, {true, false, false, false, false}, false, false, 0},
        {u"101|0|0|0|1|1|1|0|0|2"_w, {true, true, true, false, false}, false, false, 2},
        {u"101|0|0|0|0|0|0|1|1|3|1|1|1"_w, {false, false, false, false, false}, true, true, 3},
        // Fewer than twelve numbers: labels at 9 and 10, no text lines.
        {u"125|0|0|0|0|1|0|1|1|1|1"_w, {false, true, false, true, true}, true, true, 0},
        // Twelve or more: labels at 14 and 15, text lines at 16, dimension at 17.
        {u"125|0|0|0|1|1|1|1|1|1|1|1"_w, {true, true, true, true, true}, false, false, 0},
        {u"125|0|0|0|0|0|0|0|0|0|0|0|0|0|1|1|4|0"_w, {false, false, false, false, false}, true, true, 4},
        // Flags are truncated numbers: 0.9 is not set, -1.5 is.
        {u"101|0|0|0|0.9|-1.5|2"_w, {false, true, true, false, false}, false, false, 0},
        {u"101.7|0|0|0|1"_w, {true, false, false, false, false}, false, false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        const auto reading = Decoded(Lines({Header(u"n"_w, 15), c.line}));
        const auto& f = reading.record.flags;
        EXPECT_EQ(std::tie(f.rows, f.datumLabel, f.text5, f.dimension, f.textLineCount),
                  std::make_tuple(c.rows, c.datumLabel, c.text5, false, c.textLines));
    }
}

TEST(FrameRows, GiveCodesAndTexts) {
    const struct {
        WString line;
        std::int32_t symbol, before, after1, after2;
        WString value, text1, text2;
    } cases[] = {{u"102|5|0|0.05|-0.05|0||0|"_w, 5, 0, 0, 0, u"0.10000000"_w, u""_w, u""_w},
                 {u"102|5|0|0.1/25|0|0||0|"_w, 5, 0, 0, 0, u"0.1/25"_w, u""_w, u""_w},
                 {u"102|46|46|0.1|0|46|A|46|B"_w, 0, 0, 0, 0, u"0.1"_w, u"A"_w, u"B"_w},
                 {u"102|6|12|0.2|0.1|13|MAX|14|CZ"_w, 6, 12, 13, 14, u"0.2"_w, u"MAX"_w, u"CZ"_w},
                 {u"102|5|0|0.05|0.05"_w, 5, 0, 0, 0, u"0.00000000"_w, u""_w, u""_w},
                 {u"102|5|0|abc|0"_w, 5, 0, 0, 0, u"0.00000000"_w, u""_w, u""_w},
                 {u"102"_w, 0, 0, 0, 0, u"0.00000000"_w, u""_w, u""_w},
                 {u"102|-3|0|1"_w, -3, 0, 0, 0, u"1"_w, u""_w, u""_w}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        const auto reading = Decoded(Lines({kHeader, kRow1, c.line}));
        const auto& r = reading.record.rows[0];
        EXPECT_EQ(std::tie(r.read, r.symbol, r.modifierBefore, r.modifierAfter1, r.modifierAfter2, r.hasDatumRefs),
                  std::make_tuple(true, c.symbol, c.before, c.after1, c.after2, false));
        EXPECT_EQ(std::tie(r.valueText, r.textAfter1, r.textAfter2),
                  std::make_tuple(WString(c.value), WString(c.text1), WString(c.text2)));
    }
}

// Every field with a limit, over it in one record; the name fits a line but
// not its own field.
TEST(Limits, OverlongFieldsAreCut) {
    const WString x40(40, u'7'), l40(40, u'L');
    const auto reading = Decoded(Lines(
        {Header(WString(300, u'n'), 11), Settings101(Settings().Row(1).Label().Text5().TextLines(1)),
         u"102|1|0|"_w + x40 + u"/2|0|0|"_w + x40 + u"|0|"_w + x40, u"103|"_w + l40 + u"|13|"_w + l40,
         u"108|"_w + WString(40, u'a'), u"109|"_w + WString(40, u'b'), u"136|"_w + WString(300, u'c'), u"110"_w,
         WString(1200, u'x')}));
    const auto& r = reading.record;
    const auto& row = r.rows[0];
    const WString x31(31, u'7');
    EXPECT_EQ(std::tie(row.valueText, row.textAfter1, row.textAfter2), std::tie(x31, x31, x31));
    // The modifier character is kept when the letters are cut.
    EXPECT_EQ(std::tie(row.datumRefs[0], row.datumRefs[1]),
              std::make_tuple(WString(30, u'L') + u"\uFFEC"_w, WString(31, u'L')));
    EXPECT_EQ(std::make_tuple(r.name, r.datumLabel, r.text5, r.targetText, r.noteText),
              std::make_tuple(WString(254, u'n'), Text(WString(31, u'a')), Text(WString(31, u'b')), Text(WString(254, u'c')),
                              Text(WString(999, u'x'))));
}

// Rows 4 and 5 and their reference lines exist only in layout 125; a
// modifier code of 0 or below appends nothing. (That a row without references
// leaves the next row's alone shows in the import.)
TEST(DatumRefs, FollowTheirRowAndAppendTheModifierOnlyForPositiveCodes) {
    const auto reading = Decoded(Lines({kHeader, Settings125(Settings().Row(1).Row(2).Row(3).Row(4).Row(5)),
                                        u"102|5|0|0.1|0|0||0|"_w, u"103|A|12|B-C|0|D|-4"_w, u"104|5|0|0.2"_w,
                                        u"106|5|0|0.3"_w, u"111|4|0|0.4"_w, u"112|X|0"_w, u"113|5|0|0.5"_w}));
    const auto& rows = reading.record.rows;
    EXPECT_EQ(rows[0].datumRefs, (decltype(rows[0].datumRefs){u"A\uFFED"_w, u"B-C"_w, u"D"_w}));
    EXPECT_EQ(std::tie(rows[1].hasDatumRefs, rows[2].hasDatumRefs, rows[3].valueText, rows[3].datumRefs[0], rows[4].symbol),
              std::make_tuple(false, false, WString(u"0.4"_w), WString(u"X"_w), 5));
}

// Labels, text 5, the target text of kind 11 and the note text block.
TEST(Texts, ReachTheirFields) {
    const WString textLine = Settings101(Settings().TextLines(1));
    const struct {
        WString record;
        Text datumLabel, text5, noteText, targetText;
        bool row1Read = false;
    } cases[] = {
        // A block ends with the record, however many lines it announced.
        {Lines({kHeader, Settings101(Settings().TextLines(3)), u"110"_w, u"ab"_w, u"c"_w}), {}, {}, u"abc"_w, {}},
        // Flagged lines that are absent are skipped, a frame row as well.
        {Lines({kHeader, Settings101(Settings().Row(1).Label().Text5().TextLines(2))}), {}, {}, {}, {}},
        // Kind 11 consumes whatever line stands in the target text's place...
        {Lines({Header(u"t"_w, 11), textLine, u"110"_w, u"110"_w, u"text"_w}), {}, {}, u"text"_w, {}},
        // ...any other kind takes the first 110 line as the block's start.
        {Lines({Header(u"t"_w, 10), textLine, u"110"_w, u"110"_w, u"text"_w}), {}, {}, u"110"_w, {}},
        // Frame rows stop at the first not flagged: row 3 is, row 2 is not.
        {Lines({kHeader, Settings101(Settings().Row(1).Row(3).Text5()), u"102|5|0|0.1"_w, u"109|note"_w}), {}, u"note"_w,
         {}, {}, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        const auto reading = Decoded(c.record);
        const auto& r = reading.record;
        EXPECT_EQ(std::make_tuple(r.rows[0].read, r.rows[2].read), std::make_tuple(c.row1Read, false));
        EXPECT_EQ(std::tie(r.datumLabel, r.text5, r.noteText, r.targetText),
                  std::tie(c.datumLabel, c.text5, c.noteText, c.targetText));
    }
}

// The label is cut to seven characters; a bad expression reads as 0.
TEST(Dimension, HeaderReplacesRowLabelAndTextFlagsButNotText5) {
    const auto reading =
        Decoded(Lines({Header(u"D1"_w, 12), Settings125(Settings().Row(1).Text5().Dimension().TextLines(5)),
                       DimensionHeader(7, false, false, false, -42, true, 0), DimensionLabel(u"ABCDEFGHIJ"_w),
                       DimensionValues(u"2*3"_w, u"2+"_w), u"0|0"_w, u"108|Z"_w, u"109|T5"_w}));
    const auto& r = reading.record;
    EXPECT_EQ(std::tie(r.flags.rows[0], r.flags.textLineCount, r.flags.datumLabel, r.flags.text5, r.datumLabel, r.text5),
              std::make_tuple(false, 0, true, true, Text(u"Z"_w), Text(u"T5"_w)));
    ASSERT_TRUE(r.dimension);
    const auto& d = *r.dimension;
    EXPECT_EQ(std::tie(d.type, d.number, d.hasValueLines, d.label, d.value1, d.value2),
              std::make_tuple(7, -42, true, WString(u"ABCDEFG"_w), WString(u"6.0000"_w), WString(u"0.0000"_w)));
}

TEST(Refusals, NameReasonAndPlace) {
    const WString dim = Settings125(Settings().Dimension());
    const struct {
        const char* what;
        WString text;
        RefusalReason reason;
        std::int32_t line, expected, found, row;
    } cases[] = {
        {"empty text", u""_w, RefusalReason::NoLines, 0, 0, 0, 0},
        {"blank lines only", u"\r\n\r\r"_w, RefusalReason::NoLines, 0, 0, 0, 0},
        // The frame row is the third line that counts, whatever stands around it.
        {"blank lines and line feeds", u"\r\n"_w + kHeader + u"\r\r\n\r"_w + kRow1 + u"\n\r\r10\n9|x"_w,
         RefusalReason::WrongFrameRow, 3, 102, 109, 1},
        {"header only", kHeader, RefusalReason::NoSettingsLine, 2, 0, 0, 0},
        {"layout 102", Lines({kHeader, u"102|0|0|0|1"_w}), RefusalReason::UnknownSettingsLayout, 2, 0, 102, 0},
        {"no layout", Lines({kHeader, u"|"_w}), RefusalReason::UnknownSettingsLayout, 2, 0, 0, 0},
        {"no dimension header", Lines({kHeader, dim}), RefusalReason::MissingDimensionHeader, 3, 126, 0, 0},
        {"wrong dimension header", Lines({kHeader, dim, u"102|1"_w}), RefusalReason::WrongDimensionHeader, 3, 126,
         102, 0},
        {"dimension without value lines",
         Lines({kHeader, dim, DimensionHeader(2, false, false, false, 0, false, 0), u"0"_w, u"0"_w}),
         RefusalReason::MissingDimensionLines, 4, 0, 0, 0},
        {"frame row 2 expected",
         Lines({kHeader, Settings101(Settings().Row(1).Row(2)), u"102|1"_w, u"103|A"_w, u"109|x"_w}),
         RefusalReason::WrongFrameRow, 5, 104, 109, 2},
        {"frame row 4 expected",
         Lines({kHeader, Settings125(Settings().Row(1).Row(2).Row(3).Row(4)), u"102"_w, u"104"_w, u"106"_w, u"113"_w}),
         RefusalReason::WrongFrameRow, 6, 111, 113, 4},
        {"109 where 108 is due", Lines({kHeader, Settings101(Settings().Label()), u"109|x"_w}),
         RefusalReason::WrongDatumLabel, 3, 108, 109, 0},
        {"text5 expected", Lines({kHeader, Settings101(Settings().Text5()), u"110|x"_w}), RefusalReason::WrongText5,
         3, 109, 110, 0},
        {"note text expected", Lines({kHeader, Settings101(Settings().TextLines(1)), u"x"_w, u"y"_w}),
         RefusalReason::WrongNoteText, 3, 110, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const RecordReading reading = ReadRecord(c.text);
        const auto& refusal = reading.refusal;
        ASSERT_TRUE(refusal);
        // Once the header is read its name is kept.
        EXPECT_EQ(std::tie(reading.record.headerRead, reading.record.name),
                  std::make_tuple(c.line > 0, WString(c.line > 0 ? u"FCF-7"_w : u""_w)));
        EXPECT_EQ(std::tie(refusal->reason, refusal->line, refusal->expectedCode, refusal->foundCode, refusal->row),
                  std::tie(c.reason, c.line, c.expected, c.found, c.row));
    }
}

}  // namespace
