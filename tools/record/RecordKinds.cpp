// Which record kind makes which annotation: the import's table of record
// kinds, read backwards.
#include <array>
#include <vector>

#include "tools/gdt/Vocabulary.h"
#include "tools/record/ModelParts.h"

namespace noterecord {
namespace {

using gdt::AnnotationClass;
using gdt::AnnotationKind;

struct ClassKind {
    AnnotationKind kind;
    AnnotationClass type;
    std::int32_t record;  // a frame's follows its layout
    const char* made;     // the class, in words
};

constexpr std::array<ClassKind, 5> kClassKinds = {{
    {AnnotationKind::FeatureControlFrame, AnnotationClass::FeatureControlFrame, 0, "a frame annotation"},
    {AnnotationKind::Note, AnnotationClass::FeatureControlFrame, 0, "a frame annotation without rows"},
    {AnnotationKind::DatumFeature, AnnotationClass::Datum, 7, "a datum"},
    {AnnotationKind::DatumTarget, AnnotationClass::DatumTarget, 10, "a datum target"},
    {AnnotationKind::Dimension, AnnotationClass::LinearDimension, 12, "a two-point dimension"},
}};

// The rows of each sub-frame that record kinds 1 to 6 build.
struct FrameLayout {
    std::int32_t kind;
    std::vector<std::size_t> rows;
};

const std::array<FrameLayout, 6> kFrameLayouts = {{
    {1, {1}},
    {2, {2}},
    {3, {2, 1}},
    {4, {1, 1}},
    {5, {1, 1, 1}},
    {6, {3}},
}};

constexpr std::size_t kMostRows = 3;

KindChoice Refused(const std::string& field, const std::string& why) { return {0, Naming(field, why)}; }

std::string Listed(const std::vector<std::size_t>& rows) {
    std::string listed;
    for (std::size_t n = 0; n < rows.size(); ++n) {
        listed += (n == 0 ? "" : n + 1 == rows.size() ? " and " : ", ") + std::to_string(rows[n]);
    }
    return listed;
}

KindChoice FrameKind(const std::optional<gdt::FeatureControlFrame>& frame) {
    if (!frame) return Refused("frame", "a feature control frame without one");
    std::vector<std::size_t> rows;
    std::size_t total = 0;
    for (std::size_t s = 0; s < frame->segments.size(); ++s) {
        rows.push_back(frame->segments[s].rows.size());
        total += rows.back();
        if (rows.back() == 0) {
            return Refused("frame.segments[" + std::to_string(s) + "].rows",
                           "a sub-frame without rows, which no record makes");
        }
    }
    if (total > kMostRows) {
        return Refused("frame", std::to_string(total) + " rows, and a record lays out three at most");
    }
    for (const FrameLayout& layout : kFrameLayouts) {
        if (layout.rows == rows) return {layout.kind, std::nullopt};
    }
    return Refused("frame.segments", "sub-frames of " + Listed(rows) +
                                         " rows, which no record kind lays out (only a first sub-frame is composite)");
}

}  // namespace

KindChoice RecordKindOf(const gdt::Annotation& annotation) {
    for (const ClassKind& entry : kClassKinds) {
        if (entry.kind != annotation.kind) continue;
        if (entry.type != annotation.type) {
            return Refused(
                "type", std::string("the import makes a ") + gdt::NameOf(annotation.kind) + " only as " + entry.made);
        }
        return entry.kind == AnnotationKind::FeatureControlFrame ? FrameKind(annotation.frame)
                                                                 : KindChoice{entry.record, std::nullopt};
    }
    return Refused("kind", "no record kind makes it");
}

}  // namespace noterecord
