// Annotations written as records and imported again come back the same,
// member by member: random ones of every shape a record carries, and the
// sample part's. What no record carries is refused with the field named.
#include <list>
#include <set>
#include <tuple>

#include <gtest/gtest.h>

#include "import/AnnotationBuilder.h"
#include "import/SymbolCodes.h"
#include "tests/tools/gdt/GdtCases.h"
#include "tests/tools/record/ModelGenerator.h"
#include "tools/cli/Session.h"
#include "tools/gdt/FromAnnotation.h"
#include "tools/gdt/ModelCompare.h"
#include "tools/gdt/ReadAnnotation.h"
#include "tools/gdt/Tokens.h"
#include "tools/record/CompartmentFields.h"
#include "tools/record/RecordFromModel.h"
#include "tools/record/RecordWriter.h"

namespace {

namespace gdt = draftlift_tool::gdt;
using gdt_cases::Text;
using noteimport::NoteRecord;

// What the import makes of a record's text, read into the model.
std::optional<gdt::Annotation> Imported(const NoteRecord& record) {
    const noterecord::NoteWriting writing = noterecord::WriteNote(record);
    if (!writing.Written()) return std::nullopt;
    noteimport::RecordReading reading = noteimport::ReadRecord(writing.note.record);
    if (!reading.Decoded()) return std::nullopt;
    const auto object = noteimport::BuildAnnotation(std::move(reading.record), p_3d{});
    if (!object) return std::nullopt;
    return gdt::ReadAnnotation(gdt::FieldsOf(*object));
}

std::optional<std::string> RoundTripProblem(const gdt::Annotation& annotation) {
    const noterecord::ModelRecord written = noterecord::RecordFromModel(annotation);
    if (!written.record) return "refused: " + written.reason;
    const std::optional<gdt::Annotation> imported = Imported(*written.record);
    if (!imported) return std::string("the record is not imported");
    if (auto field = gdt::FirstDifference(*imported, annotation)) return "comes back with another " + *field;
    return std::nullopt;
}

// What the random annotations held, so that a generator that stopped making
// something shows.
struct Coverage {
    std::set<std::int32_t> kinds;
    std::set<gdt::Characteristic> characteristics;
    std::set<gdt::ZoneShape> zones;
    std::set<gdt::Modifier> modifiers, datumModifiers;
    std::set<gdt::TargetKind> targets;
    std::set<bool> dimensionValues;

    void Count(const gdt::Annotation& annotation, const NoteRecord& record) {
        kinds.insert(record.kind);
        if (annotation.frame) gdt::ForEachRow(*annotation.frame, [this](const gdt::ToleranceRow& row) { Count(row); });
        if (annotation.target) targets.insert(annotation.target->kind);
        if (annotation.dimension) dimensionValues.insert(record.flags.dimension);
    }

    void Count(const gdt::ToleranceRow& row) {
        characteristics.insert(*row.characteristic);
        zones.insert(row.zone);
        modifiers.insert(row.modifiers.begin(), row.modifiers.end());
        for (const gdt::DatumReference& reference : row.datums) {
            datumModifiers.insert(reference.modifiers.begin(), reference.modifiers.end());
        }
    }
};

TEST(RandomAnnotations, ReadBackAsThemselves) {
    constexpr int kAnnotations = 4000;
    record_tests::ModelGenerator generator(20240612);
    Coverage coverage;
    for (int i = 0; i < kAnnotations; ++i) {
        const gdt::Annotation annotation = generator.Next();
        const auto problem = RoundTripProblem(annotation);
        ASSERT_FALSE(problem) << "annotation " << i << " (" << gdt_cases::Words(annotation) << "): " << *problem;
        coverage.Count(annotation, *noterecord::RecordFromModel(annotation).record);
    }
    EXPECT_EQ(coverage.kinds, (std::set<std::int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 10, 12}));
    EXPECT_EQ(coverage.characteristics.size(), 14u);
    EXPECT_EQ(coverage.zones.size(), 3u);
    EXPECT_EQ(coverage.modifiers.size(), 9u);
    EXPECT_EQ(coverage.datumModifiers.size(), 8u);
    EXPECT_EQ(coverage.targets.size(), 4u);
    EXPECT_EQ(coverage.dimensionValues.size(), 2u);
}

