#include "tools/svg/SvgSymbols.h"

#include <cmath>
#include <vector>

#include "tools/svg/SvgPen.h"

namespace draftlift_tool {
namespace {

using gdt::Symbol;

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

SymbolShape ShapeFor(Symbol symbol) {
    PathData p;
    switch (symbol) {
        case Symbol::Position:
            return Stroked(16, p.Circle(8, 7, 4.5).Move(1, 7).Line(15, 7).Move(8, 0).Line(8, 14));
        case Symbol::Straightness: return Stroked(18, p.Move(1.5, 7).Line(16.5, 7));
        case Symbol::Flatness:
            return Stroked(18, p.Move(1, 10).Line(13, 10).Line(16.75, 3.5).Line(4.75, 3.5).Close());
        case Symbol::Circularity: return Stroked(16, p.Circle(8, 7, 6));
        case Symbol::Cylindricity: return Cylindricity();
        case Symbol::ProfileOfLine: return Stroked(16, p.Move(1.5, 11).Arc(6.5, 6.5, false, true, 14.5, 11));
        case Symbol::ProfileOfSurface:
            return Stroked(16, p.Move(1.5, 11).Arc(6.5, 6.5, false, true, 14.5, 11).Close());
        case Symbol::Perpendicularity: return Stroked(18, p.Move(1.5, 12).Line(16.5, 12).Move(9, 12).Line(9, 1));
        case Symbol::Angularity: return Stroked(17, p.Move(16, 12).Line(2, 12).Line(14.12, 5));
        case Symbol::Parallelism: return Stroked(16, p.Move(2, 12).Line(8.35, 1).Move(7.5, 12).Line(13.85, 1));
        case Symbol::Concentricity: return Stroked(16, p.Circle(8, 7, 6).Circle(8, 7, 3));
        case Symbol::Symmetry:
            return Stroked(16, p.Move(3.5, 3).Line(12.5, 3).Move(1, 7).Line(15, 7).Move(3.5, 11).Line(12.5, 11));
        case Symbol::CircularRunout: return Runout(false);
        case Symbol::TotalRunout: return Runout(true);
        case Symbol::MaximumMaterial: return Circled('M');
        case Symbol::LeastMaterial: return Circled('L');
        case Symbol::RegardlessOfFeatureSize: return Circled('S');
        case Symbol::ProjectedZone: return Circled('P');
        case Symbol::FreeState: return Circled('F');
        case Symbol::TangentPlane: return Circled('T');
        case Symbol::UnequallyDisposed: return Circled('U');
        case Symbol::Envelope: return Circled('E');
        case Symbol::Diameter: return Diameter(0);
        case Symbol::SphericalDiameter:
            Letter(p, 'S', 1, 2, 6, 10);
            return Diameter(8, p);
        case Symbol::Radius:
            Letter(p, 'R', 1, 2, 6, 10);
            return Stroked(8.5, p);
        case Symbol::SphericalRadius:
            Letter(p, 'S', 1, 2, 6, 10);
            Letter(p, 'R', 8.5, 2, 6, 10);
            return Stroked(16, p);
        case Symbol::Counterbore: return Stroked(15, p.Move(2, 4).Line(2, 11).Line(13, 11).Line(13, 4));
        case Symbol::Countersink: return Stroked(15, p.Move(1.5, 4).Line(7.5, 10).Line(13.5, 4));
        case Symbol::Depth: return Depth();
        case Symbol::Square: return Stroked(11, p.Move(1.5, 4).Line(9.5, 4).Line(9.5, 12).Line(1.5, 12).Close());
        case Symbol::Slope: return Stroked(16, p.Move(1, 12).Line(15, 12).Line(15, 5).Close());
        case Symbol::ConicalTaper:
            return Stroked(17, p.Move(2, 3.5).Line(15, 7).Line(2, 10.5).Close().Move(0.5, 7).Line(16.5, 7));
        case Symbol::Bar: break;  // drawn as text
    }
    return {};
}

}  // namespace

const SymbolEntry* DrawnSymbol(WCHAR character) {
    const SymbolEntry* entry = gdt::SymbolOfCharacter(character);
    return entry != nullptr && entry->role != gdt::SymbolRole::Text ? entry : nullptr;
}

const SymbolShape& ShapeOf(const SymbolEntry& symbol) {
    static const std::vector<SymbolShape> kShapes = [] {
        std::vector<SymbolShape> shapes;
        for (const SymbolEntry& entry : gdt::SymbolTable()) shapes.push_back(ShapeFor(entry.symbol));
        return shapes;
    }();
    return kShapes[static_cast<std::size_t>(symbol.symbol)];
}

std::string SymbolDefinitions() {
    std::string defs = "<defs>\n";
    for (const SymbolEntry& entry : gdt::SymbolTable()) {
        if (entry.role == gdt::SymbolRole::Text) continue;
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
