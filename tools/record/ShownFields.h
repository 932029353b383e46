// The fields an annotation's texts stand in, put back from its semantic
// form: the inverse of the model's reading. Reading them again tells
// whether an annotation is what its texts say, the one thing a record can
// carry of it.
#pragma once

#include "tools/gdt/Fields.h"
#include "tools/gdt/Model.h"

namespace noterecord {

// Each text where the reading takes it from: notes in their slots, a
// frame's segments as sub-frames, labels as enabled datum labels, a
// dimension's texts and number. Members the annotation's kind does not
// read from are left out.
draftlift_tool::gdt::AnnotationFields ShownFields(const draftlift_tool::gdt::Annotation& annotation);

}  // namespace noterecord
