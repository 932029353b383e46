// Reading dimensions: the value as the drawing shows it, a nominal with its
// tolerance, or two limits.
#pragma once

#include <vector>

#include "tools/gdt/Fields.h"
#include "tools/gdt/Model.h"

namespace draftlift_tool::gdt {

// The first value text holds an optional sign (diameter, radius, ...), the
// nominal value and its tolerance (±0.1, or +0.1 -0.2); a second value text
// that is a number makes the two values an upper and a lower limit, one that
// begins with ± or + is the first value's tolerance.
Dimension ReadDimension(const AnnotationFields& fields, std::vector<Unread>& unread);

}  // namespace draftlift_tool::gdt
