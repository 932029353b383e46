// Reading note records: lines, layouts, rows, labels, limits and refusals.
#include <gtest/gtest.h>

#include "import/RecordReader.h"
#include "tests/import/Records.h"

namespace {

using namespace import_tests;
using noteimport::ReadRecord;
using noteimport::RecordReading;
using noteimport::RefusalReason;

const WString kHeader = Header(u"FCF-7", 1, 3, 44);

RecordReading Decoded(const WString& text) {
    RecordReading reading = ReadRecord(text);
    EXPECT_TRUE(reading.Decoded()) << "refused at line " << reading.refusal->line;
    return reading;
}

TEST(RecordLines, BlankLinesAndLineFeedsDoNotCount) {
    // The frame row is the third line that counts, whatever stands around it.
    const WString text = u"\r\n" + kHeader + u"\r\r\n\r" + Settings101(Settings().Row(1)) + u"\n\r\r10\n9|x";
    const RecordReading reading = ReadRecord(text);
    ASSERT_TRUE(reading.refusal);
    EXPECT_EQ(reading.refusal->reason, RefusalReason::WrongFrameRow);
    EXPECT_EQ(reading.refusal->line, 3);
    EXPECT_EQ(reading.refusal->expectedCode, 102);
    EXPECT_EQ(reading.refusal->foundCode, 109);
    EXPECT_EQ(reading.refusal->row, 1);
}

TEST(RecordLines, TextAfterTheLastCarriageReturnIsALine) {
    const auto reading = Decoded(Lines({kHeader, Settings101(Settings().TextLines(1)), u"110", u"last"}));
    EXPECT_EQ(reading.record.noteText, WString(u"last"));
}

TEST(RecordLines, AnOverlongLineIsCutTo999Units) {
    const WString line(1200, u'x');
    const auto reading = Decoded(Lines({kHeader, Settings101(Settings().TextLines(1)), u"110", line}));
    EXPECT_EQ(reading.record.noteText, WString(999, u'x'));
}

TEST(Header, GivesNameKindAndIds) {
    const auto reading = Decoded(Lines({u"x|Datum A|7|-5|-12|1|1|reserved|1|1", Settings101(Settings())}));
    EXPECT_TRUE(reading.record.headerRead);
    EXPECT_EQ(reading.record.name, u"Datum A");
    EXPECT_EQ(reading.record.kind, 7);
    EXPECT_EQ(reading.record.groupId, -5);
    EXPECT_EQ(reading.record.entityId, -12);
}

struct HeaderCase {
    const char16_t* line;
    const char16_t* name;
    std::int32_t kind, groupId, entityId;
};

class ShortHeaders : public testing::TestWithParam<HeaderCase> {};

// Missing fields read as empty or 0; integers follow _wtoi.
TEST_P(ShortHeaders, ReadMissingFieldsAsEmpty) {
    const auto reading = Decoded(Lines({GetParam().line, Settings101(Settings())}));
    EXPECT_EQ(reading.record.name, GetParam().name);
    EXPECT_EQ(reading.record.kind, GetParam().kind);
    EXPECT_EQ(reading.record.groupId, GetParam().groupId);
    EXPECT_EQ(reading.record.entityId, GetParam().entityId);
}

INSTANTIATE_TEST_SUITE_P(Lines, ShortHeaders,
                         testing::Values(HeaderCase{u"0", u"", 0, 0, 0}, HeaderCase{u"0|N", u"N", 0, 0, 0},
                                         HeaderCase{u"0|N| 12abc|+3|-x", u"N", 12, 3, 0},
                                         HeaderCase{u"0||3||9", u"", 3, 0, 9},
                                         HeaderCase{u"0|N|99999999999|0|0", u"N", INT32_MAX, 0, 0}));

TEST(Header, AnOverlongNameIsCutTo254) {
    const auto reading = Decoded(Lines({Header(WString(300, u'n'), 0), Settings101(Settings())}));
    EXPECT_EQ(reading.record.name, WString(254, u'n'));
}

struct SettingsCase {
    const char16_t* line;
    std::array<bool, 5> rows;
    bool datumLabel, text5, dimension;
    std::int32_t textLines;
};

class SettingsLines : public testing::TestWithParam<SettingsCase> {};

TEST_P(SettingsLines, SetTheFlagsOfTheirLayout) {
    const auto reading = Decoded(Lines({Header(u"n", 15), GetParam().line}));
    const auto& flags = reading.record.flags;
    EXPECT_EQ(flags.rows, GetParam().rows);
    EXPECT_EQ(flags.datumLabel, GetParam().datumLabel);
    EXPECT_EQ(flags.text5, GetParam().text5);
    EXPECT_EQ(flags.dimension, GetParam().dimension);
    EXPECT_EQ(flags.textLineCount, GetParam().textLines);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, SettingsLines,
    testing::Values(
        SettingsCase{u"125|0|0|0|1", {true, false, false, false, false}, false, false, false, 0},
        SettingsCase{u"125||0|0|0|1", {true, false, false, false, false}, false, false, false, 0},
        SettingsCase{u"101|0|0|0|1|1|1|0|0|2", {true, true, true, false, false}, false, false, false, 2},
        SettingsCase{u"101|0|0|0|0|0|0|1|1|3|1|1|1", {false, false, false, false, false}, true, true, false, 3},
        // Fewer than twelve numbers: labels at 9 and 10, no text lines.
        SettingsCase{u"125|0|0|0|0|1|0|1|1|1|1", {false, true, false, true, true}, true, true, false, 0},
        // Twelve or more: labels at 14 and 15, text lines at 16, dimension at 17.
        SettingsCase{u"125|0|0|0|1|1|1|1|1|1|1|1", {true, true, true, true, true}, false, false, false, 0},
        SettingsCase{u"125|0|0|0|0|0|0|0|0|0|0|0|0|0|1|1|4|0", {false, false, false, false, false}, true, true, false, 4},
        // Flags are truncated numbers: 0.9 is not set, -1.5 is.
        SettingsCase{u"101|0|0|0|0.9|-1.5|2", {false, true, true, false, false}, false, false, false, 0},
        SettingsCase{u"101.7|0|0|0|1", {true, false, false, false, false}, false, false, false, 0}));

struct FrameRowCase {
    const char16_t* line;
    std::int32_t symbol, before, after1, after2;
    const char16_t* value;
    const char16_t* text1;
    const char16_t* text2;
};

class FrameRows : public testing::TestWithParam<FrameRowCase> {};

TEST_P(FrameRows, GiveCodesAndTexts) {
    const auto reading = Decoded(Lines({kHeader, Settings101(Settings().Row(1)), GetParam().line}));
    const auto& row = reading.record.rows[0];
    EXPECT_TRUE(row.read);
    EXPECT_EQ(row.symbol, GetParam().symbol);
    EXPECT_EQ(row.modifierBefore, GetParam().before);
    EXPECT_EQ(row.modifierAfter1, GetParam().after1);
    EXPECT_EQ(row.modifierAfter2, GetParam().after2);
    EXPECT_EQ(row.valueText, GetParam().value);
    EXPECT_EQ(row.textAfter1, GetParam().text1);
    EXPECT_EQ(row.textAfter2, GetParam().text2);
    EXPECT_FALSE(row.hasDatumRefs);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FrameRows,
    testing::Values(FrameRowCase{u"102|5|0|0.05|-0.05|0||0|", 5, 0, 0, 0, u"0.10000000", u"", u""},
                    FrameRowCase{u"102|5|0|0.1/25|0|0||0|", 5, 0, 0, 0, u"0.1/25", u"", u""},
                    FrameRowCase{u"102|46|46|0.1|0|46|A|46|B", 0, 0, 0, 0, u"0.1", u"A", u"B"},
                    FrameRowCase{u"102|6|12|0.2|0.1|13|MAX|14|CZ", 6, 12, 13, 14, u"0.2", u"MAX", u"CZ"},
                    FrameRowCase{u"102|5|0|0.05|0.05", 5, 0, 0, 0, u"0.00000000", u"", u""},
                    FrameRowCase{u"102|5|0|abc|0", 5, 0, 0, 0, u"0.00000000", u"", u""},
                    FrameRowCase{u"102", 0, 0, 0, 0, u"0.00000000", u"", u""},
                    FrameRowCase{u"102|-3|0|1", -3, 0, 0, 0, u"1", u"", u""}));

TEST(FrameRows, OverlongTextsAreCutTo31) {
    const WString long40(40, u'7');
    const auto reading = Decoded(Lines({kHeader, Settings101(Settings().Row(1)),
                                        u"102|1|0|" + long40 + u"/2|0|0|" + long40 + u"|0|" + long40}));
    const auto& row = reading.record.rows[0];
    EXPECT_EQ(row.valueText, WString(31, u'7'));
    EXPECT_EQ(row.textAfter1, WString(31, u'7'));
    EXPECT_EQ(row.textAfter2, WString(31, u'7'));
}

TEST(DatumRefs, AppendTheModifierCharacterOnlyForPositiveCodes) {
    const auto reading = Decoded(Lines({kHeader, Settings101(Settings().Row(1)), u"102|5|0|0.1|0|0||0|",
                                        u"103|A|12|B-C|0|D|-4"}));
    const auto& row = reading.record.rows[0];
    ASSERT_TRUE(row.hasDatumRefs);
    EXPECT_EQ(row.datumRefs[0], u"A\uFFED");
    EXPECT_EQ(row.datumRefs[1], u"B-C");
    EXPECT_EQ(row.datumRefs[2], u"D");
}

TEST(DatumRefs, KeepTheModifierWhenTheLettersAreCut) {
    const WString letters(40, u'L');
    const auto reading = Decoded(Lines({kHeader, Settings101(Settings().Row(1)), u"102|5|0|0.1",
                                        u"103|" + letters + u"|13|" + letters}));
    EXPECT_EQ(reading.record.rows[0].datumRefs[0], WString(30, u'L') + u"\uFFEC");
    EXPECT_EQ(reading.record.rows[0].datumRefs[1], WString(31, u'L'));
}

TEST(DatumRefs, ARowWithoutItsReferenceLineDoesNotShiftLaterOnes) {
    const auto reading =
        Decoded(Lines({kHeader, Settings101(Settings().Row(1).Row(2).Row(3)), u"102|5|0|0.1",
                       u"104|5|0|0.2", u"106|5|0|0.3", u"107|C|0|D|0|E|0"}));
    const auto& rows = reading.record.rows;
    EXPECT_FALSE(rows[0].hasDatumRefs);
    EXPECT_FALSE(rows[1].hasDatumRefs);
    ASSERT_TRUE(rows[2].hasDatumRefs);
    EXPECT_EQ(rows[2].datumRefs[0], u"C");
    EXPECT_EQ(rows[2].valueText, u"0.3");
}

TEST(FrameRowFlags, StopAtTheFirstRowNotFlagged) {
    // Row 3 is flagged but row 2 is not: its line is not a frame row line.
    const auto reading = Decoded(Lines({kHeader, Settings101(Settings().Row(1).Row(3).Text5()),
                                        u"102|5|0|0.1", u"109|note"}));
    EXPECT_FALSE(reading.record.rows[2].read);
    EXPECT_EQ(reading.record.text5, WString(u"note"));
}

TEST(FrameRowFlags, RowsFourAndFiveAreReadInLayout125) {
    const auto reading = Decoded(
        Lines({kHeader, Settings125(Settings().Row(1).Row(2).Row(3).Row(4).Row(5)),
               u"102|1", u"104|2", u"106|3", u"111|4|0|0.4", u"112|X|0", u"113|5|0|0.5"}));
    EXPECT_EQ(reading.record.rows[3].valueText, u"0.4");
    EXPECT_EQ(reading.record.rows[3].datumRefs[0], u"X");
    EXPECT_EQ(reading.record.rows[4].symbol, 5);
}

TEST(Labels, DatumLabelText5AndNoteText) {
    const auto reading = Decoded(Lines({kHeader, Settings101(Settings().Label().Text5().TextLines(3)),
                                        u"108|B|ignored", u"109|flag note", u"110", u"ab", u"c|d", u"e", u"more"}));
    EXPECT_EQ(reading.record.datumLabel, WString(u"B"));
    EXPECT_EQ(reading.record.text5, WString(u"flag note"));
    EXPECT_EQ(reading.record.noteText, WString(u"abc|de"));
}

TEST(Labels, ANoteTextBlockEndsWithTheRecord) {
    const auto reading = Decoded(Lines({kHeader, Settings101(Settings().TextLines(3)), u"110", u"ab", u"c"}));
    EXPECT_EQ(reading.record.noteText, WString(u"abc"));
}

TEST(Labels, FlaggedLinesThatAreAbsentAreSkipped) {
    const auto reading = Decoded(Lines({kHeader, Settings101(Settings().Row(1).Label().Text5().TextLines(2))}));
    EXPECT_FALSE(reading.record.rows[0].read);
    EXPECT_FALSE(reading.record.datumLabel);
    EXPECT_FALSE(reading.record.text5);
    EXPECT_FALSE(reading.record.noteText);
}

TEST(Labels, OverlongLabelsAreCut) {
    const auto reading = Decoded(Lines({Header(u"t", 11), Settings101(Settings().Label().Text5()),
                                        u"108|" + WString(40, u'a'), u"109|" + WString(40, u'b'),
                                        u"136|" + WString(300, u'c')}));
    EXPECT_EQ(reading.record.datumLabel, WString(31, u'a'));
    EXPECT_EQ(reading.record.text5, WString(31, u'b'));
    EXPECT_EQ(reading.record.targetText, WString(254, u'c'));
}

TEST(TargetText, Kind11ConsumesWhateverLineStandsThere) {
    const WString settings = Settings101(Settings().TextLines(1));
    const auto other = Decoded(Lines({Header(u"t", 11), settings, u"110", u"110", u"text"}));
    EXPECT_FALSE(other.record.targetText);
    EXPECT_EQ(other.record.noteText, WString(u"text"));
    // Any other kind takes the first 110 line as the block's start.
    const auto kind10 = Decoded(Lines({Header(u"t", 10), settings, u"110", u"110", u"text"}));
    EXPECT_EQ(kind10.record.noteText, WString(u"110"));
}

TEST(Dimension, HeaderReplacesRowLabelAndTextFlagsButNotText5) {
    const auto reading =
        Decoded(Lines({Header(u"D1", 12), Settings125(Settings().Row(1).Text5().Dimension().TextLines(5)),
                       DimensionHeader(1, false, false, false, -42, true, 0), DimensionLabel(u"L"),
                       DimensionValues(u"2*3", u"1/4"), u"0|0", u"108|Z", u"109|T5"}));
    const auto& record = reading.record;
    EXPECT_EQ(record.flags.rows[0], false);
    EXPECT_EQ(record.flags.textLineCount, 0);
    EXPECT_TRUE(record.flags.datumLabel);
    EXPECT_TRUE(record.flags.text5);
    ASSERT_TRUE(record.dimension);
    EXPECT_EQ(record.dimension->type, 1);
    EXPECT_EQ(record.dimension->number, -42);
    EXPECT_TRUE(record.dimension->hasValueLines);
    EXPECT_EQ(record.dimension->label, u"L");
    EXPECT_EQ(record.dimension->value1, u"6.0000");
    EXPECT_EQ(record.dimension->value2, u"0.2500");
    EXPECT_EQ(record.datumLabel, WString(u"Z"));
    EXPECT_EQ(record.text5, WString(u"T5"));
}

TEST(Dimension, LabelIsCutTo7AndBadExpressionsReadAsZero) {
    const auto reading = Decoded(Lines({Header(u"D", 12), Settings125(Settings().Dimension()),
                                        DimensionHeader(7, false, false, false, 0, false, 0),
                                        DimensionLabel(u"ABCDEFGHIJ"), u"1|0|0|0|0|2+", u"0"}));
    EXPECT_EQ(reading.record.dimension->label, u"ABCDEFG");
    EXPECT_EQ(reading.record.dimension->value1, u"0.0000");
    EXPECT_EQ(reading.record.dimension->value2, u"0.0000");
}

TEST(Dimension, OtherTypesSkipOneLineUnread) {
    const auto reading = Decoded(Lines({Header(u"D", 12), Settings125(Settings().Dimension()),
                                        DimensionHeader(5, true, false, false, 0, false, 0), u"garbage",
                                        u"102|5|0|0.3"}));
    EXPECT_FALSE(reading.record.dimension->hasValueLines);
    EXPECT_EQ(reading.record.rows[0].valueText, u"0.3");
}

struct RefusalCase {
    const char* what;
    WString text;
    RefusalReason reason;
    std::int32_t line, expected, found, row;
};

class Refusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, NameReasonAndPlace) {
    const RecordReading reading = ReadRecord(GetParam().text);
    ASSERT_TRUE(reading.refusal) << GetParam().what;
    const auto& refusal = *reading.refusal;
    EXPECT_EQ(refusal.reason, GetParam().reason) << GetParam().what;
    EXPECT_EQ(refusal.line, GetParam().line) << GetParam().what;
    EXPECT_EQ(refusal.expectedCode, GetParam().expected) << GetParam().what;
    EXPECT_EQ(refusal.foundCode, GetParam().found) << GetParam().what;
    EXPECT_EQ(refusal.row, GetParam().row) << GetParam().what;
}

