#include "tools/svg/SvgSymbols.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "tools/svg/SvgPen.h"

namespace draftlift_tool {
namespace {

using Role = SymbolRole;

// The reading itself, in code order. Codes 1 to 5, 7, 9, 11, 15, 17, 18, 21,
// 25 and 46 have no character (the host gives them a space).
const std::vector<SymbolEntry> kTable = {
    {6, 0xFFC9, "position", "position", Role::Characteristic},
    {8, 0xFFDC, "diameter", "diameter", Role::Sign},
    {10, 0xFFD8, "straightness", "straightness", Role::Characteristic},
    {12, 0xFFED, "circularity", "circularity (roundness)", Role::Characteristic},
    {13, 0xFFEC, "flatness", "flatness", Role::Characteristic},
    {14, 0xFFEE, "cylindricity", "cylindricity", Role::Characteristic},
    {16, 0xFFEF, "mmc", "maximum material condition (circled M)", Role::Modifier},
    {19, 0xFFEA, "lmc", "least material condition (circled L)", Role::Modifier},
    {20, 0xFFEB, "rfs", "regardless of feature size (circled S)", Role::Modifier},
    {22, 0xFFF5, "profile-line", "profile of a line", Role::Characteristic},
    {23, 0xFFF6, "profile-surface", "profile of a surface", Role::Characteristic},
    {24, 0xFFF4, "perpendicularity", "perpendicularity", Role::Characteristic},
    {26, 0xFFF1, "angularity", "angularity", Role::Characteristic},
    {27, 0xFFF3, "parallelism", "parallelism", Role::Characteristic},
    {28, 0xFFF2, "concentricity", "concentricity (coaxiality)", Role::Characteristic},
    {29, 0xFFFA, "symmetry", "symmetry", Role::Characteristic},
    {30, 0xFFF9, "circular-runout", "circular runout", Role::Characteristic},
    {31, 0xFFDB, "total-runout", "total runout", Role::Characteristic},
    {32, 0xFFDA, "projected", "projected tolerance zone (circled P)", Role::Modifier},
    {33, 0xFFC5, "free-state", "free state (circled F)", Role::Modifier},
    {34, 0xFFBF, "tangent-plane", "tangent plane (circled T)", Role::Modifier},
    {35, 0xFFE0, "unequal", "unequally disposed profile (circled U)", Role::Modifier},
    {36, 0xFFC4, "envelope", "envelope requirement (circled E)", Role::Modifier},
    {37, 0xFFE2, "counterbore", "counterbore or spotface", Role::Sign},
    {38, 0xFFB1, "countersink", "countersink", Role::Sign},
    {39, 0xFFB0, "depth", "depth", Role::Sign},
    {40, 0xFFD1, "square", "square", Role::Sign},
    {41, 0xFFD6, "spherical-diameter", "spherical diameter", Role::Sign},
    {42, 0xFFE1, "radius", "radius", Role::Sign},
    {43, 0xFFC7, "spherical-radius", "spherical radius", Role::Sign},
    {44, u'|', "bar", "vertical bar (an ordinary character)", Role::Text},
    {45, 0xFFE5, "slope", "slope", Role::Sign},
    {47, 0xFFD9, "conical-taper", "conical taper", Role::Sign},
};

// Path data in symbol units.
class PathData {
public:
    PathData& Move(double x, double y) { return Command('M', {x, y}); }
    PathData& Line(double x, double y) { return Command('L', {x, y}); }
    PathData& Close() {
        m_text += 'Z';
        return *this;
    }
    // An elliptical arc to (x, y); `sweep` turns clockwise on the page.
    PathData& Arc(double rx, double ry, bool large, bool sweep, double x, double y) {
        m_text += 'A';
        for (const double value : {rx, ry, 0.0}) Number(value);
        m_text += large ? " 1" : " 0";
        m_text += sweep ? " 1" : " 0";
        Number(x);
        Number(y);
        return *this;
    }
    PathData& Circle(double cx, double cy, double r) {
        Move(cx - r, cy);
        Arc(r, r, true, false, cx + r, cy);
        return Arc(r, r, true, false, cx - r, cy).Close();
    }
    // A filled arrowhead whose point is at `tip`, coming from `from`.
    PathData& Arrowhead(Point from, Point tip, double length, double halfWidth) {
        const double dx = tip.x - from.x, dy = tip.y - from.y, norm = std::hypot(dx, dy);
        const double ux = dx / norm, uy = dy / norm;
        const Point base{tip.x - ux * length, tip.y - uy * length};
        Move(tip.x, tip.y);
        Line(base.x - uy * halfWidth, base.y + ux * halfWidth);
        return Line(base.x + uy * halfWidth, base.y - ux * halfWidth).Close();
    }
    std::string Text() const { return m_text; }

private:
    PathData& Command(char command, Point p) {
        m_text += command;
        Number(p.x);
        Number(p.y);
        return *this;
    }
    void Number(double value) {
        if (!m_text.empty() && std::isalpha(static_cast<unsigned char>(m_text.back())) == 0) m_text += ' ';
        AppendNumber(m_text, value);
    }

