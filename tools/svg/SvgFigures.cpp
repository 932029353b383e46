#include "tools/svg/SvgFigures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <typeinfo>

#include "tools/svg/SvgText.h"

namespace draftlift_tool {

namespace {

constexpr double kRow = 24;        // a frame row, a datum box
constexpr double kPad = 6;         // text to compartment edge
constexpr double kCapHalf = 5;     // half the capital height of the body face
constexpr double kPartGap = 3;     // between the parts of a figure
constexpr double kTwoLineRow = 18; // each line of a pair of limits
constexpr double kPlaceholder = 12;

double LineHeight(Font font) { return font == Font::Caption ? 14 : 18; }

// A label centred in a box.
void Centred(Pen& pen, const Label& label, const Box& box) {
    label.Draw(pen, {box.left + (box.Width() - label.Width()) / 2, (box.top + box.bottom) / 2 + kCapHalf});
}

void Compartment(Pen& pen, const Label& label, const Box& box) {
    pen.Rect(box, Ink::Frame);
    Centred(pen, label, box);
}

double CompartmentWidth(const Label& label) { return std::max(kRow, label.Width() + 2 * kPad); }

class TextLines final : public FigurePart {
public:
    explicit TextLines(Font font) : m_font(font) {}
    void Add(const WString& text) {
        const std::vector<WString> lines = Lines(text);
        m_lines.reserve(m_lines.size() + lines.size());
        for (const WString& line : lines) {
            m_lines.emplace_back(line, m_font);
            m_width = std::max(m_width, m_lines.back().Width());
        }
    }
    bool Empty() const {
        return std::all_of(m_lines.begin(), m_lines.end(), [](const Label& line) { return line.Empty(); });
    }
    double Width() const override { return m_width; }
    double Height() const override { return m_lines.size() * LineHeight(m_font); }
    double AttachY() const override { return LineHeight(m_font) / 2; }
    double AttachRight() const override { return m_lines.empty() ? 0 : m_lines.front().Width(); }
    void Draw(Pen& pen, Point at) const override {
        // Each line's extent, ascent to descent, centred in its height.
        const FontMetrics& metrics = MetricsOf(m_font);
        const double height = LineHeight(m_font), baseline = (height + metrics.ascent - metrics.descent) / 2;
        for (std::size_t i = 0; i < m_lines.size(); ++i) m_lines[i].Draw(pen, {at.x, at.y + i * height + baseline});
    }

private:
    Font m_font;
    std::vector<Label> m_lines;
    double m_width = 0;
};

// The datum feature's letter in its square box.
class DatumBox final : public FigurePart {
public:
    explicit DatumBox(const WString& letter) : m_letter(letter, Font::Body) {}
    double Width() const override { return CompartmentWidth(m_letter); }
    double Height() const override { return kRow; }
    void Draw(Pen& pen, Point at) const override { Compartment(pen, m_letter, Box::At(at, Width(), kRow)); }

private:
    Label m_letter;
};

// Compartments row by row; each sub-frame's characteristic compartment spans
// its rows, so a composite frame shares it. Columns line up across rows.
class FrameTable final : public FigurePart {
public:
    explicit FrameTable(const gdt::AnnotationFields& frame) {
        m_groups.reserve(frame.subFrames.size());
        for (const gdt::SubFrameFields& subFrame : frame.subFrames) {
            Group group{Label(subFrame.symbol, Font::Body), {}};
            group.rows.reserve(subFrame.controls.size());
            m_symbolWidth = std::max(m_symbolWidth, CompartmentWidth(group.symbol));
            for (const gdt::ControlFields& control : subFrame.controls) group.rows.push_back(RowOf(control));
            m_groups.push_back(std::move(group));
        }
        if (frame.datumLabel.enabled) m_datumLabel = std::make_unique<DatumBox>(frame.datumLabel.text);
    }
    double Width() const override {
        double width = m_symbolWidth;
        for (const Group& group : m_groups) {
            for (const Row& row : group.rows) width = std::max(width, m_symbolWidth + RowWidth(row));
        }
        return std::max(width, m_datumLabel ? m_datumLabel->Width() : 0.0);
    }
    double Height() const override {
        double height = m_datumLabel ? kRow : 0;
        for (const Group& group : m_groups) height += std::max<std::size_t>(group.rows.size(), 1) * kRow;
        return height;
    }
    double AttachY() const override { return kRow / 2; }
    // The leader leaves the end of the first row.
    double AttachRight() const override {
        const bool hasRow = !m_groups.empty() && !m_groups.front().rows.empty();
        return m_symbolWidth + (hasRow ? RowWidth(m_groups.front().rows.front()) : 0);
    }
    void Draw(Pen& pen, Point at) const override {
        double top = at.y;
        for (const Group& group : m_groups) {
            const double height = std::max<std::size_t>(group.rows.size(), 1) * kRow;
            Compartment(pen, group.symbol, Box::At({at.x, top}, m_symbolWidth, height));
            for (const Row& row : group.rows) {
                DrawRow(pen, row, {at.x + m_symbolWidth, top});
                top += kRow;
            }
            if (group.rows.empty()) top += kRow;
        }
        if (m_datumLabel) m_datumLabel->Draw(pen, {at.x, top});
    }

private:
    struct Row {
        Label tolerance;
        std::array<Label, 3> datums;
        std::size_t datumCount;  // up to the last datum given
        Label extra;
    };
    struct Group {
        Label symbol;
        std::vector<Row> rows;
    };

