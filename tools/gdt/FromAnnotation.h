// The one place where this library reads the scene library's annotation
// classes: an annotation's fields copied out as plain values. Everything
// else — the model, the checks, the drawing's figures — works on those.
#pragma once

#include <optional>

#include "host/kscene/KMBD.h"
#include "tools/gdt/Fields.h"

namespace draftlift_tool::gdt {

AnnotationFields FieldsOf(const KMBDBase& annotation);

// The fields of a scene object that is an annotation; none for other objects.
std::optional<AnnotationFields> FieldsOfObject(const KObject& object);

}  // namespace draftlift_tool::gdt
