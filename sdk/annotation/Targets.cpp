// Target points: added to any annotation, then given a point, an option and
// up to four ids.
#include <boost/make_shared.hpp>
#include <boost/shared_ptr.hpp>

#include "draftlift/draftlift.h"
#include "host/kscene/KMBD.h"
#include "host/kscene/KObject.h"
#include "sdk/Handles.h"
#include "sdk/annotation/Annotations.h"

#include <cstdint>

namespace {

constexpr std::int32_t kKeepId = -1;

void StoreId(std::int32_t& id, std::int32_t value) {
    if (value != kKeepId) id = value;
}

void Apply(KMBDTarget& target, const KSDKTargetPtData& data) {
    const KSDKPoint3& point = data.targetPoint;
    target.SetTargetPoint(KPt3<double>{point.x, point.y, point.z});
    target.targetOption = data.targetOption != 0;
    StoreId(target.targetId1, data.targetId1);
    StoreId(target.targetId2, data.targetId2);
    // The fourth id only travels together with the third.
    if (data.targetId3 == kKeepId) return;
    target.targetId3 = data.targetId3;
    StoreId(target.targetId4, data.targetId4);
}

}  // namespace

extern "C" {

KSDK_API KSDKHandle KSDKAddTarget(KSDKHandle annotation) {
    return sdk::Guarded<KSDKHandle>(nullptr, [&] {
        KMBDBase& owner = sdk::Expect<KMBDBase>(annotation);
        const auto target = boost::make_shared<KMBDTarget>();
        owner.AddTarget(target);
        return sdk::annotation::PartHandle(target.get());
    });
}

// Writes the option byte, the point and the ids; the padding stays.
KSDK_API void KSDKInitTargetPtData(KSDKTargetPtData* data) {
    if (data == nullptr) return;
    data->targetOption = 0;
    data->targetPoint = KSDKPoint3{0.0, 0.0, 0.0};
    data->targetId1 = kKeepId;
    data->targetId2 = kKeepId;
    data->targetId3 = kKeepId;
    data->targetId4 = kKeepId;
}

KSDK_API void KSDKSetTargetPtData(KSDKHandle target, const KSDKTargetPtData* data) {
    if (target == nullptr || data == nullptr) return;
    sdk::Guarded([&] { Apply(sdk::annotation::ExpectPart<KMBDTarget>(target), *data); });
}

}  // extern "C"
