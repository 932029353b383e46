// Shared ground for the annotation tests: fresh stand-ins with the
// temporary-creation flag off, annotations made through the interface and
// read back as the scene's objects, and the scene as JSON for before/after
// comparisons.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "draftlift/draftlift.h"
#include "host/kscene/KMBD.h"
#include "platform/kscene/KSceneStandIn.h"
#include "platform/kscene/SceneJson.h"
#include "tests/support/StandIns.h"

namespace annotation_tests {

constexpr KSDKMbdKind kAllKinds[] = {
    KSDK_MBD_FEATURE_CONTROL_FRAME, KSDK_MBD_DATUM,       KSDK_MBD_DATUM_TARGET,
    KSDK_MBD_TWO_POINT_DIMENSION,   KSDK_MBD_ANGLE_DIMENSION, KSDK_MBD_NOTE,
    KSDK_MBD_RADIUS_DIMENSION,      KSDK_MBD_DIAMETER_DIMENSION};

constexpr KSDKMbdKind kDimensionKinds[] = {KSDK_MBD_TWO_POINT_DIMENSION, KSDK_MBD_ANGLE_DIMENSION,
                                           KSDK_MBD_RADIUS_DIMENSION, KSDK_MBD_DIAMETER_DIMENSION};

class AnnotationTest : public testing_support::FreshHost {
protected:
    void SetUp() override {
        FreshHost::SetUp();
        KSDKSetCreateTempMbd(false);
    }
    void TearDown() override {
        KSDKSetCreateTempMbd(false);
        FreshHost::TearDown();
    }

    // The object behind an annotation handle, as the scene holds it.
    template <class T = KMBDBase>
    static T& As(KSDKHandle handle) {
        return dynamic_cast<T&>(*standin::kscene::Scene().GetObjectPtr(handle));
    }
    static KSDKHandle Create(KSDKMbdKind kind) {
        const KSDKHandle handle = KSDKCreateMbd(kind);
        EXPECT_NE(handle, nullptr) << "kind " << kind;
        return handle;
    }
    static std::string SceneText() { return scenejson::SceneJsonText(); }
    static const std::vector<std::string>& Undo() { return standin::kscene::UndoPoints(); }
    static int Notices(KSDKHandle handle) {
        return standin::kscene::Scene().impl().ModifiedCount(static_cast<const KObject*>(handle));
    }
    // A text holding the narrow character of a scene symbol, and the same
    // text as the scene shows it.
    static std::string WithSymbol(KMBDBase::MBDSymbol symbol, const std::string& rest) {
        return std::string(1, KSDKGetSymbolChar(symbol)) + rest;
    }
};

inline KSDKMbdData MbdRecord() {
    KSDKMbdData data;
    KSDKInitMbdData(&data);
    return data;
}

inline KSDKCommonData CommonRecord() {
    KSDKCommonData data;
    KSDKInitCommonData(&data);
    return data;
}

inline KSDKTargetPtData TargetRecord() {
    KSDKTargetPtData data;
    KSDKInitTargetPtData(&data);
    return data;
}

inline KSDKControlData ControlRecord() {
    KSDKControlData data;
    KSDKInitControlData(&data);
    return data;
}

inline KSDKDimensionData DimensionRecord() {
    KSDKDimensionData data;
    KSDKInitDimensionData(&data);
    return data;
}

inline KSDKDatumData DatumRecord() {
    KSDKDatumData data;
    KSDKInitDatumData(&data);
    return data;
}

}  // namespace annotation_tests
