// Where things go in the picture: scene points projected onto the page, and
// annotation blocks moved apart so that none covers another.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "host/kscene/KObject.h"
#include "tools/svg/SvgPen.h"

namespace draftlift_tool {

// Scene XY onto the page, y pointing down, scaled so that the points given
// span `span` page units. Any finite coordinates, up to ±1.8e308, land on
// finite page points; a point with a coordinate that is not finite has no
// place.
class Projection {
public:
    Projection() = default;
    Projection(double minX, double minY, double maxX, double maxY, double span);

    std::optional<Point> Place(const KPt3<double>& p) const;
    // The page point of the lowest scene corner: where things without a
    // place of their own stand.
    Point Corner() const { return {0, m_pageHeight}; }

private:
    double m_minX = 0, m_maxY = 0;
    double m_pagePerHalfUnit = 1;  // page units per half scene unit
    double m_pageHeight = 0;
};

// Gathers the finite scene points a projection must show.
class SceneExtent {
public:
    void Add(const KPt3<double>& p);
    Projection Fitted(double span) const;

private:
    double m_minX = 0, m_minY = 0, m_maxX = 0, m_maxY = 0;
    bool m_any = false;
};

// A block that wants its top at `top`; it keeps its left and width.
struct BlockWish {
    double left;
    double width;
    double top;
    double height;
};

// The top each block gets: at least its wish, and below every block placed
// before it that shares some of its width, `gap` apart. Blocks are placed in
// the order of their wished tops, ties in the order given. O(n log n).
std::vector<double> StackWithoutOverlap(const std::vector<BlockWish>& wishes, double gap);

}  // namespace draftlift_tool