TEST(SamplePart, EveryAnnotationReadsBack) {
    draftlift_tool::Session session(partfile::Parse(draftlift_tool::EmbeddedSamplePart()));
    draftlift_tool::Progress quiet(nullptr, "");
    session.Import(quiet);
    std::list<boost::shared_ptr<KObject>> objects;
    session.Scene().GetAllObjectsOfType(objects, is_kind_of<KMBDBase>());
    for (const auto& object : objects) {
        const gdt::Annotation annotation = gdt::ReadAnnotation(*gdt::FieldsOfObject(*object));
        const auto problem = RoundTripProblem(annotation);
        EXPECT_FALSE(problem) << gdt::Utf8(annotation.name) << ": " << *problem;
    }
    EXPECT_EQ(objects.size(), 15u);
}

// Annotations as the model reads them from their fields, tied to a host
// entity as every imported annotation is.
gdt::Annotation Model(gdt::AnnotationFields fields) {
    fields.link = gdt::HostLink{};
    return gdt::ReadAnnotation(std::move(fields));
}

gdt::Annotation Frame(const std::vector<gdt_cases::SegmentTexts>& segments) {
    return Model(gdt_cases::Frame(segments));
}

gdt::ToleranceRow& Row(gdt::Annotation& annotation) { return annotation.frame->segments[0].rows[0]; }

gdt::Annotation WithFields(void (*change)(gdt::AnnotationFields&)) {
    gdt::AnnotationFields fields = gdt_cases::Frame({{"{position}", {{"0.05", {}}}}});
    change(fields);
    return Model(std::move(fields));
}

gdt::Annotation Limits(const char* upper, const char* lower, gdt::HostLink link = {}) {
    gdt::Annotation annotation = Model(gdt_cases::Dimension(upper, lower));
    annotation.link = link;
    return annotation;
}

void ExpectRefused(const gdt::Annotation& annotation, const std::string& field) {
    const noterecord::ModelRecord written = noterecord::RecordFromModel(annotation);
    EXPECT_FALSE(written.record) << field;
    EXPECT_EQ(written.reason.substr(0, field.size() + 1), field + ":") << written.reason;
}

TEST(Refusals, NameTheField) {
    using gdt::AnnotationClass;
    const std::string x32(32, 'X');
    const struct {
        std::string field;
        gdt::Annotation annotation;
    } cases[] = {
        {"unread[0]", Frame({{"{position}", {{"0,05", {}}}}})},
        {"type", Model(gdt_cases::Dimension("", "", AnnotationClass::AngleDimension))},
        {"type", WithFields([](gdt::AnnotationFields& f) { f.type = AnnotationClass::Note, f.subFrames.clear(); })},
        {"frame", Frame({{"{position}", {{"0.1", {}}, {"0.2", {}}}}, {"{flatness}", {{"0.1", {}}, {"0.2", {}}}}})},
        {"frame.segments", Frame({{"{position}", {{"0.1", {}}}}, {"{flatness}", {{"0.1", {}}, {"0.2", {}}}}})},
        {"frame.segments[1].rows", Frame({{"{position}", {{"0.1", {}}}}, {"{flatness}", {}}})},
        {"frame.segments[0].symbol", Frame({{" {position}", {{"0.1", {}}}}})},
        {"frame.segments[0].rows[0].extra",
         WithFields([](gdt::AnnotationFields& f) { f.subFrames[0].controls[0].extra = Text("X"); })},
        {"frame.segments[0].rows[0].text", Frame({{"{position}", {{"0.1 " + x32, {}}}}})},
        {"frame.segments[0].rows[0].text", Frame({{"{position}", {{"0.1 A|B", {}}}}})},
        {"frame.segments[0].rows[0].datums[1].text", Frame({{"{position}", {{"0.1", {"A", x32}}}}})},
        {"notes[0].slot", WithFields([](gdt::AnnotationFields& f) { f.text1 = {true, Text("4X")}; })},
        {"notes[0].text", WithFields([](gdt::AnnotationFields& f) { f.text5 = {true, WString(32, u'T')}; })},
        {"notes[0].text", WithFields([](gdt::AnnotationFields& f) { f.text2 = {true, Text("A\r\nB")}; })},
        {"name", WithFields([](gdt::AnnotationFields& f) { f.name = Text("A|B"); })},
        {"datum.label", WithFields([](gdt::AnnotationFields& f) { f.datumLabel = {true, WString(32, u'D')}; })},
        {"target.sizeText", Model(gdt_cases::Target("B1", "{diameter}6"))},
        {"link", Limits("25.1000", "24.9000", {1, 2})},
        {"dimension.tolerance", Limits("25.0000 {pm}0.1000", "")},
        {"dimension.text1", Limits("25.10", "24.9000")},
    };
    for (const auto& c : cases) ExpectRefused(c.annotation, c.field);
}

