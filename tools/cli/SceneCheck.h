// The GD&T check of the annotations a scene holds, for commands that keep the
// whole scene anyway (the drawing); `check` itself goes note by note.
#pragma once

#include <unordered_set>

#include "host/kscene/KMBD.h"
#include "host/kscene/KScene.h"

namespace draftlift_tool {

// The annotations with at least one finding of error severity.
std::unordered_set<const KMBDBase*> AnnotationsWithErrors(const KScene& scene);

}  // namespace draftlift_tool
