// The annotations of the scene as they travel: each one's model, the point
// of its first target (its anchor when it has none) and its anchor, in the
// scene's order.
#pragma once

#include <vector>

#include "host/kscene/KScene.h"
#include "tools/step/Pmi.h"

namespace draftlift_tool::step {

std::vector<PmiAnnotation> SceneAnnotations(const KScene& scene);

}  // namespace draftlift_tool::step
