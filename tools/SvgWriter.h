// The scene's annotations as a simple SVG picture, seen from above (the XY
// plane): feature control frames as boxed compartments, datums as labelled
// boxes, dimensions and notes as their texts, target points as dots joined to
// their annotation, witness segments as lines.
#pragma once

#include <string>

#include "host/WinTypes.h"
#include "host/kscene/KScene.h"

namespace draftlift_tool {

// The whole picture, an SVG document.
std::string SceneSvg(const KScene& scene);

// A scene text as UTF-8 for the picture: the host's symbol characters
// (U+FFxx) become readable glyphs; everything else stays as it is.
std::string ReadableText(const WString& text);

}  // namespace draftlift_tool
