// Named views: creating one in the scene, its record defaults, applying a
// record, and announcing the finished view with its undo point.
#include <algorithm>
#include <iterator>

#include <boost/make_shared.hpp>
#include <boost/shared_ptr.hpp>

#include "draftlift/draftlift.h"
#include "host/kscene/KCapturedView.h"
#include "host/kscene/KObject.h"
#include "host/kscene/KScene.h"
#include "sdk/Handles.h"
#include "sdk/ListedObject.h"
#include "sdk/TextConversion.h"
#include "sdk/view/ViewDescription.h"

namespace {

constexpr char kUndoLabel[] = "Import Named View";

constexpr KSDKNamedViewData kDefaults = {
    nullptr,  // name
    0,        // hasView
    0.0,      // viewParam1
    0.0,      // viewParam2
    1.0,      // viewParam3
    {1.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 1.0},
    nullptr, 0,  // shown
    nullptr, 0,  // hidden
};

void Apply(KCapturedView& view, const KSDKNamedViewData& data) {
    if (data.name != nullptr) view.SetName(sdk::AnsiToWide(data.name));
    view.hasView = data.hasView;
    if (data.hasView != 0) view.SetView(sdk::view::DescribeView(data));
    // Without listed objects the visibility set stays as it is.
    if (data.shownCount == 0 && data.hiddenCount == 0) return;
    const KScene* scene = KD::GetScene();
    if (scene == nullptr) return;
    view.SetVisibilitySet(sdk::view::ListedVisibility(*scene, data));
}

}  // namespace

extern "C" {

// Failures of the scene library reach the caller.
KSDK_API KSDKHandle KSDKCreateNamedView(void) {
    KScene* scene = KD::GetScene();
    if (scene == nullptr) return nullptr;
    const auto view = boost::make_shared<KCapturedView>();
    scene->AddObject(view);
    return static_cast<KObject*>(view.get());
}

KSDK_API void KSDKInitNamedViewData(KSDKNamedViewData* data) {
    if (data == nullptr) return;
    // Field by field: the gaps of the caller's record are left alone.
    data->name = kDefaults.name;
    data->hasView = kDefaults.hasView;
    data->viewParam1 = kDefaults.viewParam1;
    data->viewParam2 = kDefaults.viewParam2;
    data->viewParam3 = kDefaults.viewParam3;
    std::copy(std::begin(kDefaults.viewMatrix), std::end(kDefaults.viewMatrix), data->viewMatrix);
    data->shownObjects = kDefaults.shownObjects;
    data->shownCount = kDefaults.shownCount;
    data->hiddenObjects = kDefaults.hiddenObjects;
    data->hiddenCount = kDefaults.hiddenCount;
}

// What was applied before a failure stays applied.
KSDK_API void KSDKSetNamedViewData(KSDKHandle view, const KSDKNamedViewData* data) {
    if (view == nullptr || data == nullptr) return;
    sdk::Guarded([&] { Apply(sdk::Expect<KCapturedView>(view), *data); });
}

KSDK_API void KSDKFinishNamedView(KSDKHandle view) {
    if (view == nullptr) return;
    KScene* scene = KD::GetScene();
    if (scene == nullptr) return;
    sdk::Guarded([&] {
        if (const auto held = sdk::ListedObject<KCapturedView>(*scene, view)) scene->ObjectModified(held);
        KD::SetUndoPoint(kUndoLabel);
    });
}

}  // extern "C"
