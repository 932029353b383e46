// The flagged texts and option bytes every annotation has.
#include "draftlift/draftlift.h"
#include "host/kscene/KMBD.h"
#include "sdk/Handles.h"
#include "sdk/annotation/TextConversion.h"

namespace {

using sdk::annotation::AssignFlagged;

// In this order, so that a failure part-way leaves the earlier ones written.
void Apply(KMBDBase& annotation, const KSDKMbdData& data) {
    AssignFlagged(annotation.text1, data.text1);
    AssignFlagged(annotation.text2, data.text2);
    AssignFlagged(annotation.datumLabel, data.datumLabel);
    AssignFlagged(annotation.text5, data.text5);
    AssignFlagged(annotation.text3, data.text3);
    annotation.option1 = data.option1;
}

}  // namespace

extern "C" {

KSDK_API void KSDKInitMbdData(KSDKMbdData* data) {
    if (data == nullptr) return;
    data->text1 = nullptr;
    data->text2 = nullptr;
    data->text3 = nullptr;
    data->datumLabel = nullptr;
    data->text5 = nullptr;
    data->option1 = 0;
}

// A handle of the wrong kind is simply passed over.
KSDK_API void KSDKSetMbdData(KSDKHandle annotation, const KSDKMbdData* data) {
    if (annotation == nullptr || data == nullptr) return;
    sdk::Guarded([&] {
        if (auto* mbd = sdk::Find<KMBDBase>(annotation)) Apply(*mbd, *data);
    });
}

KSDK_API void KSDKSetMbdDataExtra(KSDKHandle annotation, const KSDKMbdDataExtra* data) {
    if (annotation == nullptr || data == nullptr) return;
    sdk::Guarded([&] {
        if (auto* mbd = sdk::Find<KMBDBase>(annotation)) {
            mbd->option2 = data->option2;
            mbd->option3 = data->option3;
        }
    });
}

}  // extern "C"
