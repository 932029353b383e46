// Named views and groups in the scene JSON. No view is described yet: views
// fall back to their class and name, and no group is listed.
#include "platform/kscene/SceneJsonParts.h"

namespace scenejson {

std::optional<Json> ViewJson(const KObject&) { return std::nullopt; }

Json GroupsJson(const KObjectTreeManager&, const std::vector<const KObject*>&) {
    return Json::array();
}

}  // namespace scenejson
