// The scene's annotations as an SVG drawing, seen from above (the XY plane):
// each annotation's figure near its anchor, clear of every other, with
// leaders, dimension lines and witness segments reaching into the scene.
#pragma once

#include <ostream>
#include <string>

#include "host/kscene/KScene.h"

namespace draftlift_tool {

struct PageSize {
    double width;
    double height;
};

// Writes the drawing to `out` as it goes; what it keeps per annotation is a
// few numbers, so scenes of millions of annotations draw in little memory.
PageSize WriteSceneSvg(const KScene& scene, std::ostream& out);

// The same drawing as one text.
std::string SceneSvg(const KScene& scene);

}  // namespace draftlift_tool
