// Reading datum feature symbols and datum targets: the label a datum shows,
// and a target's datum letters, number, kind and size.
#pragma once

#include <vector>

#include "tools/gdt/Fields.h"
#include "tools/gdt/Model.h"

namespace draftlift_tool::gdt {

// The label of a datum feature symbol: capital letters.
DatumFeature ReadDatumFeature(const WString& label, std::vector<Unread>& unread);

// The target's label (letters and a number, B1) and the upper half of its
// symbol (a diameter ⌀6 or a rectangle 10X20 give an area and its size);
// `kindWords` are the annotation's other texts, where POINT, LINE or AREA
// say the kind when no size does.
DatumTarget ReadDatumTarget(const WString& label, const WString& sizeText, const std::vector<Note>& kindWords,
                            std::vector<Unread>& unread);

}  // namespace draftlift_tool::gdt
