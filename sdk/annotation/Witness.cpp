// Witness segments of any annotation: added one at a time, deleted all at once.
#include "draftlift/draftlift.h"
#include "host/kscene/KMBD.h"
#include "host/kscene/KObject.h"
#include "sdk/Handles.h"

namespace {

KPt3<double> ScenePoint(const KSDKPoint3& point) { return {point.x, point.y, point.z}; }

}  // namespace

extern "C" {

KSDK_API void KSDKAddWitnessSegment(KSDKHandle annotation, const KSDKWitnessSegment* segment) {
    if (annotation == nullptr || segment == nullptr) return;
    sdk::Guarded([&] {
        sdk::Expect<KMBDBase>(annotation)
            .AddWitnessSegment(ScenePoint(segment->start), ScenePoint(segment->end));
    });
}

KSDK_API void KSDKDeleteWitnessLines(KSDKHandle annotation) {
    if (annotation == nullptr) return;
    sdk::Guarded([&] { sdk::Expect<KMBDBase>(annotation).DeleteWitnessLines(); });
}

}  // extern "C"
