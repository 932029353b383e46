#include "tools/cli/SceneCheck.h"

#include <list>
#include <vector>

#include "tools/gdt/Check.h"
#include "tools/gdt/FromAnnotation.h"
#include "tools/gdt/ReadAnnotation.h"

namespace draftlift_tool {

std::unordered_set<const KMBDBase*> AnnotationsWithErrors(const KScene& scene) {
    std::list<boost::shared_ptr<KObject>> held;
    scene.GetAllObjectsOfType(held, is_kind_of<KMBDBase>());
    std::vector<const KMBDBase*> annotations;
    annotations.reserve(held.size());
    std::unordered_set<const KMBDBase*> flagged;
    const gdt::PartCheck::Visit flag = [&](const gdt::Finding& finding) {
        if (finding.rule->severity == gdt::Severity::Error) flagged.insert(annotations[finding.subject->index]);
    };
    gdt::PartCheck check;
    for (const auto& object : held) {
        annotations.push_back(dynamic_cast<const KMBDBase*>(object.get()));
        const gdt::Annotation model = gdt::ReadAnnotation(gdt::FieldsOf(*annotations.back()));
        check.Check(model, {std::nullopt, model.name, annotations.size() - 1}, flag);
    }
    check.Finish(flag);
    return flagged;
}

}  // namespace draftlift_tool
