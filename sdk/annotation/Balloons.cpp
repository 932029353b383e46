// Balloons of an annotation: the main balloon, one balloon per balloon row,
// their texts, and the row queries. None of this reports a change to the
// scene; the next finishing call does.
#include <boost/make_shared.hpp>
#include <boost/shared_ptr.hpp>

#include "draftlift/draftlift.h"
#include "host/WinTypes.h"
#include "host/kscene/KMBD.h"
#include "sdk/Handles.h"
#include "sdk/annotation/Annotations.h"
#include "sdk/annotation/TextConversion.h"

#include <cstdint>

namespace {

using BalloonPtr = boost::shared_ptr<KMBDBalloon>;

constexpr int32_t kNoRowCount = -1;

void SetText(KMBDBalloon& balloon, const KSDKMbdBalloonData* data) {
    if (data != nullptr && data->text != nullptr) balloon.text = sdk::annotation::SymbolText(data->text);
}

// Owned only here until handed to the annotation: dropped on any failure.
BalloonPtr NewBalloon(const KSDKMbdBalloonData* data) {
    auto balloon = boost::make_shared<KMBDBalloon>();
    SetText(*balloon, data);
    return balloon;
}

// Rows run from 0 to n - 1, so row n is refused like every row beyond it. The
// row is widened with its sign first: a negative row becomes a huge unsigned
// one and is refused too.
bool IsRow(const KMBDBase& annotation, int32_t row) {
    const auto wide = static_cast<std::uint64_t>(static_cast<std::int64_t>(row));
    return wide < annotation.GetNumberOfPossibleBalloons();
}

}  // namespace

extern "C" {

KSDK_API void KSDKInitMbdBalloonData(KSDKMbdBalloonData* data) {
    if (data != nullptr) data->text = nullptr;
}

// The handle is taken as a balloon as it is.
KSDK_API void KSDKSetMbdBalloonData(KSDKHandle balloon, const KSDKMbdBalloonData* data) {
    if (balloon == nullptr || data == nullptr || data->text == nullptr) return;
    sdk::Guarded([&] { SetText(sdk::annotation::ExpectPart<KMBDBalloon>(balloon), data); });
}

KSDK_API KSDKHandle KSDKCreateMainBalloon(KSDKHandle annotation, const KSDKMbdBalloonData* data) {
    return sdk::Guarded<KSDKHandle>(nullptr, [&] {
        KMBDBase& owner = sdk::Expect<KMBDBase>(annotation);
        const BalloonPtr balloon = NewBalloon(data);
        owner.SetMainBalloon(balloon);
        return sdk::annotation::PartHandle(balloon.get());
    });
}

KSDK_API KSDKHandle KSDKCreateSubBalloon(KSDKHandle annotation, int32_t row,
                                         const KSDKMbdBalloonData* data) {
    return sdk::Guarded<KSDKHandle>(nullptr, [&]() -> KSDKHandle {
        KMBDBase& owner = sdk::Expect<KMBDBase>(annotation);
        const BalloonPtr balloon = NewBalloon(data);
        if (!IsRow(owner, row)) return nullptr;
        owner.SetSubBalloon(static_cast<std::uint64_t>(static_cast<std::int64_t>(row)), balloon);
        return sdk::annotation::PartHandle(balloon.get());
    });
}

// The count is cut to its low 32 bits.
KSDK_API int32_t KSDKGetNumberOfPossibleSubBalloons(KSDKHandle annotation) {
    return sdk::Guarded<int32_t>(kNoRowCount, [&] {
        const std::uint64_t rows =
            sdk::Expect<KMBDBase>(annotation).GetNumberOfPossibleBalloons();
        return static_cast<int32_t>(static_cast<std::uint32_t>(rows));
    });
}

KSDK_API bool KSDKIsBalloonRowVisible(KSDKHandle annotation, uint64_t row) {
    return sdk::Guarded<bool>(false, [&] {
        return sdk::Expect<KMBDBase>(annotation).IsBalloonRowVisible(row);
    });
}

}  // extern "C"
