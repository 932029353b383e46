// One annotation's own drawing, apart from where it stands and what its
// leaders reach: feature control frames as compartments, the datum feature
// symbol, the datum target symbol, dimension values, and every enabled text.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "host/kscene/KMBD.h"
#include "tools/gdt/Fields.h"
#include "tools/svg/SvgPen.h"

namespace draftlift_tool {

enum class FigureKind { Frame, Datum, DatumTarget, Dimension, Note };

FigureKind KindOf(const KMBDBase& annotation);
FigureKind KindOf(gdt::AnnotationClass type);
// A dimension measured along a line between its first two targets.
bool IsLinearDimension(const KMBDBase& annotation);
// The kind as the picture's group class.
const char* KindName(FigureKind kind);

// A piece of a figure, measured before it is drawn.
class FigurePart {
public:
    virtual ~FigurePart() = default;
    virtual double Width() const = 0;
    virtual double Height() const = 0;
    // Where, from the part's top, a leader leaves it.
    virtual double AttachY() const { return Height() / 2; }
    // How far right, at that height, the part reaches.
    virtual double AttachRight() const { return Width(); }
    virtual void Draw(Pen& pen, Point topLeft) const = 0;
};

class Figure {
public:
    // From what the annotation carries (gdt::FieldsOf).
    explicit Figure(const gdt::AnnotationFields& annotation);

    double Width() const { return m_width; }
    double Height() const { return m_height; }
    // Where, from the figure's top, leaders leave it, and how far right its
    // main part (the frame, symbol or value they belong to) reaches.
    double AttachY() const;
    double AttachRight() const;
    // Draws it on a white ground with its top-left corner at `at`.
    void Draw(Pen& pen, Point at) const;

private:
    void Add(std::unique_ptr<FigurePart> part, bool main = false);

    static constexpr std::size_t kNoPart = static_cast<std::size_t>(-1);

    std::vector<std::unique_ptr<FigurePart>> m_parts;
    std::vector<double> m_tops;
    std::size_t m_main = kNoPart;
    bool m_captioned = false;
    double m_width = 0;
    double m_height = 0;
};

}  // namespace draftlift_tool
