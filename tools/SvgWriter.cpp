#include "tools/SvgWriter.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <list>
#include <map>
#include <sstream>
#include <vector>

#include "host/kscene/KMBD.h"

namespace draftlift_tool {
namespace {

// ---- glyphs --------------------------------------------------------------

// The host's symbol characters, each with the glyph the picture shows for
// it. The glyphs are this tool's reading of the symbols; the scene library
// draws its own.
const std::map<char16_t, const char*>& Glyphs() {
    static const std::map<char16_t, const char*> kGlyphs = {
        {0xFFC9, "\u2316"},  {0xFFDC, "\u2300"},  {0xFFD8, "\u23E4"}, {0xFFED, "\u25CB"},
        {0xFFEC, "\u23E5"},  {0xFFEE, "\u232D"},  {0xFFEF, "\u24C2"}, {0xFFEA, "\u24C1"},
        {0xFFEB, "\u24C8"},  {0xFFF5, "\u2312"},  {0xFFF6, "\u2313"}, {0xFFF4, "\u27C2"},
        {0xFFF1, "\u2220"},  {0xFFF3, "\u2225"},  {0xFFF2, "\u25CE"}, {0xFFFA, "\u232F"},
        {0xFFF9, "\u2197"},  {0xFFDB, "\u2330"},  {0xFFDA, "\u24C5"}, {0xFFC5, "\u24BB"},
        {0xFFBF, "\u24C9"},  {0xFFE0, "\u24CA"},  {0xFFC4, "\u24BA"}, {0xFFE2, "\u2334"},
        {0xFFB1, "\u2335"},  {0xFFB0, "\u21A7"},  {0xFFD1, "\u25A1"}, {0xFFD6, "S\u2300"},
        {0xFFE1, "R"},       {0xFFC7, "SR"},      {0xFFE5, "\u2333"}, {0xFFD9, "\u2332"}};
    return kGlyphs;
}

// Shown for a U+FFxx character that names no known symbol.
constexpr char kUnknownSymbol[] = "\u25C7";
constexpr char16_t kSymbolPage = 0xFF00;

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

bool IsHigh(char16_t c) { return c >= 0xD800 && c < 0xDC00; }
bool IsLow(char16_t c) { return c >= 0xDC00 && c < 0xE000; }

// ---- geometry ------------------------------------------------------------

constexpr double kMargin = 40.0;
constexpr double kRowHeight = 22.0;
constexpr double kCharWidth = 9.0;
constexpr double kPadding = 8.0;
constexpr double kPictureSpan = 900.0;  // the larger side of the drawing, in pixels
constexpr double kMaxScale = 12.0;      // pixels per scene unit at most
constexpr double kTextBase = 15.0;      // text baseline within a row

struct Bounds {
    double minX = std::numeric_limits<double>::max();
    double minY = std::numeric_limits<double>::max();
    double maxX = std::numeric_limits<double>::lowest();
    double maxY = std::numeric_limits<double>::lowest();