// A member the model reads from the texts, changed alone, and what no
// model of the import holds.
TEST(Refusals, MembersThatAreNotWhatTheTextsSay) {
    const gdt::Annotation frame = Frame({{"{position}", {{"0.05 {mmc}", {"A-B"}}}}});
    const gdt::Annotation target = Model(gdt_cases::Target("B1", "", "TARGET POINT"));
    const struct {
        std::string field;
        const gdt::Annotation& base;
        void (*change)(gdt::Annotation&);
    } cases[] = {
        {"frame.segments[0].rows[0].modifiers", frame, [](gdt::Annotation& a) { Row(a).modifiers.clear(); }},
        {"frame.segments[0].rows[0].tolerance.number", frame, [](gdt::Annotation& a) { Row(a).tolerance->number = 1; }},
        {"frame.segments[0].rows[0].place.frameRow", frame, [](gdt::Annotation& a) { Row(a).place.frameRow = 1; }},
        {"frame.segments[0].rows[0].datums[0].labels", frame,
         [](gdt::Annotation& a) { Row(a).datums[0].labels.pop_back(); }},
        {"notes[0].slot", frame,
         [](gdt::Annotation& a) { a.notes = {{gdt::TextSlot::Text2, Text("A")}, {gdt::TextSlot::Text5, Text("B")}}; }},
        {"target", frame, [](gdt::Annotation& a) { a.target = gdt::DatumTarget{}; }},
        {"target.kind", target, [](gdt::Annotation& a) { a.target->kind = gdt::TargetKind::Line; }},
        {"datum", target, [](gdt::Annotation& a) { a.datum = gdt::DatumFeature{Text("B")}; }},
        {"dimension.lowerLimit.decimals", Limits("25.1000", "24.9000"),
         [](gdt::Annotation& a) { a.dimension->lowerLimit->decimals = 2; }},
        {"link", frame, [](gdt::Annotation& a) { a.link.reset(); }},
        {"link.entityId", frame, [](gdt::Annotation& a) { a.link = gdt::HostLink{3, -5}; }},
    };
    for (const auto& c : cases) {
        gdt::Annotation annotation = c.base;
        ASSERT_FALSE(RoundTripProblem(annotation)) << c.field;
        c.change(annotation);
        ExpectRefused(annotation, c.field);
    }
}

// The compartment's pieces go to the row's fields, symbols to codes where a
// code field is free; the import joins them back into the same text.
TEST(Compartments, SplitIntoRowFields) {
    const struct {
        const char* text;
        std::int32_t before;
        const char* value;
        std::int32_t after1;
        const char* text1;
        std::int32_t after2;
        const char* text2;
    } cases[] = {
        {"0.05", 0, "0.05", 0, "", 0, ""},
        {"", 0, "", 0, "", 0, ""},
        {"{diameter} 0.05 {mmc}", 8, "0.05", 16, "", 0, ""},
        {"{spherical-diameter} 0.5 {mmc} {projected} 10", 41, "0.5", 16, "", 32, "10"},
        {"0.4 {unequal} 0.1 ST", 0, "0.4", 35, "0.1 ST", 0, ""},
        {"0.1 CZ {lmc} <ST>", 0, "0.1", 0, "CZ", 19, "<ST>"},
        {"0.1 {mmc} {lmc} {free-state} {tangent-plane}", 0, "0.1", 16, "", 19, "{free-state} {tangent-plane}"},
        {"{diameter}0.05{mmc}", 0, "{diameter}0.05{mmc}", 0, "", 0, ""},
        {"0.1  CZ ", 0, "0.1", 0, " CZ ", 0, ""},
        {"0.02/25X25 {rfs}", 0, "0.02/25X25", 20, "", 0, ""},
    };
    for (const auto& c : cases) {
        const WString text = Text(c.text);
        const auto fields = noterecord::FieldsOfCompartment(text);
        ASSERT_TRUE(fields) << c.text;
        EXPECT_EQ(std::tie(fields->before, fields->value, fields->after1, fields->text1, fields->after2, fields->text2),
                  std::make_tuple(c.before, Text(c.value), c.after1, Text(c.text1), c.after2, Text(c.text2)))
            << c.text;
        EXPECT_EQ(noteimport::BuildToleranceText(fields->before, fields->value, fields->after1, fields->text1,
                                                 fields->after2, fields->text2),
                  text);
    }
    const std::string word(32, 'W');
    for (const std::string& text : {"0.1 " + word, word + " 0.1", std::string("0.1 A|B"), std::string("0.1\r\nA")}) {
        EXPECT_FALSE(noterecord::FieldsOfCompartment(Text(text))) << text;
    }
}

}  // namespace
