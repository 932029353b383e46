// What of an annotation travels through a STEP file and back through a
// note record, in words, so that a round trip compares field by field and
// a difference reads plainly. Left out: the texts as written and their
// decimals (numbers come back in their shortest form), per-unit bases,
// unequally disposed values, regardless-of-feature-size and envelope
// modifiers, words that are no AP242 modifier, the host link, and what
// could not be read.
#pragma once

#include <string>

#include "tools/gdt/Model.h"

namespace step_cases {

std::string Travelling(const draftlift_tool::gdt::Annotation& annotation);

}  // namespace step_cases
