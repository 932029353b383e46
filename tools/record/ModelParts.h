// The parts of a note record made from an annotation's semantic form. Each
// step fills its part of the record, or says why no record carries it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "import/RecordReader.h"
#include "tools/gdt/Model.h"

namespace noterecord {

namespace gdt = draftlift_tool::gdt;

// Why no record carries an annotation, as "field: reason", the field named
// as in the model ("frame.segments[0].rows[1].text").
using ModelRefused = std::optional<std::string>;

inline std::string Naming(const std::string& field, const std::string& why) { return field + ": " + why; }

struct Composition {
    noteimport::NoteRecord record;
    // Record field to the model field it was made from, most specific
    // first, so that the record writer's refusals name the model's field.
    std::vector<std::pair<std::string, std::string>> origins;
};

// The record kind whose import makes the annotation's class and, for a
// feature control frame, lays out its sub-frames and rows.
struct KindChoice {
    std::int32_t kind = 0;
    ModelRefused refusal;
};

KindChoice RecordKindOf(const gdt::Annotation& annotation);

// Frame rows, one per row of the frame, in order.
ModelRefused AddFrame(const gdt::FeatureControlFrame& frame, Composition& composition);
// The dimension part, when the dimension has a label, a number or values.
ModelRefused AddDimension(const std::optional<gdt::Dimension>& dimension, Composition& composition);
// Name, kind and host ids; after the dimension part, which keeps no ids.
ModelRefused AddHeader(const gdt::Annotation& annotation, std::int32_t kind, Composition& composition);
// The datum label line, where the name does not already show the label.
ModelRefused AddLabel(const gdt::Annotation& annotation, Composition& composition);
// Text5 and the note text.
ModelRefused AddNotes(const std::vector<gdt::Note>& notes, Composition& composition);

}  // namespace noterecord
