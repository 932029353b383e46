// What joins an annotation's figure to the scene: leaders to its targets,
// ending in an arrowhead, a datum triangle or a dot; the extension and
// dimension lines of a dimension between two targets; witness segments.
#pragma once

#include <optional>

#include "host/kscene/KMBD.h"
#include "tools/svg/SvgFigures.h"
#include "tools/svg/SvgLayout.h"
#include "tools/svg/SvgPen.h"

namespace draftlift_tool {

// The horizontal first stretch of a leader, out of its figure.
inline constexpr double kShoulder = 12;

// Where a figure stands on the page, and where its leaders leave it.
struct Placed {
    Box box;
    double attachY;      // page height of the leaders' start
    double attachRight;  // right end of the figure's main part
};

// A dimension drawn between two of its targets: the feet on the targets and
// the dimension line's ends, offset towards the annotation's anchor.
struct DimensionLine {
    Point foot1, foot2;
    Point end1, end2;
    Point Middle() const { return {(end1.x + end2.x) / 2, (end1.y + end2.y) / 2}; }
};

// The dimension line of a linear dimension with two distinct targets.
std::optional<DimensionLine> DimensionLineOf(const KMBDBase& annotation, const Projection& projection);

// Where a value of `width` by `height` goes beside its dimension line: its
// top-left corner, clear of the line on the side away from the targets.
Point ValueCorner(const DimensionLine& line, double width, double height);

// The annotation's anchor on the page; one without a place stands at the
// projection's corner.
Point AnchorOf(const KMBDBase& annotation, const Projection& projection);

// Everything that joins the annotation at `placed` to the scene.
void DrawAttachments(Pen& pen, const KMBDBase& annotation, const Projection& projection, const Placed& placed);

}  // namespace draftlift_tool
