// The writer against the importer's reader: written records read back as
// themselves, field by field, whether made at random or read from texts;
// what no text can carry is refused with the field named.
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <tuple>

#include <gtest/gtest.h>

#include "fuzz/RecordText.h"
#include "standins/mastercam/PartFile.h"
#include "tests/support/WideText.h"
#include "tests/tools/record/RecordGenerator.h"
#include "tools/record/RecordCompare.h"
#include "tools/record/RecordWriter.h"

namespace {

using noteimport::NoteRecord;
using noteimport::ReadRecord;
using noterecord::WriteProblem;
using noterecord::WriteRecord;

// Writes, reads back, and says what went wrong, if anything.
std::optional<std::string> RoundTripProblem(const NoteRecord& record) {
    WString text;
    if (auto refusal = WriteRecord(record, text)) return "refused: " + noterecord::Describe(*refusal);
    const auto reading = ReadRecord(text);
    if (!reading.Decoded()) return "the written text is refused at line " + std::to_string(reading.refusal->line);
    if (auto field = noterecord::FirstDifference(reading.record, record)) return "reads back with another " + *field;
    return std::nullopt;
}

NoteRecord Decoded(const WString& text) {
    auto reading = ReadRecord(text);
    EXPECT_TRUE(reading.Decoded());
    return reading.record;
}

// The shapes the random records took, so that a generator that stopped making
// one shows.
struct Coverage {
    std::set<std::int32_t> kinds;
    std::set<noteimport::SettingsLayout> layouts;
    std::set<bool> valueLines;
    std::array<std::set<bool>, noteimport::kFrameRowCount> datumRefs;
    int labels = 0, targetTexts = 0, targetsConsumed = 0, noteLines = 0, endedRows = 0;

