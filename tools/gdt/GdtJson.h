// The model and the findings as JSON, written as they go (the scene JSON's
// writer): the `gdt` member of `draftlift import --json` and the list of
// `draftlift check --json`.
#pragma once

#include <string>

#include "standins/kscene/SceneJsonWriter.h"
#include "tools/gdt/Check.h"
#include "tools/gdt/Model.h"

namespace draftlift_tool::gdt {

// One annotation's semantic form, as an object value.
void WriteAnnotationJson(scenejson::JsonOut& out, const Annotation& annotation);

// The member "gdt" of a scene object that is an annotation, its semantic
// form; nothing for other objects. Made for scenejson::WriteSceneJson.
void WriteGdtMember(scenejson::JsonOut& out, const KObject& object);

// One finding, as an object value; `part` names the part file when several
// are checked.
void WriteFindingJson(scenejson::JsonOut& out, const Finding& finding, const std::string* part);

}  // namespace draftlift_tool::gdt
