// Reading annotations into the model: tolerance compartments, characteristic
// compartments, datum references, datum feature symbols and targets,
// dimensions, and what is kept unread with its reason.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/tools/gdt/GdtCases.h"
#include "tools/gdt/ReadAnnotation.h"

namespace {

using draftlift_tool::gdt::ReadAnnotation;
using namespace gdt_cases;

struct ReadCase {
    const char* what;
    AnnotationFields fields;
    std::string read;  // the model in words
};

void ExpectRead(const std::vector<ReadCase>& cases) {
    for (const ReadCase& c : cases) EXPECT_EQ(Words(ReadAnnotation(c.fields)), c.read) << c.what;
}

// One row of a frame whose characteristic is `symbol`.
AnnotationFields Row(const std::string& symbol, const std::string& tolerance, std::vector<std::string> datums = {}) {
    return Frame({{symbol, {{tolerance, std::move(datums)}}}});
}

constexpr char kFrame[] = "feature-control-frame {";

TEST(Read, ToleranceCompartments) {
    ExpectRead({
        {"zone, value, modifier", Row("{position}", "{diameter} 0.05 {mmc}"),
         std::string(kFrame) + "position diameter 0.05(2) [mmc]}"},
        {"written without spaces", Row("{position}", "{diameter}0.05{mmc}"),
         std::string(kFrame) + "position diameter 0.05(2) [mmc]}"},
        {"spherical zone", Row("{position}", "{spherical-diameter} .2"),
         std::string(kFrame) + "position spherical-diameter .2(1)}"},
        {"per unit length", Row("{flatness}", "0.02/25"), std::string(kFrame) + "flatness none 0.02(2)/25}"},
        {"per unit area", Row("{flatness}", "0.02/25X50"), std::string(kFrame) + "flatness none 0.02(2)/25x50}"},
        {"unequally disposed", Row("{profile-surface}", "0.4 {unequal} 0.1"),
         std::string(kFrame) + "profile-surface none 0.4(1) U0.1(1) [unequal]}"},
        {"projected zone with its height", Row("{position}", "{diameter} 0.1 {mmc} {projected} 12"),
         std::string(kFrame) + "position diameter 0.1(1) P12(0) [mmc,projected]}"},
        {"statistical and other words", Row("{position}", "0.10000000 {free-state} ST CZ"),
         std::string(kFrame) + "position none 0.10000000(8) [free-state,statistical] 'CZ'}"},
        {"no value", Row("{flatness}", ""), std::string(kFrame) + "flatness none -} !no tolerance value"},
        {"a value that is no number", Row("{flatness}", "0,1"),
         std::string(kFrame) + "flatness none -} !the tolerance value is not a number"},
        {"a modifier before the value", Row("{flatness}", "{mmc} 0.1"),
         std::string(kFrame) +
             "flatness none 0.1(1)} !maximum material condition (circled M) cannot stand before the tolerance value"},
        {"a sign after the value", Row("{flatness}", "0.1 {diameter}"),
         std::string(kFrame) + "flatness none 0.1(1)} !diameter cannot follow the tolerance value"},
        {"U without its value", Row("{profile-line}", "0.4 {unequal}"),
         std::string(kFrame) + "profile-line none 0.4(1) [unequal]} !the unequally disposed profile has no value"},
        {"U with a word", Row("{profile-line}", "0.4 {unequal} x"),
         std::string(kFrame) + "profile-line none 0.4(1) [unequal]} !the unequally disposed value is not a number"},
        {"a unit that is no number", Row("{flatness}", "0.02/x"),
         std::string(kFrame) + "flatness none 0.02(2)} !the unit length or area after '/' is not a number"},
    });
}

TEST(Read, CharacteristicCompartmentsAndCompositeRows) {
    ExpectRead({
        {"a space: a row not read", Row(" ", "0.1"), std::string(kFrame) + "- none 0.1(1)} !no characteristic symbol"},
        {"two characteristics", Row("{position}{perpendicularity}", "0.1"),
         std::string(kFrame) + "position none 0.1(1)} !more than one characteristic symbol"},
        {"a sign", Row("{diameter}", "0.1"), std::string(kFrame) + "- none 0.1(1)} !not a characteristic symbol"},
        {"rows of one sub-frame share its characteristic",
         Frame({{"{position}", {{"0.5", {"A"}}, {"0.1", {"A"}}}}, {"{flatness}", {{"0.01", {}}}}}),
         "feature-control-frame composite{position none 0.5(1) | A; position none 0.1(1) | A} "
         "{flatness none 0.01(2)}"},
    });
}

TEST(Read, DatumReferences) {
    ExpectRead({
        {"letters and modifiers", Row("{position}", "0.1", {"A", "B{mmc}", "C{lmc}"}),
         std::string(kFrame) + "position none 0.1(1) | A | B[mmc] | C[lmc]}"},
        {"a common datum, spaces around", Row("{position}", "0.1", {" A-B ", "CC {free-state}"}),
         std::string(kFrame) + "position none 0.1(1) | A-B | CC[free-state]}"},
        {"an empty compartment is no reference", Row("{position}", "0.1", {"", "B"}),
         std::string(kFrame) + "position none 0.1(1) | B}"},
        {"small letters", Row("{position}", "0.1", {"a"}),
         std::string(kFrame) + "position none 0.1(1) | } !a datum label is capital letters (A-B for a common datum)"},
        {"a modifier alone", Row("{position}", "0.1", {"{mmc}"}),
         std::string(kFrame) + "position none 0.1(1) | [mmc]} !no datum label"},
        {"a characteristic as modifier", Row("{position}", "0.1", {"A{flatness}"}),
         std::string(kFrame) + "position none 0.1(1) | A} !not a datum reference modifier"},
    });
}

TEST(Read, DatumFeaturesAndTargets) {
    AnnotationFields labelled = Target("B", "");
    labelled.datumLabel = {true, Text("B1")};
    AnnotationFields frameWithDatum = Row("{flatness}", "0.1");
    frameWithDatum.datumLabel = {true, Text("D")};
    ExpectRead({
        {"a datum", Datum("A"), "datum-feature datum A"},
        {"a datum with a small letter", Datum("a"), "datum-feature datum a !a datum label is capital letters"},
        {"a frame carrying a datum", frameWithDatum, std::string(kFrame) + "flatness none 0.1(1)} datum D"},
        {"the label before the name", labelled, "datum-target target B 1 unknown"},
        {"no size, no kind", Target("C2", ""), "datum-target target C 2 unknown"},
        {"the note says area", Target("C2", "", "TARGET AREA"), "datum-target target C 2 area text2 TARGET AREA"},
        {"the note says point", Target("A1", "", "point"), "datum-target target A 1 point text2 point"},
        {"a word that only holds area", Target("A1", "", "AREAS"), "datum-target target A 1 unknown text2 AREAS"},
        {"a circular area", Target("A3", "{diameter}6"), "datum-target target A 3 area diameter 6"},
        {"a rectangular area", Target("A1", "10X20.5"), "datum-target target A 1 area 10 20.5"},
        {"no number", Target("A", ""), "datum-target target A - unknown"},
        {"a size with a unit", Target("A1", "6 mm"),
         "datum-target target A 1 unknown !the size of an area is a diameter or a width X a height"},
        {"a number first", Target("1A", ""),
         "datum-target target  - unknown !a datum target label is capital letters and a number (B1)"},
    });
}

TEST(Read, Dimensions) {
    ExpectRead({
        {"two limits", Dimension("50.8500", "50.7500"), "dimension linear limits 50.8500(4) 50.7500(4)"},
        {"plus-minus in the value", Dimension("25 {pm}0.1", ""), "dimension linear plus-minus 25(0) 0.1 -0.1"},
        {"plus-minus as the second text", Dimension("25", "{pm} 0.1"), "dimension linear plus-minus 25(0) 0.1 -0.1"},
        {"two deviations", Dimension("25 +0.1 -0.2", ""), "dimension linear deviations 25(0) 0.1 -0.2"},
        {"deviations as the second text", Dimension("25.00", "+0.1/-0.2"),
         "dimension linear deviations 25.00(2) 0.1 -0.2"},
        {"a diameter with its sign", Dimension("{diameter}12.5", "", AnnotationClass::DiameterDimension),
         "dimension diameter none diameter 12.5(1)"},
        {"an angle in degrees", Dimension("30{deg}", "", AnnotationClass::AngleDimension),
         "dimension angle none 30\xC2\xB0(0)"},
        {"no value", Dimension("", ""), "dimension linear none"},
        {"a value that is no number", Dimension("abc", ""), "dimension linear none !the value is not a number"},
        {"a second value that is no number", Dimension("25", "x"),
         "dimension linear none 25(0) !two values are an upper and a lower limit"},
        {"plus-minus without a value", Dimension("25 {pm}", ""),
         "dimension linear none 25(0) !a tolerance is \xC2\xB1T, or +U -L for an upper and a lower deviation"},
        {"a tolerance in both texts", Dimension("25 {pm}0.1", "{pm}0.2"),
         "dimension linear none 25(0) !a tolerance in both value texts"},
    });
}

TEST(Read, KindsAndNotes) {
    AnnotationFields note = Frame({});
    note.text1 = {true, Text("ABOVE")};
    note.text2 = {true, Text("BELOW")};
    note.text3 = {false, Text("HIDDEN")};
    note.text5 = {true, Text("4X")};
    AnnotationFields dimension = Dimension("10", "");
    dimension.datumLabel = {true, Text("E")};
    ExpectRead({
        {"a frame without rows is a note, texts above first", note, "note text1 ABOVE text5 4X text2 BELOW"},
        {"a dimension carrying a datum", dimension, "dimension datum E linear none 10(0)"},
    });
}

}  // namespace
