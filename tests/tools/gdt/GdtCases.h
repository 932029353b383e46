// Annotations written the way tests read best: texts with symbols by their
// short names ("{diameter} 0.05 {mmc}"), and frames, datums, targets and
// dimensions built from such texts as the scene would carry them.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tools/gdt/Fields.h"
#include "tools/gdt/Model.h"

namespace gdt_cases {

using draftlift_tool::gdt::AnnotationClass;
using draftlift_tool::gdt::AnnotationFields;

// ASCII with {name} for a symbol of the table, {pm} for ± and {deg} for °.
WString Text(std::string_view written);

struct RowTexts {
    std::string tolerance;
    std::vector<std::string> datums;  // up to three compartments
};

struct SegmentTexts {
    std::string symbol;
    std::vector<RowTexts> rows;
};

AnnotationFields Frame(const std::vector<SegmentTexts>& segments);
AnnotationFields Datum(const std::string& label);
// A datum target labelled `label`, its size in the upper half, with a note.
AnnotationFields Target(const std::string& label, const std::string& size, const std::string& note = "");
AnnotationFields Dimension(const std::string& first, const std::string& second,
                           AnnotationClass type = AnnotationClass::LinearDimension);

// The model in words, symbols by their short names, unread parts as
// "!reason"; e.g. "position diameter 0.05 [mmc] | A | B[mmc]".
std::string Words(const draftlift_tool::gdt::ToleranceRow& row);
std::string Words(const draftlift_tool::gdt::Annotation& annotation);

}  // namespace gdt_cases
