// The semantic form of an annotation: what a feature control frame, a datum
// feature symbol, a datum target or a dimension means, read from the texts
// and symbol characters it carries. Plain values only; every value keeps the
// text it was read from, so that a record can be written back from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/WinTypes.h"
#include "tools/gdt/Fields.h"
#include "tools/gdt/Symbols.h"

namespace draftlift_tool::gdt {

// A number as written: its text, its value, and the decimals it shows.
struct Value {
    WString text;
    double number = 0;
    int decimals = 0;
};

enum class Characteristic : std::uint8_t {
    Straightness,
    Flatness,
    Circularity,
    Cylindricity,
    ProfileOfLine,
    ProfileOfSurface,
    Parallelism,
    Perpendicularity,
    Angularity,
    Position,
    Concentricity,
    Symmetry,
    CircularRunout,
    TotalRunout,
};

enum class ZoneShape : std::uint8_t { None, Diameter, SphericalDiameter };

enum class Modifier : std::uint8_t {
    MaximumMaterial,
    LeastMaterial,
    RegardlessOfFeatureSize,
    ProjectedZone,
    FreeState,
    TangentPlane,
    UnequallyDisposed,
    Envelope,
    Statistical,  // no host symbol: written as the text ST
};

// One datum reference compartment.
struct DatumReference {
    std::size_t compartment = 0;  // 0 primary, 1 secondary, 2 tertiary
    WString text;                 // as written, modifiers included
    std::vector<WString> labels;  // one, or several for a common datum (A-B)
    std::vector<Modifier> modifiers;
};

// Where a row stands in its frame, each counted from 0.
struct RowPlace {
    std::size_t segment = 0;   // the sub-frame
    std::size_t row = 0;       // the row within the sub-frame
    std::size_t frameRow = 0;  // the row within the whole frame
};

// One row: a characteristic, its tolerance and its datum references.
struct ToleranceRow {
    RowPlace place;
    std::optional<Characteristic> characteristic;
    WString text;  // the tolerance compartment as written
    ZoneShape zone = ZoneShape::None;
    std::optional<Value> tolerance;
    // A tolerance per unit length (0.02/25) or area (0.02/25X25).
    std::vector<Value> perUnit;
    // The unequally disposed profile's second value.
    std::optional<Value> unequal;
    // The height of a projected tolerance zone, written after its modifier.
    std::optional<Value> projectedHeight;
    std::vector<Modifier> modifiers;  // in the order written
    std::vector<WString> words;       // other texts after the value (CZ, ...)
    std::vector<DatumReference> datums;
    WString extra;  // a compartment after the datum references
};

// The rows sharing one characteristic compartment; more than one row make a
// composite frame.
struct FrameSegment {
    WString symbol;  // the characteristic compartment as written
    std::vector<ToleranceRow> rows;

    bool Composite() const { return rows.size() > 1; }
};

// Segments one below the other make a stacked frame.
struct FeatureControlFrame {
    std::vector<FrameSegment> segments;

    bool Stacked() const { return segments.size() > 1; }
};

struct DatumFeature {
    WString label;
};

enum class TargetKind : std::uint8_t { Unknown, Point, Line, Area };

struct DatumTarget {
    WString label;    // as shown, e.g. B1
    WString letters;  // the datum it establishes, e.g. B
    std::optional<std::int32_t> number;
    TargetKind kind = TargetKind::Unknown;
    WString sizeText;  // the upper half of the symbol as written
    bool circular = false;   // a diameter: the size is one value
    std::vector<Value> size;  // diameter, or width and height
};

enum class DimensionType : std::uint8_t { Linear, Angle, Radius, Diameter };

enum class DimensionTolerance : std::uint8_t {
    None,
    PlusMinus,   // one tolerance both ways: 25 ±0.1
    Deviations,  // an upper and a lower deviation: 25 +0.1 -0.2
    Limits,      // an upper and a lower limit: 25.1 over 24.8
};

struct Dimension {
    DimensionType type = DimensionType::Linear;
    WString label;
    std::int32_t number = 0;
    // The value texts as written.
    WString text1;
    WString text2;
    std::optional<Symbol> sign;  // diameter, radius, ... before the value
    std::optional<Value> nominal;
    DimensionTolerance tolerance = DimensionTolerance::None;
    // Deviations: signed, e.g. +0.1 and -0.1 for ±0.1.
    std::optional<Value> upperDeviation;
    std::optional<Value> lowerDeviation;
    std::optional<Value> upperLimit;
    std::optional<Value> lowerLimit;
};

enum class TextSlot : std::uint8_t { Text1, Text5, Text2, Text3 };

struct Note {
    TextSlot slot = TextSlot::Text2;
    WString text;
};

// Something the annotation carries that could not be read, kept with why.
struct Unread {
    std::string where;  // e.g. "row 2 tolerance"
    WString text;
    std::string reason;
};

enum class AnnotationKind : std::uint8_t { FeatureControlFrame, DatumFeature, DatumTarget, Dimension, Note };

struct Annotation {
    AnnotationKind kind = AnnotationKind::Note;
    AnnotationClass type = AnnotationClass::Note;
    WString name;
    std::optional<FeatureControlFrame> frame;
    // A datum feature symbol: the annotation's own, or one a frame,
    // dimension or note carries.
    std::optional<DatumFeature> datum;
    std::optional<DatumTarget> target;
    std::optional<Dimension> dimension;
    std::vector<Note> notes;  // in the order shown: above, then below
    std::optional<HostLink> link;
    std::vector<Unread> unread;
};

// Every row of a frame, segment by segment.
template <class Visit>
void ForEachRow(const FeatureControlFrame& frame, Visit visit) {
    for (const FrameSegment& segment : frame.segments) {
        for (const ToleranceRow& row : segment.rows) visit(row);
    }
}

}  // namespace draftlift_tool::gdt
