// Items read from a file become the texts the import writes, and the model
// reads them as it reads any annotation: table-driven, without Open CASCADE.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/tools/gdt/GdtCases.h"
#include "tools/gdt/Tokens.h"
#include "tools/step/Items.h"

namespace {

namespace gdt = draftlift_tool::gdt;
namespace step = draftlift_tool::step;
using gdt::Characteristic;
using gdt::Modifier;
using step::ItemGroup;
using step::RowItem;

RowItem Row(Characteristic characteristic, double value, gdt::ZoneShape zone = gdt::ZoneShape::None) {
    RowItem row;
    row.characteristic = characteristic;
    row.value = value;
    row.zone = zone;
    row.text = step::Point3{1, 2, 0};
    return row;
}

struct GroupCase {
    const char* name;
    ItemGroup group;
    std::string words;
};

ItemGroup Frame(std::vector<RowItem> rows) {
    ItemGroup group;
    group.rows = std::move(rows);
    return group;
}

ItemGroup PositionWithDatums() {
    RowItem row = Row(Characteristic::Position, 0.05, gdt::ZoneShape::Diameter);
    row.modifiers = {Modifier::MaximumMaterial};
    row.datums = {{1, gdt_cases::Text("A"), {}}, {2, gdt_cases::Text("B"), {Modifier::MaximumMaterial}}, {3, gdt_cases::Text("C"), {}}};
    return Frame({row});
}

ItemGroup CompositeAndStacked() {
    RowItem lower = Row(Characteristic::Position, 0.15);
    lower.datums = {{1, gdt_cases::Text("A"), {}}};
    RowItem stacked = Row(Characteristic::Position, 0.3);
    stacked.text = step::Point3{1, 1, 0};  // one segment step down
    return Frame({Row(Characteristic::Position, 0.5), lower, stacked});
}

ItemGroup ProjectedStatisticalWords() {
    RowItem row = Row(Characteristic::Position, 0.1, gdt::ZoneShape::SphericalDiameter);
    row.modifiers = {Modifier::ProjectedZone, Modifier::Statistical};
    row.projectedHeight = 12.5;
    row.words = {step::WordModifier::CommonZone};
    row.datums = {{1, gdt_cases::Text("A"), {}}, {1, gdt_cases::Text("B"), {}}};
    return Frame({row});
}

ItemGroup LimitsDimension() {
    ItemGroup group;
    step::DimensionItem dimension;
    dimension.lowerBound = 50.75;
    dimension.upperBound = 50.85;
    dimension.descriptions = {{"label", gdt_cases::Text("D1")}, {"number", gdt_cases::Text("42")}};
    group.dimension = dimension;
    group.notes = {{gdt::TextSlot::Text5, gdt_cases::Text("2X")}};
    return group;
}

ItemGroup PlusMinusDiameter() {
    ItemGroup group;
    step::DimensionItem dimension;
    dimension.sign = gdt::Symbol::Diameter;
    dimension.nominal = 25;
    dimension.upperTolerance = 0.1;
    dimension.lowerTolerance = 0.1;
    group.dimension = dimension;
    return group;
}

ItemGroup NoValues() {
    ItemGroup group;
    step::DimensionItem dimension;
    dimension.nominal = 0;
    dimension.descriptions = {{"values", gdt_cases::Text("none")}};
    group.dimension = dimension;
    return group;
}

ItemGroup Target(step::TargetShape shape, std::vector<gdt::Note> notes = {}) {
    ItemGroup group;
    group.target = step::TargetItem{gdt_cases::Text("B"), 3, shape, 6, 4, gdt_cases::Text("B3"), std::nullopt};
    group.notes = std::move(notes);
    return group;
}

// A datum feature symbol with a note; with a note's own presentation, the
// note is the annotation.
ItemGroup DatumAndNote(const WString& datumName, std::optional<WString> noteName) {
    ItemGroup group;
    group.feature = step::FeatureItem{gdt_cases::Text("D"), datumName, std::nullopt};
    group.notes = {{gdt::TextSlot::Text2, gdt_cases::Text("ALL AROUND")}};
    group.noteName = std::move(noteName);
    return group;
}

TEST(ItemFields, ReadAsTheImportWritesThem) {
    const std::vector<GroupCase> cases = {
        {"frame", PositionWithDatums(), "feature-control-frame {position diameter 0.05(2) [mmc] | A | B[mmc] | C}"},
        {"composite, then stacked", CompositeAndStacked(),
         "feature-control-frame composite{position none 0.5(1); position none 0.15(2) | A} {position none 0.3(1)}"},
        {"projected, statistical, a word, a common datum", ProjectedStatisticalWords(),
         "feature-control-frame {position spherical-diameter 0.1(1) P12.5(1) [projected,statistical] 'CZ' | A-B}"},
        {"limits with label and note", LimitsDimension(), "dimension linear limits 50.8500(4) 50.7500(4) text5 2X"},
        {"diameter plus-minus", PlusMinusDiameter(), "dimension linear plus-minus diameter 25.0000(4) 0.1 -0.1"},
        {"circular target", Target(step::TargetShape::Circle), "datum-target target B 3 area diameter 6"},
        {"rectangular target", Target(step::TargetShape::Rectangle), "datum-target target B 3 area 6 4"},
        {"area without size", Target(step::TargetShape::Area), "datum-target target B 3 unknown"},
        {"point target says so", Target(step::TargetShape::Point), "datum-target target B 3 point text2 TARGET POINT"},
        {"point target already said", Target(step::TargetShape::Point, {{gdt::TextSlot::Text2, gdt_cases::Text("POINT B3")}}),
         "datum-target target B 3 point text2 POINT B3"},
        {"datum with a note", DatumAndNote(gdt_cases::Text("D"), std::nullopt), "datum-feature datum D text2 ALL AROUND"},
        {"note carrying a datum", DatumAndNote(gdt_cases::Text(""), gdt_cases::Text("N-1")), "note datum D text2 ALL AROUND"},
        {"dimension without values", NoValues(), "dimension linear none"},
    };
    for (const GroupCase& c : cases) {
        EXPECT_EQ(gdt_cases::Words(step::AnnotationOf(c.group).model), c.words) << c.name;
    }
}

TEST(ItemFields, NamesComeFromTheItemThatIsTheAnnotation) {
    ItemGroup frame = PositionWithDatums();
    frame.rows.front().name = gdt_cases::Text("FCF-1");
    frame.feature = step::FeatureItem{gdt_cases::Text("E"), gdt_cases::Text(""), std::nullopt};
    const gdt::Annotation model = step::AnnotationOf(frame).model;
    EXPECT_EQ(gdt::Utf8(model.name), "FCF-1");
    ASSERT_TRUE(model.datum.has_value());
    EXPECT_EQ(gdt::Utf8(model.datum->label), "E");
    EXPECT_EQ(gdt::Utf8(step::AnnotationOf(DatumAndNote(gdt_cases::Text(""), gdt_cases::Text("N-1"))).model.name), "N-1");
}

TEST(ItemFields, AnchorIsTheFirstTextPointElseTheLeaderEnd) {
    ItemGroup group = Target(step::TargetShape::Circle);
    group.targetPoint = {5, 6, 7};
    group.leaderEnd = {8, 9, 10};
    EXPECT_EQ(step::AnnotationOf(group).anchor, (step::Point3{8, 9, 10}));
    EXPECT_EQ(step::AnnotationOf(group).target, (step::Point3{5, 6, 7}));
    group.target->text = step::Point3{1, 1, 1};
    EXPECT_EQ(step::AnnotationOf(group).anchor, (step::Point3{1, 1, 1}));
}

TEST(ItemFields, NumbersAreShortPlainDecimals) {
    const std::vector<std::pair<double, std::string>> cases = {
        {0.05, "0.05"}, {25, "25"}, {-0.1, "-0.1"}, {1e-7, "0.0000001"}, {1.5e9, "1500000000"}, {0.1 + 0.2, "0.30000000000000004"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(gdt::Utf8(step::NumberText(value)), text) << value;
}

}  // namespace
