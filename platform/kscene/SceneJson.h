// The scene stand-in written as JSON, for tests and the command-line tool:
// {"objects": [...], "groups": [...], "undoPoints": [...], "repaints": N}.
// Objects come in scene order; texts are UTF-8, symbol characters included.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "host/kscene/KObject.h"

namespace scenejson {

// Keys keep the order they are written in: "class" and "name" come first.
using Json = nlohmann::ordered_json;

// The current scene (whether or not KD::GetScene reports it), the undo points
// set so far and the host's repaint count.
Json SceneJson();
// One scene object; `saved` says whether the scene saves it.
Json ObjectJson(const KObject& object, bool saved);
// SceneJson() as text, indented by two spaces.
std::string SceneJsonText();

}  // namespace scenejson
