// The pieces of the scene JSON writer that each kind of object contributes,
// and the small conversions they share.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/kscene/KObject.h"
#include "host/kscene/KObjectTree.h"
#include "platform/kscene/SceneJson.h"

namespace scenejson {

// An annotation's description ("class", "name", texts, targets, frames...);
// nothing when the object is not a KMBDBase.
std::optional<Json> MbdJson(const KObject& object);
// A named view's description, with its "class"; nothing for other objects.
std::optional<Json> ViewJson(const KObject& object);
// A point cloud's or mesh's description, with its "class"; nothing otherwise.
std::optional<Json> CloudJson(const KObject& object);
// The object tree's groups; `objects` is the scene order, so that a member
// can be named by its index in "objects".
Json GroupsJson(const KObjectTreeManager& tree, const std::vector<const KObject*>& objects);

std::string Utf8(const WString& text);
Json PointJson(const KPt3<double>& point);

}  // namespace scenejson
