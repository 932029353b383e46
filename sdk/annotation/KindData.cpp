// The texts and numbers of datums, datum targets and dimensions.
#include "draftlift/draftlift.h"
#include "host/kscene/KMBD.h"
#include "sdk/Handles.h"
#include "sdk/annotation/TextConversion.h"

namespace {

using sdk::annotation::AssignFlagged;
using sdk::annotation::AssignIfGiven;

// Never disables the label: a missing one leaves it as it is.
void Apply(KMBDDatum& datum, const KSDKDatumData& data) {
    if (data.datumLabel != nullptr) AssignFlagged(datum.datumLabel, data.datumLabel);
    if (auto* target = dynamic_cast<KMBDDatumTarget*>(&datum)) {
        AssignIfGiven(target->datumTargetText, data.datumTargetText);
    }
}

void Apply(KMBDDimension& dimension, const KSDKDimensionData& data) {
    dimension.dimensionNumber1 = data.dimensionNumber1;
    AssignFlagged(dimension.dimensionText1, data.dimensionText1);
    AssignIfGiven(dimension.dimensionText3, data.dimensionText3);
    AssignIfGiven(dimension.dimensionText2, data.dimensionText2);
    dimension.dimensionNumber2 = data.dimensionNumber2;
    AssignFlagged(dimension.text2, data.text2);
}

}  // namespace

extern "C" {

KSDK_API void KSDKInitDatumData(KSDKDatumData* data) {
    if (data == nullptr) return;
    data->datumLabel = nullptr;
    data->datumTargetText = nullptr;
}

KSDK_API void KSDKSetDatumData(KSDKHandle datum, const KSDKDatumData* data) {
    if (datum == nullptr || data == nullptr) return;
    sdk::Guarded([&] { Apply(sdk::Expect<KMBDDatum>(datum), *data); });
}

KSDK_API void KSDKInitDimensionData(KSDKDimensionData* data) {
    if (data == nullptr) return;
    data->dimensionNumber1 = 0;
    data->dimensionText1 = nullptr;
    data->dimensionText2 = nullptr;
    data->dimensionText3 = nullptr;
    data->dimensionNumber2 = 0;
    data->text2 = nullptr;
}

KSDK_API void KSDKSetDimensionData(KSDKHandle dimension, const KSDKDimensionData* data) {
    if (dimension == nullptr || data == nullptr) return;
    sdk::Guarded([&] { Apply(sdk::Expect<KMBDDimension>(dimension), *data); });
}

}  // extern "C"
