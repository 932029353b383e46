// A caller in another module sees exceptions only from the functions that let
// them through: the four create functions and the forwarders to the scene and
// core libraries. Every other exported function catches what the outside
// components throw and answers with its failure result. Functions that call
// nothing outside (versions, Init functions, the temporary-creation flag, the
// option bytes, the visibility query) have nothing to catch.
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "draftlift/draftlift.h"
#include "standins/kscene/KSceneStandIn.h"
#include "standins/orvanta/OrvantaStandIn.h"
#include "tests/support/StandIns.h"
#include "tests/support/TextRecords.h"

namespace {

// Objects of every kind, made while the outside components still work.
struct Handles {
    KSDKHandle frame = KSDKCreateMbd(KSDK_MBD_FEATURE_CONTROL_FRAME);
    KSDKHandle datum = KSDKCreateMbd(KSDK_MBD_DATUM_TARGET);
    KSDKHandle dimension = KSDKCreateMbd(KSDK_MBD_TWO_POINT_DIMENSION);
    KSDKHandle target = KSDKAddTarget(frame);
    KSDKHandle subFrame = KSDKAddFrame(frame);
    KSDKHandle control = KSDKAddControlToFrame(subFrame);
    KSDKHandle balloon = KSDKCreateMainBalloon(frame, nullptr);
    KSDKHandle view = KSDKCreateNamedView();
    KSDKHandle group = KSDKCreateGroup(&frame, 1, "G");
    KSDKHandle cloud = KSDKCreateCloud();
    KSDKHandle mesh = KSDKCreateMesh();
    KSDKTabState* tabs = KSDKGetOrvantaTabStateAndRestoreMcamTabs();
};

using namespace testing_support;

// Runs `call` with the outside components failing; the answer is the message
// of the exception that reached this caller, or empty.
std::string Escaping(const std::function<void()>& call) {
    standin::kscene::FailOperations(true);
    standin::orvanta::Tabs().failing = true;
    std::string escaped;
    try {
        call();
    } catch (const std::runtime_error& error) {
        escaped = error.what();
    }
    standin::kscene::FailOperations(false);
    standin::orvanta::Tabs().failing = false;
    return escaped;
}

class Boundary : public testing_support::FreshHost {
protected:
    void SetUp() override {
        testing_support::FreshHost::SetUp();
        handles.emplace();
    }
    void TearDown() override {
        // What a failed call left to its caller is given back.
        KSDKRestoreOrvantaTabState(h().tabs);
        KSDKDiscardObject(h().cloud);
        KSDKDiscardObject(h().mesh);
        testing_support::FreshHost::TearDown();
    }
    Handles& h() { return *handles; }

private:
    std::optional<Handles> handles;
};

TEST_F(Boundary, CreateFunctionsAndForwardersLetTheFailureThrough) {
    const struct {
        const char* name;
        std::function<void()> call;
        const char* escaped;
    } cases[] = {
        {"KSDKCreateMbd", [] { KSDKCreateMbd(KSDK_MBD_DATUM); }, "scene library failure"},
        {"KSDKCreateNamedView", [] { KSDKCreateNamedView(); }, "scene library failure"},
        {"KSDKCreateCloud", [] { KSDKCreateCloud(); }, "scene library failure"},
        {"KSDKCreateMesh", [] { KSDKCreateMesh(); }, "scene library failure"},
        {"KSDKGetSymbolChar", [] { KSDKGetSymbolChar(0); }, "scene library failure"},
        {"KSDKClearOrvantaDatabase", [] { KSDKClearOrvantaDatabase(); }, "scene library failure"},
        {"KSDKGetOrvantaTabStateAndRestoreMcamTabs", [] { KSDKGetOrvantaTabStateAndRestoreMcamTabs(); },
         "core library failure"},
        // The block is given back all the same.
        {"KSDKRestoreOrvantaTabState", [&] { KSDKRestoreOrvantaTabState(std::exchange(h().tabs, nullptr)); },
         "core library failure"},
    };
    for (const auto& c : cases) EXPECT_EQ(Escaping(c.call), c.escaped) << c.name;
}

TEST_F(Boundary, EveryOtherFunctionCatchesAndAnswersWithItsFailureResult) {
    const KSDKNamedViewData view = {kText, 1, 0, 0, 1, {1, 0, 0, 0, 1, 0, 0, 0, 1}, nullptr, 0, nullptr, 0};
    const KSDKGeneralInfo info = {kText, 1, {1, 1, 1, 1}};
    const double points[] = {0, 0, 0};
    const KSDKVertices vertices = {points, 1, nullptr, nullptr, nullptr};
    const std::uint32_t corners[] = {0, 0, 0};
    const KSDKFaces faces = {corners, 1, nullptr};
    const KSDKTransform transform = {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};

    // Each case answers whether the call gave its failure result.
    const struct {
        const char* name;
        std::function<bool()> call;
    } cases[] = {
        {"KSDKFinishMbd", [&] { return KSDKFinishMbd(h().frame), true; }},
        {"KSDKSetCommonData", [&] { return KSDKSetCommonData(h().frame, &kCommon), true; }},
        {"KSDKSetMbdData", [&] { return KSDKSetMbdData(h().frame, &kMbd), true; }},
        {"KSDKSetDatumData", [&] { return KSDKSetDatumData(h().datum, &kDatum), true; }},
        {"KSDKSetDimensionData", [&] { return KSDKSetDimensionData(h().dimension, &kDimension), true; }},
        {"KSDKSetFrameSymbol", [&] { return KSDKSetFrameSymbol(h().subFrame, 'x'), true; }},
        {"KSDKAddTarget", [&] { return KSDKAddTarget(h().frame) == nullptr; }},
        {"KSDKSetTargetPtData", [&] { return KSDKSetTargetPtData(h().target, &kTarget), true; }},
        {"KSDKAddFrame", [&] { return KSDKAddFrame(h().frame) == nullptr; }},
        {"KSDKAddControlToFrame", [&] { return KSDKAddControlToFrame(h().subFrame) == nullptr; }},
        {"KSDKSetControlData", [&] { return KSDKSetControlData(h().control, &kControl), true; }},
        {"KSDKAddWitnessSegment", [&] { return KSDKAddWitnessSegment(h().frame, &kSegment), true; }},
        {"KSDKDeleteWitnessLines", [&] { return KSDKDeleteWitnessLines(h().frame), true; }},
        {"KSDKSetMbdBalloonData", [&] { return KSDKSetMbdBalloonData(h().balloon, &kBalloon), true; }},
        {"KSDKCreateMainBalloon", [&] { return KSDKCreateMainBalloon(h().frame, &kBalloon) == nullptr; }},
        {"KSDKCreateSubBalloon", [&] { return KSDKCreateSubBalloon(h().frame, 0, &kBalloon) == nullptr; }},
        {"KSDKGetNumberOfPossibleSubBalloons", [&] { return KSDKGetNumberOfPossibleSubBalloons(h().frame) == -1; }},
        {"KSDKIsBalloonRowVisible", [&] { return !KSDKIsBalloonRowVisible(h().frame, 0); }},
        {"KSDKSetNamedViewData", [&] { return KSDKSetNamedViewData(h().view, &view), true; }},
        {"KSDKFinishNamedView", [&] { return KSDKFinishNamedView(h().view), true; }},
        {"KSDKNamedViewRecordVisibility", [&] { return KSDKNamedViewRecordVisibility(h().view), true; }},
        {"KSDKNamedViewRecordLevelState", [&] { return KSDKNamedViewRecordLevelState(h().view), true; }},
        {"KSDKSetVisibility", [&] { return KSDKSetVisibility(h().frame, false), true; }},
        {"KSDKCreateGroup", [&] { return KSDKCreateGroup(&h().frame, 1, "H") == nullptr; }},
        {"KSDKSetGroupName", [&] { return KSDKSetGroupName(h().group, "H"), true; }},
        {"KSDKSetGeneralInfo", [&] { return KSDKSetGeneralInfo(h().cloud, &info) == -1; }},
        {"KSDKSetVertices", [&] { return KSDKSetVertices(h().cloud, &vertices) == -1; }},
        {"KSDKSetFaces", [&] { return KSDKSetFaces(h().mesh, &faces) == -1; }},
        {"KSDKSetLocalTransform", [&] { return KSDKSetLocalTransform(h().cloud, &transform) == -1; }},
        {"KSDKFinishObject", [&] { return KSDKFinishObject(h().cloud) == -1; }},
        {"KSDKDiscardObject", [&] { return KSDKDiscardObject(h().mesh) == -1; }},
    };
    for (const auto& c : cases) {
        bool failed = false;
        EXPECT_EQ(Escaping([&] { failed = c.call(); }), "") << c.name;
        EXPECT_TRUE(failed) << c.name;
    }
}

}  // namespace
