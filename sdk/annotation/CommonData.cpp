// Anchor point and name of any annotation; a datum also shows its name as
// its label.
#include "draftlift/draftlift.h"
#include "host/kscene/KMBD.h"
#include "sdk/Handles.h"
#include "sdk/annotation/TextConversion.h"

namespace {

using sdk::annotation::AssignFlagged;

void Apply(KMBDBase& annotation, const KSDKCommonData& data) {
    const KSDKPoint3& anchor = data.anchorPoint;
    annotation.SetAnchorPoint({anchor.x, anchor.y, anchor.z});
    annotation.showName = false;
    if (data.name == nullptr) return;
    annotation.SetName(sdk::annotation::NameText(data.name));
    if (auto* datum = dynamic_cast<KMBDDatum*>(&annotation)) AssignFlagged(datum->datumLabel, data.name);
}

}  // namespace

extern "C" {

KSDK_API void KSDKInitCommonData(KSDKCommonData* data) {
    if (data == nullptr) return;
    data->anchorPoint = KSDKPoint3{0.0, 0.0, 0.0};
    data->name = nullptr;
}

// What was applied before a failure stays applied.
KSDK_API void KSDKSetCommonData(KSDKHandle annotation, const KSDKCommonData* data) {
    if (annotation == nullptr || data == nullptr) return;
    sdk::Guarded([&] { Apply(sdk::Expect<KMBDBase>(annotation), *data); });
}

}  // extern "C"
