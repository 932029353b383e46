// The scene stand-in written as JSON, for tests and the command-line tool:
// {"objects": [...], "groups": [...], "undoPoints": [...], "repaints": N}.
// Objects come in scene order; texts are UTF-8, symbol characters included.
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>

#include <nlohmann/json.hpp>

class KObject;

namespace scenejson {

class JsonOut;

// Keys keep the order they are written in: "class" and "name" come first.
using Json = nlohmann::ordered_json;

// The scene written to `out` one object at a time, indented by two spaces:
// a scene of any size costs no more memory than the stream's buffer.
// `progress` hears now and then how many objects are written; `extra` may
// add members of its own to each object, after the scene's.
using ExtraMembers = std::function<void(JsonOut& out, const KObject& object)>;
void WriteSceneJson(std::ostream& out, const std::function<void(std::size_t)>& progress = {},
                    const ExtraMembers& extra = {});
// The current scene (whether or not KD::GetScene reports it), the undo points
// set so far and the host's repaint count, as text.
std::string SceneJsonText();
// The same as a document, for tests that look into it.
Json SceneJson();

}  // namespace scenejson
