// The PMI items of a file as plain values, gathered by the leader they are
// attached to: one group is one annotation. Read out of the XDE document by
// ReadDocument.cpp; turned into the texts an annotation carries by
// ItemFields.cpp, without Open CASCADE.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/gdt/Fields.h"
#include "tools/gdt/Model.h"
#include "tools/step/Carriers.h"
#include "tools/step/Pmi.h"

namespace draftlift_tool::step {

struct DatumReferenceItem {
    int position = 1;  // 1 primary, 2 secondary, 3 tertiary
    WString letters;
    std::vector<gdt::Modifier> modifiers;
};

struct RowItem {
    gdt::Characteristic characteristic = gdt::Characteristic::Position;
    gdt::ZoneShape zone = gdt::ZoneShape::None;
    double value = 0;
    std::vector<gdt::Modifier> modifiers;
    std::optional<double> projectedHeight;
    std::vector<WordModifier> words;
    std::vector<DatumReferenceItem> datums;
    WString name;
    std::optional<Point3> text;  // where its segment's text stands
};

struct FeatureItem {
    WString letters;
    WString name;
    std::optional<Point3> text;
};

enum class TargetShape : std::uint8_t { Point, Line, Circle, Rectangle, Area };

struct TargetItem {
    WString letters;
    std::int32_t number = 0;
    TargetShape shape = TargetShape::Area;
    double length = 0;  // a circle's diameter, a rectangle's length
    double width = 0;
    WString name;
    std::optional<Point3> text;
};

struct Description {
    std::string name;
    WString text;
};

struct DimensionItem {
    std::optional<gdt::Symbol> sign;
    bool angle = false;
    std::optional<double> nominal;
    std::optional<double> upperTolerance;
    std::optional<double> lowerTolerance;  // the magnitude below the nominal
    std::optional<double> lowerBound;
    std::optional<double> upperBound;
    std::vector<Description> descriptions;
    WString name;
    std::optional<Point3> text;
};

struct ItemGroup {
    std::vector<RowItem> rows;  // in frame order
    std::optional<FeatureItem> feature;
    std::optional<TargetItem> target;
    std::optional<DimensionItem> dimension;
    // A note annotation's own presentation: its name.
    std::optional<WString> noteName;
    std::vector<gdt::Note> notes;
    Point3 targetPoint;
    Point3 leaderEnd;
};

// Whether the group holds an annotation, not only notes: the reader drops a
// datum target no tolerance references, and leaves its notes alone.
bool HasAnnotation(const ItemGroup& group);

// The texts the annotation of a group carries, as the import writes them.
gdt::AnnotationFields FieldsOf(const ItemGroup& group);
// Its model, read from those texts, with its target and anchor.
PmiAnnotation AnnotationOf(const ItemGroup& group);

// A number as the model reads it: plain decimals, as short as gives the
// same number back.
WString NumberText(double value);

}  // namespace draftlift_tool::step