    Row RowOf(const gdt::ControlFields& control) {
        Row row{Label(control.tolerance, Font::Body),
                {Label(control.datumRefs[0], Font::Body), Label(control.datumRefs[1], Font::Body),
                 Label(control.datumRefs[2], Font::Body)},
                0,
                Label(control.extra, Font::Body)};
        for (std::size_t i = 0; i < row.datums.size(); ++i) {
            if (!row.datums[i].Empty()) row.datumCount = i + 1;
            m_datumWidths[i] = std::max(m_datumWidths[i], CompartmentWidth(row.datums[i]));
        }
        m_toleranceWidth = std::max(m_toleranceWidth, CompartmentWidth(row.tolerance));
        if (!row.extra.Empty()) m_extraWidth = std::max(m_extraWidth, CompartmentWidth(row.extra));
        return row;
    }
    double RowWidth(const Row& row) const {
        double width = m_toleranceWidth + (row.extra.Empty() ? 0 : m_extraWidth);
        for (std::size_t i = 0; i < row.datumCount; ++i) width += m_datumWidths[i];
        return width;
    }
    void DrawRow(Pen& pen, const Row& row, Point at) const {
        Compartment(pen, row.tolerance, Box::At(at, m_toleranceWidth, kRow));
        at.x += m_toleranceWidth;
        for (std::size_t i = 0; i < row.datumCount; ++i) {
            Compartment(pen, row.datums[i], Box::At(at, m_datumWidths[i], kRow));
            at.x += m_datumWidths[i];
        }
        if (!row.extra.Empty()) Compartment(pen, row.extra, Box::At(at, m_extraWidth, kRow));
    }

