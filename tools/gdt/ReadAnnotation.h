// An annotation's semantic form, read from the fields it carries.
#pragma once

#include "tools/gdt/Fields.h"
#include "tools/gdt/Model.h"

namespace draftlift_tool::gdt {

// The fields' texts move into the model.
Annotation ReadAnnotation(AnnotationFields fields);

}  // namespace draftlift_tool::gdt
