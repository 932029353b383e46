// Shared ground for the annotation tests: fresh stand-ins with the
// temporary-creation flag off, annotations made through the interface and
// read back as the scene's objects, records as Init leaves them, and the
// scene as JSON for before/after comparisons.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "draftlift/draftlift.h"
#include "host/kscene/KMBD.h"
#include "standins/kscene/KSceneStandIn.h"
#include "standins/kscene/SceneJson.h"
#include "tests/support/FilledRecords.h"
#include "tests/support/StandIns.h"

namespace annotation_tests {

constexpr KSDKMbdKind kAllKinds[] = {
    KSDK_MBD_FEATURE_CONTROL_FRAME, KSDK_MBD_DATUM,       KSDK_MBD_DATUM_TARGET,
    KSDK_MBD_TWO_POINT_DIMENSION,   KSDK_MBD_ANGLE_DIMENSION, KSDK_MBD_NOTE,
    KSDK_MBD_RADIUS_DIMENSION,      KSDK_MBD_DIAMETER_DIMENSION};

constexpr KSDKMbdKind kDimensionKinds[] = {KSDK_MBD_TWO_POINT_DIMENSION, KSDK_MBD_ANGLE_DIMENSION,
                                           KSDK_MBD_RADIUS_DIMENSION, KSDK_MBD_DIAMETER_DIMENSION};

// Records as their Init function leaves them.
using testing_support::InitFilled;
using testing_support::Untouched;

template <class Point>
bool Is(const Point& p, double x, double y, double z) {
    return p.x == x && p.y == y && p.z == z;
}

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
    // A text holding the narrow character of a scene symbol.
    static std::string WithSymbol(KMBDBase::MBDSymbol symbol, const std::string& rest) {
        return std::string(1, KSDKGetSymbolChar(symbol)) + rest;
    }
};

}  // namespace annotation_tests
