// The pieces of the scene JSON writer that each kind of object contributes,
// and the small conversions they share.
#pragma once

#include <string>
#include <vector>

#include "host/kscene/KObject.h"
#include "host/kscene/KObjectTree.h"
#include "standins/kscene/SceneJson.h"
#include "standins/kscene/SceneJsonWriter.h"

namespace scenejson {

// Each writes the members describing the object ("class", "name", ...) into
// the object being written and returns true, or writes nothing and returns
// false when the object is not of its kind.
bool MbdMembers(JsonOut& out, const KObject& object);
bool ViewMembers(JsonOut& out, const KObject& object);
bool CloudMembers(JsonOut& out, const KObject& object);
// The object tree's groups as an array; `objects` is the scene order, so
// that a member can be named by its index in "objects".
void WriteGroups(JsonOut& out, const KObjectTreeManager& tree, const std::vector<const KObject*>& objects);

std::string Utf8(const WString& text);

}  // namespace scenejson