    void Count(const NoteRecord& r) {
        kinds.insert(r.kind);
        layouts.insert(r.layout);
        if (r.dimension) valueLines.insert(r.dimension->hasValueLines);
        for (std::size_t n = 0; n < r.rows.size(); ++n) {
            if (r.rows[n].read) datumRefs[n].insert(r.rows[n].hasDatumRefs);
            endedRows += r.flags.rows[n] && !r.rows[n].read && (n == 0 || r.rows[n - 1].read);
        }
        labels += r.datumLabel && r.text5;
        targetTexts += r.targetText.has_value();
        targetsConsumed += r.kind == 11 && !r.targetText && r.noteText;
        noteLines += r.noteText && r.noteText->size() > noteimport::RecordLimits::kLine;
    }
};

TEST(RandomRecords, ReadBackAsThemselves) {
    constexpr int kRecords = 20000;
    record_tests::RecordGenerator generator(20240611);
    Coverage coverage;
    for (int i = 0; i < kRecords; ++i) {
        const NoteRecord record = generator.Next();
        const auto problem = RoundTripProblem(record);
        ASSERT_FALSE(problem) << "record " << i << ": " << *problem;
        coverage.Count(record);
    }
    for (std::int32_t kind = 0; kind <= 14; ++kind) EXPECT_EQ(coverage.kinds.count(kind), 1u) << "kind " << kind;
    EXPECT_EQ(coverage.layouts.size(), 2u);
    EXPECT_EQ(coverage.valueLines.size(), 2u);
    for (const auto& refs : coverage.datumRefs) EXPECT_EQ(refs.size(), 2u);
    for (const int count : {coverage.labels, coverage.targetTexts, coverage.targetsConsumed, coverage.noteLines,
                            coverage.endedRows}) {
        EXPECT_GT(count, 10);
    }
}

// Every text the reader accepts: the fuzz seeds (bytes widened as the fuzz
// targets widen them) and the sample part's memory tables.
std::vector<WString> AcceptedCandidates() {
    std::vector<WString> texts;
    for (const char* corpus : {"import_note", "record_writer"}) {
        for (const auto& file : std::filesystem::directory_iterator(std::string(DRAFTLIFT_FUZZ_CORPUS) + "/" + corpus)) {
            std::ifstream in(file.path(), std::ios::binary);
            const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
            texts.push_back(fuzz_input::RecordText(bytes.data(), bytes.size()));
        }
    }
    for (auto& [id, text] : partfile::ReadFile(DRAFTLIFT_SAMPLE_PART).memoryTables) texts.push_back(text);
    return texts;
}

TEST(AcceptedTexts, WriteBackAsTheRecordTheyRead) {
    int accepted = 0;
    for (const WString& text : AcceptedCandidates()) {
        const auto reading = ReadRecord(text);
        if (!reading.Decoded()) continue;
        ++accepted;
        const auto problem = RoundTripProblem(reading.record);
        EXPECT_FALSE(problem) << *problem << " for " << std::string(text.begin(), text.end());
    }
    EXPECT_GE(accepted, 25);
}

// The lines the reader passes over, and the fields it reads otherwise than
// they are written, take the writer's conventions.
TEST(WrittenTexts, FollowTheConventions) {
    const WString x600(600, u'x'), x299(299, u'x');
    const struct {
        WString read;
        WString written;
    } cases[] = {
        // A zero value keeps a lower value that makes no span; a reference's
        // modifier character becomes its code; a line in the target text's
        // place stays a line.
        {u"x|T|11|2|-4|1|1|r|1|1\r101|9|9|9|1|0|0|0|0|1\r102|6|0|0|5|16|MAX|0|\r103|A|16|B\uFFEF|0|C|44\rX\r110\rn|t"_w,
         u"MBD|T|11|2|-4|0|0||0|0\r\n101|0|0|0|1|0|0|0|0|1\r\n102|6|0|0|1|16|MAX|0|\r\n103|A|16|B|16|C|44\r\n0\r\n110\r\n"
         u"n|t"_w},
        // The settings line repeats the dimension header's flags; values are
        // their own expressions; a span is written as its value.
        {u"0|D|12|0|0\r125|0|0|0|0|0|0|1|0|0|0|0|0|0|0|1|0|1\r126|9|1|9|9|9|1|0|0|-7|0|0\r"
         u"0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|R1|5|5\r1|0|0|0|0|10/4|(1+2)*3|0\r9\r102|6|0|0.05|-0.05\r109|T5"_w,
         u"MBD|D|12|0|0|0|0||0|0\r\n125|0|0|0|1|0|0|1|0|0|0|0|0|0|0|1|0|1\r\n126|0|1|0|0|0|1|0|0|-7|0|0\r\n"
         u"0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|R1|0|0\r\n0|0|0|0|0|2.5000|9.0000\r\n0|0|0\r\n"
         u"102|6|0|0.10000000|0|0||0|\r\n109|T5"_w},
        // A dimension without value lines keeps its skipped line; note text
        // lines are refilled up to their length.
        {u"0|E|14|0|0\r125|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|1\r126|0|5|0|0|0|0|0|0|3|0|3\rskipped\r110\r"_w + x600 +
             u"\r"_w + x600 + u"\r"_w + x299,
         u"MBD|E|14|0|0|0|0||0|0\r\n125|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|3|1\r\n126|0|5|0|0|0|0|0|0|3|0|3\r\n0|0|0\r\n"
         u"110\r\n"_w + WString(999, u'x') + u"\r\n"_w + WString(500, u'x')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        const NoteRecord record = Decoded(c.read);
        const auto writing = noterecord::WriteNote(record);
        ASSERT_TRUE(writing.Written()) << noterecord::Describe(*writing.refusal);
        EXPECT_EQ(writing.note.record, c.written);
        EXPECT_EQ(writing.note.text, u"~M01|"_w + record.name);
    }
}

void WithDimension(NoteRecord& r, std::int32_t type) {
    r.flags.dimension = true;
    r.dimension = noteimport::DimensionPart{type, 0, type == 1, type == 1 ? u"R"_w : WString(),
                                            type == 1 ? u"1.0000"_w : WString(), type == 1 ? u"2.0000"_w : WString()};
}

// A record of kind 11 in layout 125 with two rows, labels, a target text and
// a note text of two lines at most; each case changes one thing in it.
TEST(Refusals, NameTheFieldAndLeaveTheOutputAsItWas) {
    const NoteRecord base = Decoded(
        u"0|T|11|2|-4\r125|0|0|0|1|1|0|0|0|0|0|0|0|0|1|1|2|0\r102|6|0|0.1|0|16|MAX|0|\r103|A|0|B|0|C|0\r"
        u"104|8|0|0.2|0|0||0|\r108|L\r109|T5\r136|target\r110\rnote"_w);
    ASSERT_FALSE(RoundTripProblem(base));
    using P = WriteProblem;
    const struct {
        const char* field;
        WriteProblem problem;
        std::size_t limit;
        void (*change)(NoteRecord&);
    } cases[] = {
        {"headerRead", P::Inconsistent, 0, [](NoteRecord& r) { r.headerRead = false; }},
        {"name", P::TooLong, 254, [](NoteRecord& r) { r.name = WString(255, u'n'); }},
        {"name", P::HoldsSeparator, 0, [](NoteRecord& r) { r.name = u"a|b"_w; }},
        {"flags.rows[3]", P::NotInLayout, 0,
         [](NoteRecord& r) { r.layout = noteimport::SettingsLayout::Layout101; r.flags.rows[3] = true; }},
        {"flags.dimension", P::NotInLayout, 0,
         [](NoteRecord& r) { r.layout = noteimport::SettingsLayout::Layout101; WithDimension(r, 1); }},
        {"dimension", P::Inconsistent, 0, [](NoteRecord& r) { r.flags.dimension = true; }},
        {"dimension.hasValueLines", P::Inconsistent, 0,
         [](NoteRecord& r) { WithDimension(r, 1); r.dimension->hasValueLines = false; }},
        {"dimension.label", P::Unreachable, 0, [](NoteRecord& r) { WithDimension(r, 5); r.dimension->label = u"R"_w; }},
        {"dimension.label", P::TooLong, 7, [](NoteRecord& r) { WithDimension(r, 1); r.dimension->label = u"LABEL-12"_w; }},
        {"dimension.value1", P::NotCalculable, 0, [](NoteRecord& r) { WithDimension(r, 1); r.dimension->value1 = u"nan"_w; }},
        {"dimension.value2", P::NotCalculable, 0, [](NoteRecord& r) { WithDimension(r, 1); r.dimension->value2 = u"2.5"_w; }},
        {"rows[1].modifierAfter2", P::NoSymbolCode, 0, [](NoteRecord& r) { r.rows[1].modifierAfter2 = 46; }},
        {"rows[0].valueText", P::TooLong, 31, [](NoteRecord& r) { r.rows[0].valueText = WString(32, u'1'); }},
        {"rows[0].textAfter1", P::HoldsLineBreak, 0, [](NoteRecord& r) { r.rows[0].textAfter1 = u"a\rb"_w; }},
        {"rows[1].textAfter2", P::HoldsZero, 0, [](NoteRecord& r) { r.rows[1].textAfter2 = WString(1, u'\0'); }},
        {"rows[0].datumRefs[1]", P::HoldsSeparator, 0, [](NoteRecord& r) { r.rows[0].datumRefs[1] = u"A|B"_w; }},
        {"rows[0].datumRefs[2]", P::TooLong, 31,
         [](NoteRecord& r) { r.rows[0].datumRefs[2] = WString(31, u'A') + u"\uFFEF"_w; }},
        {"rows[1].datumRefs[0]", P::Unreachable, 0, [](NoteRecord& r) { r.rows[1].datumRefs[0] = u"A"_w; }},
        {"rows[2].read", P::Unreachable, 0, [](NoteRecord& r) { r.rows[2].read = true; }},
        {"rows[1].symbol", P::Unreachable, 0, [](NoteRecord& r) { r.rows[1] = {}; r.rows[1].symbol = 6; }},
        // Row 2 without its line ended the record; nothing may follow.
        {"datumLabel", P::Unreachable, 0, [](NoteRecord& r) { r.rows[1] = {}; }},
        {"text5", P::Unreachable, 0, [](NoteRecord& r) { r.datumLabel.reset(); }},
        {"targetText", P::Unreachable, 0, [](NoteRecord& r) { r.text5.reset(); }},
        {"noteText", P::Unreachable, 0, [](NoteRecord& r) { r.text5.reset(); r.targetText.reset(); }},
        {"text5", P::Unreachable, 0, [](NoteRecord& r) { r.flags.text5 = false; }},
        {"text5", P::HoldsLineBreak, 0, [](NoteRecord& r) { r.text5 = u"\n"_w; }},
        {"targetText", P::Unreachable, 0, [](NoteRecord& r) { r.kind = 10; }},
        {"targetText", P::TooLong, 254, [](NoteRecord& r) { r.targetText = WString(255, u't'); }},
        {"noteText", P::Unreachable, 0, [](NoteRecord& r) { r.flags.textLineCount = 0; }},
        {"noteText", P::TooLong, 1998, [](NoteRecord& r) { r.noteText = WString(1999, u'n'); }},
        {"noteText", P::HoldsLineBreak, 0, [](NoteRecord& r) { r.noteText = u"a\r\nb"_w; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases) << ": " << c.field);
        NoteRecord record = base;
        c.change(record);
        WString out = u"kept"_w;
        const auto refusal = WriteRecord(record, out);
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(std::tie(refusal->field, refusal->problem, refusal->limit),
                  std::make_tuple(std::string(c.field), c.problem, c.limit));
        EXPECT_EQ(out, u"kept"_w);
    }
}

}  // namespace
