// Two annotations' semantic forms compared member by member, as an
// annotation written to a record and imported again must equal the one
// written.
#pragma once

#include <optional>
#include <string>

#include "tools/gdt/Model.h"

namespace draftlift_tool::gdt {

// The first member in which the annotations differ, named as in the model
// ("frame.segments[1].rows[0].modifiers", "target.kind", "notes"); nothing
// when they are equal. Lists that differ in length are named whole.
std::optional<std::string> FirstDifference(const Annotation& a, const Annotation& b);

}  // namespace draftlift_tool::gdt
