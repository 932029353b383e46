#include "tools/svg/SvgPen.h"

#include <charconv>
#include <cmath>

namespace draftlift_tool {
namespace {

// Half the widest stroke: outlines reach this far past their path.
constexpr double kStrokeReach = 1.0;

const char* ClassOf(Ink ink) {
    switch (ink) {
        case Ink::Paper: return "paper";
        case Ink::Frame: return "box";
        case Ink::Back: return "back";
        case Ink::Leader: return "leader";
        case Ink::Witness: return "witness";
        case Ink::Solid: return "solid";
        case Ink::Empty: return "empty";
        case Ink::Flagged: return "flagged";
    }
    return "box";
}

const char* ClassOf(Font font) { return font == Font::Caption ? "caption" : "text"; }

}  // namespace

const FontMetrics& MetricsOf(Font font) {
    // A monospaced face, so that the room a text takes is known before it is
    // drawn; advances are a little over the common 0.6 em.
    static const FontMetrics kBody{14, 8.6, 11, 4};
    static const FontMetrics kCaption{11, 6.8, 9, 3};
    return font == Font::Caption ? kCaption : kBody;
}

void AppendNumber(std::string& out, double value) {
    if (!std::isfinite(value)) value = 0;
    char digits[512];  // room for the longest double written out in full
    if (std::abs(value) >= 1e15) {
        out.append(digits, std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed).ptr);
        return;
    }
    // Hundredths are finer than any screen shows.
    long long hundredths = std::llround(value * 100);
    if (hundredths < 0) {
        out += '-';
        hundredths = -hundredths;
    }
    out.append(digits, std::to_chars(digits, digits + sizeof digits, hundredths / 100).ptr);
    const int fraction = static_cast<int>(hundredths % 100);
    if (fraction == 0) return;
    out += '.';
    out += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) out += static_cast<char>('0' + fraction % 10);
}

// ---- BoundsPen -------------------------------------------------------------

void BoundsPen::Polyline(const std::vector<Point>& points, bool, Ink) {
    Box box;
    for (const Point& p : points) box.Add(p);
    m_bounds.Add(box.Grown(kStrokeReach));
}

void BoundsPen::Rect(const Box& box, Ink) { m_bounds.Add(box.Grown(kStrokeReach)); }

void BoundsPen::Circle(Point centre, double radius, Ink) {
    m_bounds.Add(Box{centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius}.Grown(kStrokeReach));
}

void BoundsPen::Text(Point at, std::string_view, double width, Font font) {
    const FontMetrics& metrics = MetricsOf(font);
    m_bounds.Add(Box{at.x, at.y - metrics.ascent, at.x + width, at.y + metrics.descent});
}

void BoundsPen::Symbol(Point corner, const char*, double width, double height) {
    m_bounds.Add(Box::At(corner, width, height).Grown(kStrokeReach));
}

// ---- SvgPen ----------------------------------------------------------------

void SvgPen::Attribute(const char* name, double value) {
    m_buffer += ' ';
    m_buffer += name;
    m_buffer += "=\"";
    AppendNumber(m_buffer, value);
    m_buffer += '"';
}

void SvgPen::Done() {
    if (m_buffer.size() >= kFlushAt) Flush();
}

void SvgPen::Polyline(const std::vector<Point>& points, bool closed, Ink ink) {
    if (points.empty()) return;
    m_buffer += "<path class=\"";
    m_buffer += ClassOf(ink);
    m_buffer += "\" d=\"";
    char command = 'M';
    for (const Point& p : points) {
        m_buffer += command;
        AppendNumber(m_buffer, p.x);
        m_buffer += ' ';
        AppendNumber(m_buffer, p.y);
        command = 'L';
    }
    if (closed) m_buffer += 'Z';
    m_buffer += "\"/>\n";
    Done();
}

void SvgPen::Rect(const Box& box, Ink ink) {
    m_buffer += "<rect class=\"";
    m_buffer += ClassOf(ink);
    m_buffer += '"';
    Attribute("x", box.left);
    Attribute("y", box.top);
    Attribute("width", box.Width());
    Attribute("height", box.Height());
    m_buffer += "/>\n";
    Done();
}

void SvgPen::Circle(Point centre, double radius, Ink ink) {
    m_buffer += "<circle class=\"";
    m_buffer += ClassOf(ink);
    m_buffer += '"';
    Attribute("cx", centre.x);
    Attribute("cy", centre.y);
    Attribute("r", radius);
    m_buffer += "/>\n";
    Done();
}

void SvgPen::Text(Point at, std::string_view xml, double, Font font) {
    m_buffer += "<text class=\"";
    m_buffer += ClassOf(font);
    m_buffer += '"';
    Attribute("x", at.x);
    Attribute("y", at.y);
    m_buffer += '>';
    m_buffer += xml;
    m_buffer += "</text>\n";
    Done();
}

void SvgPen::Symbol(Point corner, const char* name, double width, double height) {
    m_buffer += "<use xlink:href=\"#";
    m_buffer += name;
    m_buffer += '"';
    Attribute("x", corner.x);
    Attribute("y", corner.y);
    Attribute("width", width);
    Attribute("height", height);
    m_buffer += "/>\n";
    Done();
}

void SvgPen::BeginGroup(const char* kind, std::string_view xmlName) {
    m_buffer += "<g class=\"";
    m_buffer += kind;
    m_buffer += "\"><title>";
    m_buffer += xmlName;
    m_buffer += "</title>\n";
    Done();
}

void SvgPen::EndGroup() {
    m_buffer += "</g>\n";
    Done();
}

void SvgPen::Raw(std::string_view text) {
    m_buffer += text;
    Done();
}

void SvgPen::Flush() {
    m_out.write(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
    m_buffer.clear();
}

}  // namespace draftlift_tool
