// The shown/hidden flag of scene objects, and recording it for every
// annotation into a named view.
#include <list>

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

#include "draftlift/draftlift.h"
#include "host/kscene/KCapturedView.h"
#include "host/kscene/KMBD.h"
#include "host/kscene/KObject.h"
#include "host/kscene/KScene.h"
#include "sdk/Handles.h"

namespace {

KCapturedView::VisibilitySet AnnotationVisibility(const KScene& scene) {
    std::list<boost::shared_ptr<KObject>> annotations;
    scene.GetAllObjectsOfType(annotations, is_kind_of<KMBDBase>());
    KCapturedView::VisibilitySet set;
    for (const auto& object : annotations) {
        const auto annotation = boost::static_pointer_cast<KSceneObject>(
            boost::static_pointer_cast<KMBDBase>(object));
        set.insert({annotation->visible != 0, boost::weak_ptr<KSceneObject>(annotation)});
    }
    return set;
}

}  // namespace

extern "C" {

KSDK_API void KSDKNamedViewRecordVisibility(KSDKHandle view) {
    if (view == nullptr) return;
    const KScene* scene = KD::GetScene();
    if (scene == nullptr) return;
    sdk::Guarded([&] { sdk::Expect<KCapturedView>(view).SetVisibilitySet(AnnotationVisibility(*scene)); });
}

KSDK_API void KSDKSetVisibility(KSDKHandle object, KSDKFlag visible) {
    if (object == nullptr) return;
    KScene* scene = KD::GetScene();
    if (scene == nullptr) return;
    sdk::Guarded([&] {
        sdk::Expect<KSceneObject>(object).visible = visible;
        // The flag alone does not reach the display.
        if (auto held = scene->GetObjectPtr(object)) scene->ObjectModified(held);
    });
}

KSDK_API KSDKFlag KSDKGetVisibility(KSDKHandle object) {
    return sdk::Guarded(KSDKFlag{0}, [&] { return KSDKFlag{sdk::Expect<KSceneObject>(object).visible}; });
}

}  // extern "C"
