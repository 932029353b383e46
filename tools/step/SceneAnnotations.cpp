#include "tools/step/SceneAnnotations.h"

#include <list>

#include "standins/kscene/Access.h"
#include "tools/gdt/FromAnnotation.h"
#include "tools/gdt/ReadAnnotation.h"

namespace draftlift_tool::step {
namespace {

using standin::kscene::Access;

Point3 PointOf(const KPt3<double>& point) { return {point.x, point.y, point.z}; }

PmiAnnotation Travelling(const KMBDBase& annotation) {
    const Point3 anchor = PointOf(Access::AnchorPoint(annotation));
    const auto& targets = Access::Targets(annotation);
    const Point3 target = targets.empty() ? anchor : PointOf(Access::TargetPoint(*targets.front()));
    return {gdt::ReadAnnotation(gdt::FieldsOf(annotation)), target, anchor};
}

}  // namespace

std::vector<PmiAnnotation> SceneAnnotations(const KScene& scene) {
    std::list<boost::shared_ptr<KObject>> objects;
    scene.GetAllObjectsOfType(objects, is_kind_of<KMBDBase>());
    std::vector<PmiAnnotation> annotations;
    annotations.reserve(objects.size());
    for (const auto& object : objects) annotations.push_back(Travelling(dynamic_cast<const KMBDBase&>(*object)));
    return annotations;
}

}  // namespace draftlift_tool::step
