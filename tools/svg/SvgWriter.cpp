#include "tools/svg/SvgWriter.h"

#include <algorithm>
#include <cmath>
#include <list>
#include <sstream>
#include <utility>
#include <vector>

#include "host/kscene/KMBD.h"
#include "standins/kscene/Access.h"
#include "tools/gdt/FromAnnotation.h"
#include "tools/svg/SvgAttachments.h"
#include "tools/svg/SvgFigures.h"
#include "tools/svg/SvgLayout.h"
#include "tools/svg/SvgPen.h"
#include "tools/svg/SvgPlacement.h"
#include "tools/svg/SvgSymbols.h"
#include "tools/svg/SvgText.h"

namespace draftlift_tool {

using standin::kscene::Access;
namespace {

constexpr double kBaseSpan = 900;  // page units a small part's scene spans
constexpr double kSpanPer = 50;    // beyond this many annotations the span grows
constexpr double kMargin = 16;
constexpr double kOutlineGap = 3;  // between a figure and its outline, within the margin

constexpr char kStyle[] =
    "<style>"
    ".paper,.back{fill:#fff;stroke:none}"
    ".box{fill:#fff;stroke:#000;stroke-width:1}"
    ".leader{fill:none;stroke:#000;stroke-width:0.75}"
    ".witness{fill:none;stroke:#2a5db0;stroke-width:0.75}"
    ".solid,.symfill{fill:#000;stroke:none}"
    ".empty{fill:none;stroke:#888;stroke-width:1;stroke-dasharray:2 2}"
    ".sym{fill:none;stroke:#000;stroke-width:1;stroke-linecap:round;stroke-linejoin:round}"
    "symbol{overflow:visible}"
    ".text,.caption{font-family:'DejaVu Sans Mono',monospace}"
    ".text{font-size:14px}.caption{font-size:11px;fill:#555}"
    "</style>\n";
constexpr char kFlaggedStyle[] = "<style>.flagged{fill:none;stroke:#d01010;stroke-width:2}</style>\n";

// The scene's annotations in the order it took them; `held` keeps them.
std::vector<const KMBDBase*> Annotations(const KScene& scene, std::list<boost::shared_ptr<KObject>>& held) {
    scene.GetAllObjectsOfType(held, is_kind_of<KMBDBase>());
    std::vector<const KMBDBase*> annotations;
    annotations.reserve(held.size());
    for (const auto& object : held) annotations.push_back(static_cast<const KMBDBase*>(object.get()));
    return annotations;
}

// More annotations get more room: the span grows with their square root.
Projection Fit(const std::vector<const KMBDBase*>& annotations) {
    SceneExtent extent;
    for (const KMBDBase* annotation : annotations) {
        extent.Add(Access::AnchorPoint(*annotation));
        for (const auto& target : Access::Targets(*annotation)) extent.Add(Access::TargetPoint(*target));
        for (const auto& [start, end] : Access::WitnessSegments(*annotation)) {
            extent.Add(start);
            extent.Add(end);
        }
    }
    return extent.Fitted(kBaseSpan * std::max(1.0, std::sqrt(annotations.size() / kSpanPer)));
}

// The page: everything drawn, and a margin.
Box Canvas(const std::vector<const KMBDBase*>& annotations, const Projection& projection,
           const std::vector<Placed>& placed) {
    BoundsPen pen;
    for (std::size_t i = 0; i < annotations.size(); ++i) {
        pen.Rect(placed[i].box, Ink::Back);
        DrawAttachments(pen, *annotations[i], projection, placed[i]);
    }
    return pen.Bounds().Empty() ? Box{0, 0, 2 * kMargin, 2 * kMargin} : pen.Bounds().Grown(kMargin);
}

std::string Head(const Box& canvas, bool outlining) {
    std::string head = "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\"";
    const std::pair<const char*, double> sizes[] = {{" width=\"", canvas.Width()}, {" height=\"", canvas.Height()}};
    for (const auto& [name, value] : sizes) {
        head += name;
        AppendNumber(head, value);
        head += '"';
    }
    head += " viewBox=\"";
    for (const double value : {canvas.left, canvas.top, canvas.Width(), canvas.Height()}) {
        AppendNumber(head, value);
        head += ' ';
    }
    head.back() = '"';
    return head + " xml:space=\"preserve\">\n" + kStyle + (outlining ? kFlaggedStyle : "") + SymbolDefinitions();
}

// Outlines last, so that no figure covers them.
void DrawOutlines(SvgPen& pen, const std::vector<const KMBDBase*>& annotations, const std::vector<Placed>& placed,
                  const Outlined& outlined) {
    pen.Raw("<g class=\"outlines\">\n");
    for (std::size_t i = 0; i < annotations.size(); ++i) {
        if (outlined(*annotations[i])) pen.Rect(placed[i].box.Grown(kOutlineGap), Ink::Flagged);
    }
    pen.Raw("</g>\n");
}

}  // namespace

PageSize WriteSceneSvg(const KScene& scene, std::ostream& out, const Outlined& outlined) {
    std::list<boost::shared_ptr<KObject>> held;
    const std::vector<const KMBDBase*> annotations = Annotations(scene, held);
    const Projection projection = Fit(annotations);
    const std::vector<Placed> placed = PlaceFigures(annotations, projection);
    const Box canvas = Canvas(annotations, projection, placed);
    SvgPen pen(out);
    pen.Raw(Head(canvas, bool(outlined)));
    pen.Rect(canvas, Ink::Paper);
    // Leaders first, so that figures cover what passes beneath them.
    pen.Raw("<g class=\"attachments\">\n");
    for (std::size_t i = 0; i < annotations.size(); ++i) DrawAttachments(pen, *annotations[i], projection, placed[i]);
    pen.Raw("</g>\n");
    for (std::size_t i = 0; i < annotations.size(); ++i) {
        const KMBDBase& annotation = *annotations[i];
        pen.BeginGroup(KindName(KindOf(annotation)), XmlText(annotation.GetName()));
        Figure(gdt::FieldsOf(annotation)).Draw(pen, {placed[i].box.left, placed[i].box.top});
        pen.EndGroup();
    }
    if (outlined) DrawOutlines(pen, annotations, placed, outlined);
    pen.Raw("</svg>\n");
    return {canvas.Width(), canvas.Height()};
}

std::string SceneSvg(const KScene& scene, const Outlined& outlined) {
    std::ostringstream out;
    WriteSceneSvg(scene, out, outlined);
    return out.str();
}

}  // namespace draftlift_tool
