// What the picture is drawn with: points and boxes in picture units (y
// pointing down), and pens that either write SVG elements as they come or
// only measure the room those elements take.
#pragma once

#include <algorithm>
#include <cstddef>
#include <limits>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace draftlift_tool {

struct Point {
    double x = 0;
    double y = 0;
};

struct Box {
    double left = std::numeric_limits<double>::infinity();
    double top = std::numeric_limits<double>::infinity();
    double right = -std::numeric_limits<double>::infinity();
    double bottom = -std::numeric_limits<double>::infinity();

    static Box At(Point corner, double width, double height) {
        return {corner.x, corner.y, corner.x + width, corner.y + height};
    }
    bool Empty() const { return !(left <= right && top <= bottom); }
    double Width() const { return Empty() ? 0 : right - left; }
    double Height() const { return Empty() ? 0 : bottom - top; }
    void Add(Point p) {
        left = std::min(left, p.x);
        top = std::min(top, p.y);
        right = std::max(right, p.x);
        bottom = std::max(bottom, p.y);
    }
    void Add(const Box& other) {
        if (other.Empty()) return;
        Add(Point{other.left, other.top});
        Add(Point{other.right, other.bottom});
    }
    Box Grown(double by) const { return Empty() ? *this : Box{left - by, top - by, right + by, bottom + by}; }
};

// Classes of the picture's style sheet; each says how a mark is painted.
enum class Ink {
    Paper,    // the white page
    Frame,    // compartment outlines and symbol boxes, filled white
    Back,     // the white ground under an annotation, no outline
    Leader,   // leaders, extension and dimension lines
    Witness,  // witness segments
    Solid,    // arrowheads, datum triangles, target dots
    Empty,    // the dashed mark of an annotation that has nothing to show
    Flagged,  // the outline of an annotation with errors (svg --check)
};

enum class Font {
    Body,     // frame and note texts
    Caption,  // annotation names and dimension labels
};

struct FontMetrics {
    double size;
    double advance;  // of one character cell (a monospaced face)
    double ascent;
    double descent;
};

const FontMetrics& MetricsOf(Font font);

// Appends a finite number with at most two decimals ("0" for anything else).
void AppendNumber(std::string& out, double value);

class Pen {
public:
    virtual ~Pen() = default;
    virtual void Polyline(const std::vector<Point>& points, bool closed, Ink ink) = 0;
    virtual void Rect(const Box& box, Ink ink) = 0;
    virtual void Circle(Point centre, double radius, Ink ink) = 0;
    // `xml` is text already escaped for XML; `width` is the room it takes.
    virtual void Text(Point baselineStart, std::string_view xml, double width, Font font) = 0;
    // The symbol's drawing in a cell of `width` by `height` at `corner`.
    virtual void Symbol(Point corner, const char* name, double width, double height) = 0;
    // An annotation: its kind and (escaped) name, around what is drawn next.
    virtual void BeginGroup(const char* kind, std::string_view xmlName) = 0;
    virtual void EndGroup() = 0;
};

// Measures only: the box every mark drawn so far fits in.
class BoundsPen final : public Pen {
public:
    void Polyline(const std::vector<Point>& points, bool closed, Ink ink) override;
    void Rect(const Box& box, Ink ink) override;
    void Circle(Point centre, double radius, Ink ink) override;
    void Text(Point baselineStart, std::string_view xml, double width, Font font) override;
    void Symbol(Point corner, const char* name, double width, double height) override;
    void BeginGroup(const char*, std::string_view) override {}
    void EndGroup() override {}

    const Box& Bounds() const { return m_bounds; }

private:
    Box m_bounds;
};

// Writes SVG elements to a stream through a buffer of its own.
class SvgPen final : public Pen {
public:
    explicit SvgPen(std::ostream& out) : m_out(out) { m_buffer.reserve(kFlushAt + 4096); }
    ~SvgPen() override { Flush(); }
    SvgPen(const SvgPen&) = delete;
    SvgPen& operator=(const SvgPen&) = delete;

    void Polyline(const std::vector<Point>& points, bool closed, Ink ink) override;
    void Rect(const Box& box, Ink ink) override;
    void Circle(Point centre, double radius, Ink ink) override;
    void Text(Point baselineStart, std::string_view xml, double width, Font font) override;
    void Symbol(Point corner, const char* name, double width, double height) override;
    void BeginGroup(const char* kind, std::string_view xmlName) override;
    void EndGroup() override;

    // Anything else, as it is (the document's head and tail).
    void Raw(std::string_view text);
    void Flush();

private:
    static constexpr std::size_t kFlushAt = 1 << 16;
    void Attribute(const char* name, double value);
    void Done();

    std::ostream& m_out;
    std::string m_buffer;
};

}  // namespace draftlift_tool
