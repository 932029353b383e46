// Open CASCADE 7.6 writes every tolerance with a zone form or zone modifier
// with a runout zone definition that lacks an attribute, and a projected
// zone's height in it as an angle; its reader reads a proper projected zone
// definition. This puts the right entities in the translated model before
// it is written.
#pragma once

#include <STEPCAFControl_Writer.hxx>

#include "tools/step/Document.h"

namespace draftlift_tool::step {

// False, and the model left as it is, when the definitions cannot be
// matched with the tolerances.
bool PatchZoneDefinitions(STEPCAFControl_Writer& writer, const PmiDocument& document);

}  // namespace draftlift_tool::step