    std::string m_text;
};

// Single-stroke capitals in the box (x, y, w, h).
void Letter(PathData& path, char letter, double x, double y, double w, double h) {
    switch (letter) {
        case 'M':
            path.Move(x, y + h).Line(x, y).Line(x + w / 2, y + 0.6 * h).Line(x + w, y).Line(x + w, y + h);
            break;
        case 'L': path.Move(x, y).Line(x, y + h).Line(x + w, y + h); break;
        case 'F':
        case 'E':
            path.Move(x + w, y).Line(x, y).Line(x, y + h);
            if (letter == 'E') path.Line(x + w, y + h);
            path.Move(x, y + h / 2).Line(x + 0.75 * w, y + h / 2);
            break;
        case 'T': path.Move(x, y).Line(x + w, y).Move(x + w / 2, y).Line(x + w / 2, y + h); break;
        case 'P':
        case 'R':
            path.Move(x, y + h).Line(x, y).Line(x + w / 2, y);
            path.Arc(w / 2, 0.275 * h, false, true, x + w / 2, y + 0.55 * h).Line(x, y + 0.55 * h);
            if (letter == 'R') path.Move(x + w / 2, y + 0.55 * h).Line(x + w, y + h);
            break;
        case 'U':
            path.Move(x, y).Line(x, y + h - w / 2).Arc(w / 2, w / 2, false, false, x + w, y + h - w / 2).Line(x + w, y);
            break;
        case 'S': {
            // Two bowls: the upper turns left, the lower right.
            const double rx = w / 2, ry = h / 4, cx = x + w / 2;
            const double c = std::cos(0.44), s = std::sin(0.44);
            path.Move(cx + rx * c, y + ry - ry * s).Arc(rx, ry, true, false, cx, y + h / 2);
            path.Arc(rx, ry, true, true, cx - rx * c, y + 3 * ry + ry * s);
            break;
        }
        default: break;
    }
}

SymbolShape Stroked(double width, const PathData& strokes) { return {width, strokes.Text(), {}}; }

SymbolShape Circled(char letter) {
    PathData path;
    path.Circle(7.5, 7, 6.5);
    const double letterWidth = letter == 'M' ? 6 : 5;
    Letter(path, letter, 7.5 - letterWidth / 2, 3.5, letterWidth, 7);
    return Stroked(15, path);
}

SymbolShape Diameter(double shift, PathData path = {}) {
    path.Circle(shift + 7, 7, 5).Move(shift + 3, 13.5).Line(shift + 11, 0.5);
    return Stroked(shift + 14, path);
}

SymbolShape Runout(bool total) {
    PathData strokes, fills;
    const Point tail{2, 13}, tip{total ? 11.5 : 13.5, total ? 3.5 : 1.5};
    strokes.Move(tail.x, tail.y).Line(tip.x - 3, tip.y + 3);
    fills.Arrowhead(tail, tip, 5, 2.2);
    if (total) {
        strokes.Move(tail.x + 6, tail.y).Line(tip.x + 3, tip.y + 3).Move(tail.x, tail.y).Line(tail.x + 6, tail.y);
        fills.Arrowhead({tail.x + 6, tail.y}, {tip.x + 6, tip.y}, 5, 2.2);
    }
    return {total ? 19.0 : 15.0, strokes.Text(), fills.Text()};
}

// Two lines at 60 degrees, tangent to either side of the circle.
SymbolShape Cylindricity() {
    PathData path;
    const Point centre{10, 7};
    const double r = 5, slant = 1 / std::sqrt(3.0);  // run per unit of rise
    path.Circle(centre.x, centre.y, r);
    for (const double side : {1.0, -1.0}) {
        const Point touch{centre.x + side * r * std::sqrt(3.0) / 2, centre.y + side * r / 2};
        path.Move(touch.x - (13 - touch.y) * slant, 13).Line(touch.x + (touch.y - 1) * slant, 1);
    }
    return Stroked(20, path);
}

SymbolShape Depth() {
    PathData strokes, fills;
    strokes.Move(5, 1).Line(5, 8.5).Move(1, 12.5).Line(9, 12.5);
    fills.Arrowhead({5, 1}, {5, 12}, 4, 2);
    return {10, strokes.Text(), fills.Text()};
}

SymbolShape ShapeFor(const std::string& name) {
    PathData p;
    if (name == "position") return Stroked(16, p.Circle(8, 7, 4.5).Move(1, 7).Line(15, 7).Move(8, 0).Line(8, 14));
    if (name == "straightness") return Stroked(18, p.Move(1.5, 7).Line(16.5, 7));
    if (name == "flatness") return Stroked(18, p.Move(1, 10).Line(13, 10).Line(16.75, 3.5).Line(4.75, 3.5).Close());
    if (name == "circularity") return Stroked(16, p.Circle(8, 7, 6));
    if (name == "cylindricity") return Cylindricity();
    if (name == "profile-line") return Stroked(16, p.Move(1.5, 11).Arc(6.5, 6.5, false, true, 14.5, 11));
    if (name == "profile-surface") {
        return Stroked(16, p.Move(1.5, 11).Arc(6.5, 6.5, false, true, 14.5, 11).Close());
    }
    if (name == "perpendicularity") return Stroked(18, p.Move(1.5, 12).Line(16.5, 12).Move(9, 12).Line(9, 1));
    if (name == "angularity") return Stroked(17, p.Move(16, 12).Line(2, 12).Line(14.12, 5));
    if (name == "parallelism") return Stroked(16, p.Move(2, 12).Line(8.35, 1).Move(7.5, 12).Line(13.85, 1));
    if (name == "concentricity") return Stroked(16, p.Circle(8, 7, 6).Circle(8, 7, 3));
    if (name == "symmetry") {
        return Stroked(16, p.Move(3.5, 3).Line(12.5, 3).Move(1, 7).Line(15, 7).Move(3.5, 11).Line(12.5, 11));
    }
    if (name == "circular-runout") return Runout(false);
    if (name == "total-runout") return Runout(true);
    if (name == "mmc") return Circled('M');
    if (name == "lmc") return Circled('L');
    if (name == "rfs") return Circled('S');
    if (name == "projected") return Circled('P');
    if (name == "free-state") return Circled('F');
    if (name == "tangent-plane") return Circled('T');
    if (name == "unequal") return Circled('U');
    if (name == "envelope") return Circled('E');
    if (name == "diameter") return Diameter(0);
    if (name == "spherical-diameter") {
        Letter(p, 'S', 1, 2, 6, 10);
        return Diameter(8, p);
    }
    if (name == "radius") {
        Letter(p, 'R', 1, 2, 6, 10);
        return Stroked(8.5, p);
    }
    if (name == "spherical-radius") {
        Letter(p, 'S', 1, 2, 6, 10);
        Letter(p, 'R', 8.5, 2, 6, 10);
        return Stroked(16, p);
    }
    if (name == "counterbore") return Stroked(15, p.Move(2, 4).Line(2, 11).Line(13, 11).Line(13, 4));
    if (name == "countersink") return Stroked(15, p.Move(1.5, 4).Line(7.5, 10).Line(13.5, 4));
    if (name == "depth") return Depth();
    if (name == "square") return Stroked(11, p.Move(1.5, 4).Line(9.5, 4).Line(9.5, 12).Line(1.5, 12).Close());
    if (name == "slope") return Stroked(16, p.Move(1, 12).Line(15, 12).Line(15, 5).Close());
    if (name == "conical-taper") {
        return Stroked(17, p.Move(2, 3.5).Line(15, 7).Line(2, 10.5).Close().Move(0.5, 7).Line(16.5, 7));
    }
    return {};
}

}  // namespace

const std::vector<SymbolEntry>& SymbolTable() { return kTable; }

const SymbolEntry* DrawnSymbol(WCHAR character) {
    // The scene's symbol characters sit near the top of the 16-bit range.
    if (character < 0xFF00) return nullptr;
    const auto found = std::find_if(kTable.begin(), kTable.end(),
                                    [character](const SymbolEntry& entry) { return entry.character == character; });
    return found != kTable.end() && found->role != SymbolRole::Text ? &*found : nullptr;
}

const SymbolShape& ShapeOf(const SymbolEntry& symbol) {
    static const std::vector<SymbolShape> kShapes = [] {
        std::vector<SymbolShape> shapes;
        for (const SymbolEntry& entry : kTable) shapes.push_back(ShapeFor(entry.name));
        return shapes;
    }();
    return kShapes[static_cast<std::size_t>(&symbol - kTable.data())];
}

std::string SymbolDefinitions() {
    std::string defs = "<defs>\n";
    for (const SymbolEntry& entry : kTable) {
        if (entry.role == SymbolRole::Text) continue;
        const SymbolShape& shape = ShapeOf(entry);
        defs += std::string("<symbol id=\"") + entry.name + "\" viewBox=\"0 0 ";
        AppendNumber(defs, shape.width);
        defs += ' ';
        AppendNumber(defs, kSymbolCellHeight);
        defs += "\"><path class=\"sym\" d=\"" + shape.strokes + "\"/>";
        if (!shape.fills.empty()) defs += "<path class=\"symfill\" d=\"" + shape.fills + "\"/>";
        defs += "</symbol>\n";
    }
    return defs + "</defs>\n";
}

}  // namespace draftlift_tool