    std::vector<Group> m_groups;
    double m_symbolWidth = kRow;
    double m_toleranceWidth = kRow;
    std::array<double, 3> m_datumWidths{kRow, kRow, kRow};
    double m_extraWidth = kRow;
    std::unique_ptr<DatumBox> m_datumLabel;
};

// The datum target symbol: a circle divided across, the target's size or
// area above, its datum label below.
class TargetCircle final : public FigurePart {
public:
    TargetCircle(const WString& label, const WString& area)
        : m_label(label, Font::Body), m_area(area, Font::Body) {
        // Wide enough that each text fits the chord at its far edge.
        const double half = std::max(m_label.Width(), m_area.Width()) / 2 + 3;
        m_radius = std::max(kRow - 2, std::hypot(kTextReach, half));
    }
    double Width() const override { return 2 * m_radius; }
    double Height() const override { return 2 * m_radius; }
    void Draw(Pen& pen, Point at) const override {
        const Point centre{at.x + m_radius, at.y + m_radius};
        pen.Circle(centre, m_radius, Ink::Frame);
        pen.Polyline({{centre.x - m_radius, centre.y}, {centre.x + m_radius, centre.y}}, false, Ink::Leader);
        Centred(pen, m_area, Box{centre.x - m_radius, centre.y - kTextReach, centre.x + m_radius, centre.y - 2});
        Centred(pen, m_label, Box{centre.x - m_radius, centre.y + 2, centre.x + m_radius, centre.y + kTextReach});
    }

private:
    static constexpr double kTextReach = 17;  // from the divider to a text's far edge
    Label m_label;
    Label m_area;
    double m_radius = 0;
};

// A dimension's value: one value, or an upper and a lower limit stacked, after
// its label.
class DimensionValue final : public FigurePart {
public:
    DimensionValue(const Label& label, const Label& first, const Label& second)
        : m_label(label), m_first(first), m_second(second) {}
    bool Empty() const { return m_label.Empty() && m_first.Empty() && m_second.Empty(); }
    double Width() const override {
        return LabelWidth() + std::max(m_first.Width(), m_second.Width()) + 2 * kPad;
    }
    double Height() const override { return m_second.Empty() ? kRow : 2 * kTwoLineRow; }
    void Draw(Pen& pen, Point at) const override {
        const double middle = at.y + Height() / 2;
        m_label.Draw(pen, {at.x + kPad, middle + 4});
        const double x = at.x + kPad + LabelWidth();
        if (m_second.Empty()) {
            m_first.Draw(pen, {x, middle + kCapHalf});
        } else {
            m_first.Draw(pen, {x, at.y + kTwoLineRow / 2 + kCapHalf});
            m_second.Draw(pen, {x, at.y + 1.5 * kTwoLineRow + kCapHalf});
        }
    }

private:
    double LabelWidth() const { return m_label.Empty() ? 0 : m_label.Width() + kPad; }
    Label m_label;
    Label m_first;
    Label m_second;
};

class Placeholder final : public FigurePart {
public:
    double Width() const override { return kPlaceholder; }
    double Height() const override { return kPlaceholder; }
    void Draw(Pen& pen, Point at) const override { pen.Rect(Box::At(at, kPlaceholder, kPlaceholder), Ink::Empty); }
};

// A radius or diameter dimension's value with its sign, unless it has one.
WString Signed(const WString& value, gdt::Symbol sign) {
    if (value.empty() || DrawnSymbol(value.front()) != nullptr) return value;
    return WString(1, gdt::EntryOf(sign).character) + value;
}

std::unique_ptr<DimensionValue> ValueOf(const gdt::AnnotationFields& dimension) {
    WString first = dimension.dimensionValue1;
    if (dimension.type == gdt::AnnotationClass::RadiusDimension) first = Signed(first, gdt::Symbol::Radius);
    if (dimension.type == gdt::AnnotationClass::DiameterDimension) first = Signed(first, gdt::Symbol::Diameter);
    const WString label = dimension.dimensionLabel.enabled ? dimension.dimensionLabel.text : WString();
    auto value = std::make_unique<DimensionValue>(Label(label, Font::Caption), Label(first, Font::Body),
                                                  Label(dimension.dimensionValue2, Font::Body));
    return value->Empty() ? nullptr : std::move(value);
}

std::unique_ptr<TextLines> LinesOf(std::initializer_list<const gdt::FlaggedText*> texts) {
    auto lines = std::make_unique<TextLines>(Font::Body);
    for (const gdt::FlaggedText* text : texts) {
        if (text->enabled) lines->Add(text->text);
    }
    return lines->Empty() ? nullptr : std::move(lines);
}

}  // namespace

namespace {

FigureKind KindByClass(const KMBDBase& annotation) {
    if (dynamic_cast<const KMBDTicket*>(&annotation)) return FigureKind::Frame;
    if (dynamic_cast<const KMBDDatumTarget*>(&annotation)) return FigureKind::DatumTarget;
    if (dynamic_cast<const KMBDDatum*>(&annotation)) return FigureKind::Datum;
    if (dynamic_cast<const KMBDDimension*>(&annotation)) return FigureKind::Dimension;
    return FigureKind::Note;
}

bool IsLinearByClass(const KMBDBase& annotation) {
    return KindByClass(annotation) == FigureKind::Dimension && !dynamic_cast<const KMBDRadiusDimension*>(&annotation) &&
           !dynamic_cast<const KMBDDiameterDimension*>(&annotation) &&
           !dynamic_cast<const KMBDAngleDimension*>(&annotation);
}

struct ClassFacts {
    const std::type_info* type;
    FigureKind kind;
    bool linear;
};

// The answers depend on the class alone and a drawing asks them of every
// annotation several times, so they are worked out once per class.
ClassFacts FactsOf(const KMBDBase& annotation) {
    static std::array<ClassFacts, 16> known{};
    static std::size_t count = 0;
    const std::type_info* type = &typeid(annotation);
    for (std::size_t i = 0; i < count; ++i) {
        if (known[i].type == type) return known[i];
    }
    const ClassFacts facts{type, KindByClass(annotation), IsLinearByClass(annotation)};
    if (count < known.size()) known[count++] = facts;
    return facts;
}

}  // namespace

FigureKind KindOf(const KMBDBase& annotation) { return FactsOf(annotation).kind; }

FigureKind KindOf(gdt::AnnotationClass type) {
    switch (type) {
        case gdt::AnnotationClass::FeatureControlFrame: return FigureKind::Frame;
        case gdt::AnnotationClass::Datum: return FigureKind::Datum;
        case gdt::AnnotationClass::DatumTarget: return FigureKind::DatumTarget;
        case gdt::AnnotationClass::Note: return FigureKind::Note;
        default: return FigureKind::Dimension;
    }
}

bool IsLinearDimension(const KMBDBase& annotation) { return FactsOf(annotation).linear; }

const char* KindName(FigureKind kind) {
    switch (kind) {
        case FigureKind::Frame: return "frame";
        case FigureKind::Datum: return "datum";
        case FigureKind::DatumTarget: return "datum-target";
        case FigureKind::Dimension: return "dimension";
        case FigureKind::Note: return "note";
    }
    return "note";
}

Figure::Figure(const gdt::AnnotationFields& annotation) {
    const FigureKind kind = KindOf(annotation.type);
    const bool datumLike = kind == FigureKind::Datum || kind == FigureKind::DatumTarget;
    const WString& name = annotation.name;
    if (annotation.showName && !name.empty() && !(datumLike && name == gdt::ShownDatumLabel(annotation))) {
        auto caption = std::make_unique<TextLines>(Font::Caption);
        caption->Add(name);
        Add(std::move(caption));
        m_captioned = true;
    }
    Add(LinesOf({&annotation.text1, &annotation.text5}));
    switch (kind) {
        case FigureKind::Frame:
            if (!annotation.subFrames.empty()) {
                Add(std::make_unique<FrameTable>(annotation), true);
            } else if (annotation.datumLabel.enabled) {
                Add(std::make_unique<DatumBox>(annotation.datumLabel.text), true);
            }
            break;
        case FigureKind::Datum: Add(std::make_unique<DatumBox>(gdt::ShownDatumLabel(annotation)), true); break;
        case FigureKind::DatumTarget:
            Add(std::make_unique<TargetCircle>(gdt::ShownDatumLabel(annotation), annotation.datumTargetText), true);
            break;
        case FigureKind::Dimension:
        case FigureKind::Note:
            if (kind == FigureKind::Dimension) Add(ValueOf(annotation), true);
            if (annotation.datumLabel.enabled) Add(std::make_unique<DatumBox>(annotation.datumLabel.text));
            break;
    }
    Add(LinesOf({&annotation.text2, &annotation.text3}));
    if (m_parts.empty()) Add(std::make_unique<Placeholder>(), true);
    // Without a main part, leaders leave the first thing that is not the name.
    if (m_main == kNoPart) m_main = m_captioned && m_parts.size() > 1 ? 1 : 0;
}

void Figure::Add(std::unique_ptr<FigurePart> part, bool main) {
    if (!part) return;
    const double top = m_parts.empty() ? 0 : m_height + kPartGap;
    m_tops.push_back(top);
    m_height = top + part->Height();
    m_width = std::max(m_width, part->Width());
    if (main && m_main == kNoPart) m_main = m_parts.size();
    m_parts.push_back(std::move(part));
}

double Figure::AttachY() const { return m_tops[m_main] + m_parts[m_main]->AttachY(); }

double Figure::AttachRight() const { return m_parts[m_main]->AttachRight(); }

void Figure::Draw(Pen& pen, Point at) const {
    pen.Rect(Box::At(at, m_width, m_height), Ink::Back);
    for (std::size_t i = 0; i < m_parts.size(); ++i) m_parts[i]->Draw(pen, {at.x, at.y + m_tops[i]});
}

}  // namespace draftlift_tool
