// Feature-control-frame rows: sub-frames with their characteristic symbol,
// and the controls of each sub-frame with their compartment texts.

#include <boost/shared_ptr.hpp>

#include "draftlift/draftlift.h"
#include "host/WinTypes.h"
#include "host/kscene/KMBD.h"
#include "sdk/Handles.h"
#include "sdk/annotation/Annotations.h"
#include "sdk/annotation/TextConversion.h"

namespace {

using sdk::annotation::AssignIfGiven;

// In record order, so that a failure part-way leaves the earlier ones written.
void Apply(KMBDControl& control, const KSDKControlData& data) {
    AssignIfGiven(control.toleranceText, data.toleranceText);
    AssignIfGiven(control.datumRef1Text, data.datumRef1Text);
    AssignIfGiven(control.datumRef2Text, data.datumRef2Text);
    AssignIfGiven(control.datumRef3Text, data.datumRef3Text);
    AssignIfGiven(control.controlText5, data.controlText5);
}

}  // namespace

extern "C" {

// The annotation keeps the sub-frame; its address is the handle.
KSDK_API KSDKHandle KSDKAddFrame(KSDKHandle annotation) {
    return sdk::Guarded<KSDKHandle>(nullptr, [&] {
        KMBDBase& owner = sdk::Expect<KMBDBase>(annotation);
        return sdk::annotation::PartHandle(owner.AddSubFrame().get());
    });
}

KSDK_API void KSDKSetFrameSymbol(KSDKHandle subFrame, char symbol) {
    sdk::Guarded([&] {
        KMBDSubFrame& frame = sdk::annotation::ExpectPart<KMBDSubFrame>(subFrame);
        const char text[] = {symbol, '\0'};
        // A zero character makes an empty symbol, as its text would.
        frame.symbolText = sdk::annotation::SymbolText(text);
    });
}

KSDK_API KSDKHandle KSDKAddControlToFrame(KSDKHandle subFrame) {
    return sdk::Guarded<KSDKHandle>(nullptr, [&] {
        KMBDSubFrame& frame = sdk::annotation::ExpectPart<KMBDSubFrame>(subFrame);
        return sdk::annotation::PartHandle(frame.AddControl().get());
    });
}

KSDK_API void KSDKInitControlData(KSDKControlData* data) {
    if (data == nullptr) return;
    data->toleranceText = nullptr;
    data->datumRef1Text = nullptr;
    data->datumRef2Text = nullptr;
    data->datumRef3Text = nullptr;
    data->controlText5 = nullptr;
}

KSDK_API void KSDKSetControlData(KSDKHandle control, const KSDKControlData* data) {
    if (control == nullptr || data == nullptr) return;
    sdk::Guarded([&] { Apply(sdk::annotation::ExpectPart<KMBDControl>(control), *data); });
}

}  // extern "C"
