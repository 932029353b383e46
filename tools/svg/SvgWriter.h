// The scene's annotations as an SVG drawing, seen from above (the XY plane):
// each annotation's figure near its anchor, clear of every other, with
// leaders, dimension lines and witness segments reaching into the scene.
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "host/kscene/KMBD.h"
#include "host/kscene/KScene.h"

namespace draftlift_tool {

struct PageSize {
    double width;
    double height;
};

// The annotations to outline in red, above everything else.
using Outlined = std::function<bool(const KMBDBase& annotation)>;

// Writes the drawing to `out` as it goes; what it keeps per annotation is a
// few numbers, so scenes of millions of annotations draw in little memory.
PageSize WriteSceneSvg(const KScene& scene, std::ostream& out, const Outlined& outlined = {});

// The same drawing as one text.
std::string SceneSvg(const KScene& scene, const Outlined& outlined = {});

}  // namespace draftlift_tool
