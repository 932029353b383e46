#include "tools/svg/SvgAttachments.h"

#include <cmath>
#include <vector>

#include "standins/kscene/Access.h"


namespace draftlift_tool {

using standin::kscene::Access;
namespace {

constexpr double kArrowLength = 9;
constexpr double kArrowHalfWidth = 3;
constexpr double kTriangleHeight = 8;
constexpr double kTriangleHalfBase = 5;
constexpr double kDotRadius = 2.5;
constexpr double kMinOffset = 18;      // of a dimension line from its targets
constexpr double kFootGap = 2;         // between a target and its extension line
constexpr double kOvershoot = 3;       // of an extension line past the dimension line
constexpr double kValueClearance = 3;  // between a dimension line and its value
constexpr double kDistinct = 0.5;      // page units apart, two targets are two

enum class LeaderEnd { Arrow, Triangle, Dot };

Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
Point operator*(Point a, double k) { return {a.x * k, a.y * k}; }
double Dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }
double Length(Point a) { return std::hypot(a.x, a.y); }
Point Normal(Point unit) { return {-unit.y, unit.x}; }

// Unit vector from `from` to `to`; none when they (nearly) meet.
std::optional<Point> Direction(Point from, Point to) {
    const double length = Length(to - from);
    if (!(length > 1e-9) || !std::isfinite(length)) return std::nullopt;
    return (to - from) * (1 / length);
}

void Arrowhead(Pen& pen, Point tip, Point unit) {
    const Point base = tip - unit * kArrowLength, side = Normal(unit) * kArrowHalfWidth;
    pen.Polyline({tip, base + side, base - side}, true, Ink::Solid);
}

// The targets that have a place on the page.
std::vector<Point> PlacedTargets(const KMBDBase& annotation, const Projection& projection) {
    std::vector<Point> targets;
    for (const auto& target : Access::Targets(annotation)) {
        if (const auto at = projection.Place(Access::TargetPoint(*target))) targets.push_back(*at);
    }
    return targets;
}

LeaderEnd EndOf(FigureKind kind) {
    switch (kind) {
        case FigureKind::Datum: return LeaderEnd::Triangle;
        case FigureKind::DatumTarget: return LeaderEnd::Dot;
        default: return LeaderEnd::Arrow;
    }
}

// From the side of the figure that faces the target, a shoulder, then
// straight to the target and its end mark.
void Leader(Pen& pen, const Placed& placed, Point target, LeaderEnd end) {
    const bool right = target.x >= (placed.box.left + placed.box.right) / 2;
    const Point start{right ? placed.attachRight : placed.box.left, placed.attachY};
    const Point shoulder{right ? placed.box.right + kShoulder : placed.box.left - kShoulder, placed.attachY};
    const auto unit = Direction(shoulder, target);
    if (!unit || end == LeaderEnd::Dot) {
        pen.Polyline({start, shoulder, target}, false, Ink::Leader);
        pen.Circle(target, kDotRadius, Ink::Solid);
    } else if (end == LeaderEnd::Arrow) {
        pen.Polyline({start, shoulder, target}, false, Ink::Leader);
        Arrowhead(pen, target, *unit);
    } else {
        // The datum triangle stands on the target with its apex on the leader.
        const Point apex = target - *unit * kTriangleHeight, side = Normal(*unit) * kTriangleHalfBase;
        pen.Polyline({start, shoulder, apex}, false, Ink::Leader);
        pen.Polyline({apex, target + side, target - side}, true, Ink::Solid);
    }
}

void DrawDimensionLine(Pen& pen, const DimensionLine& line) {
    const auto out = Direction(line.foot1, line.end1);
    const auto along = Direction(line.end1, line.end2);
    if (!out || !along) return;
    for (const auto& [foot, end] : {std::pair{line.foot1, line.end1}, std::pair{line.foot2, line.end2}}) {
        pen.Polyline({foot + *out * kFootGap, end + *out * kOvershoot}, false, Ink::Leader);
    }
    pen.Polyline({line.end1, line.end2}, false, Ink::Leader);
    Arrowhead(pen, line.end1, *along * -1);
    Arrowhead(pen, line.end2, *along);
}

}  // namespace

Point AnchorOf(const KMBDBase& annotation, const Projection& projection) {
    return projection.Place(Access::AnchorPoint(annotation)).value_or(projection.Corner());
}

std::optional<DimensionLine> DimensionLineOf(const KMBDBase& annotation, const Projection& projection) {
    if (!IsLinearDimension(annotation)) return std::nullopt;
    const std::vector<Point> targets = PlacedTargets(annotation, projection);
    if (targets.size() < 2 || !(Length(targets[1] - targets[0]) > kDistinct)) return std::nullopt;
    const Point foot1 = targets[0], foot2 = targets[1];
    Point normal = Normal(*Direction(foot1, foot2));
    // Upwards, or rightwards for a vertical line, when the anchor leaves it open.
    if (normal.y > 0 || (normal.y == 0 && normal.x < 0)) normal = normal * -1;
    double offset = Dot(AnchorOf(annotation, projection) - foot1, normal);
    if (std::abs(offset) < kMinOffset) offset = offset < 0 ? -kMinOffset : kMinOffset;
    return DimensionLine{foot1, foot2, foot1 + normal * offset, foot2 + normal * offset};
}

Point ValueCorner(const DimensionLine& line, double width, double height) {
    const Point middle = line.Middle(), away = line.end1 - line.foot1;
    const Point along = line.end2 - line.end1;
    if (std::abs(along.x) >= std::abs(along.y)) {
        const double top = away.y < 0 ? middle.y - kValueClearance - height : middle.y + kValueClearance;
        return {middle.x - width / 2, top};
    }
    const double left = away.x > 0 ? middle.x + kValueClearance : middle.x - kValueClearance - width;
    return {left, middle.y - height / 2};
}

void DrawAttachments(Pen& pen, const KMBDBase& annotation, const Projection& projection, const Placed& placed) {
    for (const auto& [from, to] : Access::WitnessSegments(annotation)) {
        const auto start = projection.Place(from), end = projection.Place(to);
        if (start && end) pen.Polyline({*start, *end}, false, Ink::Witness);
    }
    std::vector<Point> targets = PlacedTargets(annotation, projection);
    if (const auto line = DimensionLineOf(annotation, projection)) {
        DrawDimensionLine(pen, *line);
        const Point wish = ValueCorner(*line, placed.box.Width(), placed.box.Height());
        // A value pushed away from its line keeps a leader to it.
        if (Length(wish - Point{placed.box.left, placed.box.top}) > kDistinct) {
            Leader(pen, placed, line->Middle(), LeaderEnd::Dot);
        }
        targets.erase(targets.begin(), targets.begin() + 2);
    }
    const LeaderEnd end = EndOf(KindOf(annotation));
    for (const Point& target : targets) Leader(pen, placed, target, end);
}

}  // namespace draftlift_tool
