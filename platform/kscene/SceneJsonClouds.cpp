// Point clouds and meshes in the scene JSON. None is described yet: they fall
// back to their class and name.
#include "platform/kscene/SceneJsonParts.h"

namespace scenejson {

std::optional<Json> CloudJson(const KObject&) { return std::nullopt; }

}  // namespace scenejson