const WString kDimSettings = Settings125(Settings().Dimension());

INSTANTIATE_TEST_SUITE_P(
    Records, Refusals,
    testing::Values(
        RefusalCase{"empty text", u"", RefusalReason::NoLines, 0, 0, 0, 0},
        RefusalCase{"blank lines only", u"\r\n\r\r", RefusalReason::NoLines, 0, 0, 0, 0},
        RefusalCase{"header only", kHeader, RefusalReason::NoSettingsLine, 2, 0, 0, 0},
        RefusalCase{"layout 102", Lines({kHeader, u"102|0|0|0|1"}), RefusalReason::UnknownSettingsLayout, 2, 0, 102, 0},
        RefusalCase{"no layout", Lines({kHeader, u"|"}), RefusalReason::UnknownSettingsLayout, 2, 0, 0, 0},
        RefusalCase{"no dimension header", Lines({kHeader, kDimSettings}), RefusalReason::MissingDimensionHeader, 3, 126, 0, 0},
        RefusalCase{"wrong dimension header", Lines({kHeader, kDimSettings, u"102|1"}), RefusalReason::WrongDimensionHeader, 3, 126, 102, 0},
        RefusalCase{"dimension without value lines",
                    Lines({kHeader, kDimSettings, DimensionHeader(2, false, false, false, 0, false, 0), u"0", u"0"}),
                    RefusalReason::MissingDimensionLines, 4, 0, 0, 0},
        RefusalCase{"frame row 2 expected",
                    Lines({kHeader, Settings101(Settings().Row(1).Row(2)), u"102|1", u"103|A", u"109|x"}),
                    RefusalReason::WrongFrameRow, 5, 104, 109, 2},
        RefusalCase{"frame row 4 expected",
                    Lines({kHeader, Settings125(Settings().Row(1).Row(2).Row(3).Row(4)), u"102",
                           u"104", u"106", u"113"}),
                    RefusalReason::WrongFrameRow, 6, 111, 113, 4},
        RefusalCase{"109 where 108 is due", Lines({kHeader, Settings101(Settings().Label()), u"109|x"}),
                    RefusalReason::WrongDatumLabel, 3, 108, 109, 0},
        RefusalCase{"text5 expected", Lines({kHeader, Settings101(Settings().Text5()), u"110|x"}),
                    RefusalReason::WrongText5, 3, 109, 110, 0},
        RefusalCase{"note text expected", Lines({kHeader, Settings101(Settings().TextLines(1)), u"x", u"y"}),
                    RefusalReason::WrongNoteText, 3, 110, 0, 0}));

TEST(Refusals, KeepTheNameWhenTheHeaderWasRead) {
    const RecordReading reading = ReadRecord(Lines({kHeader, Settings101(Settings().Row(1)), u"104|1"}));
    ASSERT_FALSE(reading.Decoded());
    EXPECT_TRUE(reading.record.headerRead);
    EXPECT_EQ(reading.record.name, u"FCF-7");
    EXPECT_FALSE(ReadRecord(u"").record.headerRead);
}

}  // namespace