    void Add(const KPt3<double>& p) {
        minX = std::min(minX, p.x);
        minY = std::min(minY, p.y);
        maxX = std::max(maxX, p.x);
        maxY = std::max(maxY, p.y);
    }
    bool Empty() const { return minX > maxX; }
};

// Scene XY to picture coordinates, y pointing down.
class Projection {
public:
    explicit Projection(const Bounds& bounds) : m_bounds(bounds) {
        if (m_bounds.Empty()) m_bounds.Add({0, 0, 0});
        const double span = std::max({m_bounds.maxX - m_bounds.minX, m_bounds.maxY - m_bounds.minY, 1.0});
        m_scale = std::min(kMaxScale, kPictureSpan / span);
    }
    double X(double x) const { return kMargin + (x - m_bounds.minX) * m_scale; }
    double Y(double y) const { return kMargin + (m_bounds.maxY - y) * m_scale; }
    double Width() const { return X(m_bounds.maxX) + kPictureSpan / 3; }
    double Height() const { return Y(m_bounds.minY) + kPictureSpan / 3; }

private:
    Bounds m_bounds;
    double m_scale = 1.0;
};

std::size_t GlyphCount(const std::string& utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

double TextWidth(const std::string& utf8) { return std::max<double>(1, GlyphCount(utf8)) * kCharWidth + 2 * kPadding; }

std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

// ---- drawing -------------------------------------------------------------

class Picture {
public:
    explicit Picture(const Projection& at) : m_at(at) {}

    void Box(double x, double y, double width, const std::string& text) {
        m_out << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << width << "\" height=\"" << kRowHeight
              << "\" class=\"box\"/>";
        Text(x + kPadding, y + kTextBase, text);
    }
    void Text(double x, double y, const std::string& text, const char* style = "text") {
        m_out << "<text x=\"" << x << "\" y=\"" << y << "\" class=\"" << style << "\">" << Escaped(text)
              << "</text>\n";
    }
    void Line(const KPt3<double>& from, const KPt3<double>& to, const char* style) {
        m_out << "<line x1=\"" << m_at.X(from.x) << "\" y1=\"" << m_at.Y(from.y) << "\" x2=\"" << m_at.X(to.x)
              << "\" y2=\"" << m_at.Y(to.y) << "\" class=\"" << style << "\"/>\n";
    }
    // From a place in the picture to a scene point.
    void Leader(double x, double y, const KPt3<double>& to) {
        m_out << "<line x1=\"" << x << "\" y1=\"" << y << "\" x2=\"" << m_at.X(to.x) << "\" y2=\"" << m_at.Y(to.y)
              << "\" class=\"leader\"/>\n";
    }
    void Dot(const KPt3<double>& at) {
        m_out << "<circle cx=\"" << m_at.X(at.x) << "\" cy=\"" << m_at.Y(at.y) << "\" r=\"3\" class=\"target\"/>\n";
    }
    void Group(const char* kind, const std::string& name) {
        m_out << "<g class=\"" << kind << "\"><title>" << Escaped(name) << "</title>\n";
    }
    void EndGroup() { m_out << "</g>\n"; }

    // A row of boxed compartments; empty texts are left out.
    void Compartments(double x, double y, const std::vector<std::string>& texts) {
        for (const std::string& text : texts) {
            if (text.empty()) continue;
            const double width = TextWidth(text);
            Box(x, y, width, text);
            x += width;
        }
    }

    const Projection& At() const { return m_at; }
    std::string Body() const { return m_out.str(); }

private:
    const Projection& m_at;
    std::ostringstream m_out;
};

void DrawFrame(Picture& picture, const KMBDBase& frame, double x, double y) {
    for (const auto& subFrame : frame.SubFrames()) {
        const std::string symbol = ReadableText(subFrame->symbolText);
        for (const auto& control : subFrame->controls) {
            picture.Compartments(x, y,
                                 {symbol.empty() ? " " : symbol, ReadableText(control->toleranceText),
                                  ReadableText(control->datumRef1Text), ReadableText(control->datumRef2Text),
                                  ReadableText(control->datumRef3Text), ReadableText(control->controlText5)});
            y += kRowHeight;
        }
    }
}

void DrawDatum(Picture& picture, const KMBDDatum& datum, double x, double y) {
    const std::string label = ReadableText(datum.datumLabel.enabled ? datum.datumLabel.text : datum.GetName());
    picture.Box(x, y, TextWidth(label), label);
    if (const auto* target = dynamic_cast<const KMBDDatumTarget*>(&datum)) {
        picture.Text(x, y + kRowHeight + kTextBase, ReadableText(target->datumTargetText));
    }
}

void DrawDimension(Picture& picture, const KMBDDimension& dimension, double x, double y) {
    std::string text = dimension.dimensionText1.enabled ? ReadableText(dimension.dimensionText1.text) + " " : "";
    text += ReadableText(dimension.dimensionText2);
    if (!dimension.dimensionText3.empty()) text += " / " + ReadableText(dimension.dimensionText3);
    picture.Text(x, y + kTextBase, text, "dimension");
}

// Notes and anything else: their enabled texts, one line each.
void DrawTexts(Picture& picture, const KMBDBase& annotation, double x, double y) {
    for (const KFlaggedText* text : {&annotation.text1, &annotation.text2, &annotation.text3, &annotation.text5}) {
        if (!text->enabled) continue;
        picture.Text(x, y + kTextBase, ReadableText(text->text));
        y += kRowHeight;
    }
}

const char* KindOf(const KMBDBase& annotation) {
    if (dynamic_cast<const KMBDTicket*>(&annotation)) return "frame";
    if (dynamic_cast<const KMBDDatumTarget*>(&annotation)) return "datum-target";
    if (dynamic_cast<const KMBDDatum*>(&annotation)) return "datum";
    if (dynamic_cast<const KMBDDimension*>(&annotation)) return "dimension";
    return "note";
}

// Rows an annotation takes in the picture.
std::size_t RowsOf(const KMBDBase& annotation) {
    if (dynamic_cast<const KMBDTicket*>(&annotation)) {
        std::size_t rows = 0;
        for (const auto& subFrame : annotation.SubFrames()) rows += subFrame->controls.size();
        return rows;
    }
    if (dynamic_cast<const KMBDDatumTarget*>(&annotation)) return 2;
    if (dynamic_cast<const KMBDDatum*>(&annotation) || dynamic_cast<const KMBDDimension*>(&annotation)) return 1;
    std::size_t rows = 0;
    for (const KFlaggedText* text : {&annotation.text1, &annotation.text2, &annotation.text3, &annotation.text5}) {
        rows += text->enabled ? 1 : 0;
    }
    return rows;
}

// Annotations that share an anchor are stacked, so that none hides another.
class Stacks {
public:
    double Place(double x, double y, std::size_t rows) {
        double& used = m_used[{x, y}];
        const double at = y + used;
        used += std::max<std::size_t>(rows, 1) * kRowHeight + kPadding;
        return at;
    }

private:
    std::map<std::pair<double, double>, double> m_used;
};

void Draw(Picture& picture, Stacks& stacks, const KMBDBase& annotation) {
    const KPt3<double>& anchor = annotation.GetAnchorPoint();
    const double x = picture.At().X(anchor.x);
    const double y = stacks.Place(x, picture.At().Y(anchor.y), RowsOf(annotation));
    picture.Group(KindOf(annotation), ReadableText(annotation.GetName()));
    for (const KWitnessSegment& segment : annotation.WitnessSegments()) {
        picture.Line(segment.start, segment.end, "witness");
    }
    for (const auto& target : annotation.Targets()) {
        picture.Leader(x, y + kRowHeight / 2, target->targetPoint);
        picture.Dot(target->targetPoint);
    }
    if (dynamic_cast<const KMBDTicket*>(&annotation)) {
        DrawFrame(picture, annotation, x, y);
    } else if (const auto* datum = dynamic_cast<const KMBDDatum*>(&annotation)) {
        DrawDatum(picture, *datum, x, y);
    } else if (const auto* dimension = dynamic_cast<const KMBDDimension*>(&annotation)) {
        DrawDimension(picture, *dimension, x, y);
    } else {
        DrawTexts(picture, annotation, x, y);
    }
    picture.EndGroup();
}

std::vector<const KMBDBase*> Annotations(const KScene& scene, std::list<boost::shared_ptr<KObject>>& held) {
    scene.GetAllObjectsOfType(held, is_kind_of<KMBDBase>());
    std::vector<const KMBDBase*> annotations;
    for (const auto& object : held) annotations.push_back(dynamic_cast<const KMBDBase*>(object.get()));
    return annotations;
}

Bounds BoundsOf(const std::vector<const KMBDBase*>& annotations) {
    Bounds bounds;
    for (const KMBDBase* annotation : annotations) {
        bounds.Add(annotation->GetAnchorPoint());
        for (const auto& target : annotation->Targets()) bounds.Add(target->targetPoint);
        for (const KWitnessSegment& segment : annotation->WitnessSegments()) {
            bounds.Add(segment.start);
            bounds.Add(segment.end);
        }
    }
    return bounds;
}

constexpr char kStyle[] =
    "<style>.box{fill:white;stroke:black;stroke-width:1}"
    ".text,.dimension{font-family:sans-serif;font-size:14px}"
    ".dimension{fill:#003399}.target{fill:#cc0000}"
    ".leader{stroke:#888;stroke-width:0.5}.witness{stroke:#003399;stroke-width:1}</style>\n";

}  // namespace

std::string ReadableText(const WString& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const auto glyph = Glyphs().find(c);
        if (glyph != Glyphs().end()) {
            out += glyph->second;
        } else if (c >= kSymbolPage && c <= 0xFFFD) {
            out += kUnknownSymbol;
        } else if (IsHigh(c) && i + 1 < text.size() && IsLow(text[i + 1])) {
            AppendUtf8(out, 0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
            ++i;
        } else if (IsHigh(c) || IsLow(c)) {
            out += "\uFFFD";
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}

std::string SceneSvg(const KScene& scene) {
    std::list<boost::shared_ptr<KObject>> held;
    const std::vector<const KMBDBase*> annotations = Annotations(scene, held);
    const Projection at(BoundsOf(annotations));
    Picture picture(at);
    Stacks stacks;
    for (const KMBDBase* annotation : annotations) Draw(picture, stacks, *annotation);
    std::ostringstream svg;
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << at.Width() << "\" height=\"" << at.Height()
        << "\">\n"
        << kStyle << picture.Body() << "</svg>\n";
    return svg.str();
}

}  // namespace draftlift_tool
