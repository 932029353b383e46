// Every function that takes an annotation handle, given each kind of object
// handle it must refuse: it returns its failure value, throws nothing and
// leaves the whole scene as it was. (The handles of an annotation's parts and
// of groups name no object of the scene library, so no type test can be made
// on them; they are never given where an annotation is expected.) The same call with an accepted handle does change
// something, so that a refusal is not mistaken for a call that does nothing.
// Both hold whether or not the scene library reports a scene: the handle's
// own run-time type decides, not a lookup in the scene.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <boost/make_shared.hpp>

#include "host/kscene/KCapturedView.h"
#include "tests/sdk/annotation/AnnotationFixture.h"
#include "tests/support/TextRecords.h"

namespace annotation_tests {
namespace {

enum class Role { Null, Target, Control, Balloon, NamedView, Cloud, Frame, Datum, Note, Dimension };

const char* NameOf(Role role) {
    static const char* const kNames[] = {"null",  "target", "control", "balloon", "named view",
                                         "cloud", "frame",  "datum",   "note",    "dimension"};
    return kNames[static_cast<int>(role)];
}

// Handles that are never an annotation.
const std::vector<Role> kNoAnnotation = {Role::Null, Role::Target, Role::NamedView, Role::Cloud};

struct Call {
    const char* name;
    // Makes the call; true when the result is the function's failure value.
    std::function<bool(KSDKHandle)> failed;
    // The role the call is shown to work on.
    Role accepted;
    // Annotation kinds refused besides the handles that are no annotation.
    std::vector<Role> refusedKinds;
};

using namespace testing_support;  // records that change every field they can

// A function without a result has no failure value to show.
template <class F>
std::function<bool(KSDKHandle)> Void(F call) {
    return [call](KSDKHandle h) {
        call(h);
        return true;
    };
}

std::vector<Call> Calls() {
    return {
        {"KSDKSetCommonData", Void([](KSDKHandle h) { KSDKSetCommonData(h, &kCommon); }), Role::Frame, {}},
        {"KSDKSetMbdData", Void([](KSDKHandle h) { KSDKSetMbdData(h, &kMbd); }), Role::Note, {}},
        {"KSDKSetMbdDataExtra", Void([](KSDKHandle h) { KSDKSetMbdDataExtra(h, &kExtra); }), Role::Datum, {}},
        {"KSDKSetDatumData", Void([](KSDKHandle h) { KSDKSetDatumData(h, &kDatum); }), Role::Datum,
         {Role::Frame, Role::Note, Role::Dimension}},
        {"KSDKSetDimensionData", Void([](KSDKHandle h) { KSDKSetDimensionData(h, &kDimension); }),
         Role::Dimension, {Role::Frame, Role::Datum, Role::Note}},
        {"KSDKAddTarget", [](KSDKHandle h) { return KSDKAddTarget(h) == nullptr; }, Role::Note, {}},
        {"KSDKAddFrame", [](KSDKHandle h) { return KSDKAddFrame(h) == nullptr; }, Role::Datum, {}},
        {"KSDKAddWitnessSegment", Void([](KSDKHandle h) { KSDKAddWitnessSegment(h, &kSegment); }),
         Role::Dimension, {}},
        {"KSDKDeleteWitnessLines", Void(KSDKDeleteWitnessLines), Role::Frame, {}},
        {"KSDKCreateMainBalloon",
         [](KSDKHandle h) { return KSDKCreateMainBalloon(h, nullptr) == nullptr; }, Role::Note, {}},
        {"KSDKCreateSubBalloon",
         [](KSDKHandle h) { return KSDKCreateSubBalloon(h, 0, nullptr) == nullptr; }, Role::Dimension, {}},
        {"KSDKGetNumberOfPossibleSubBalloons",
         [](KSDKHandle h) { return KSDKGetNumberOfPossibleSubBalloons(h) == -1; }, Role::Frame, {}},
        {"KSDKIsBalloonRowVisible", [](KSDKHandle h) { return !KSDKIsBalloonRowVisible(h, 0); },
         Role::Frame, {}},
    };
}

class WrongHandle : public AnnotationTest {
protected:
    void SetUp() override {
        AnnotationTest::SetUp();
        const KSDKHandle frame = Create(KSDK_MBD_FEATURE_CONTROL_FRAME);
        const KSDKHandle subFrame = KSDKAddFrame(frame);
        KSDKAddWitnessSegment(frame, &kSegment);
        const KSDKHandle control = KSDKAddControlToFrame(subFrame);
        const KSDKHandle balloon = KSDKCreateSubBalloon(frame, 0, nullptr);
        const KSDKHandle note = Create(KSDK_MBD_NOTE);
        m_cloud = KSDKCreateCloud();
        m_handles = {{Role::Null, nullptr}, {Role::Target, KSDKAddTarget(frame)}, {Role::Control, control},
                     {Role::Balloon, balloon}, {Role::NamedView, KSDKCreateNamedView()}, {Role::Cloud, m_cloud},
                     {Role::Frame, frame}, {Role::Datum, Create(KSDK_MBD_DATUM)}, {Role::Note, note},
                     {Role::Dimension, Create(KSDK_MBD_ANGLE_DIMENSION)}};
        for (const auto& [role, handle] : m_handles) {
            ASSERT_TRUE(role == Role::Null || handle != nullptr) << NameOf(role);
        }
    }
    void TearDown() override {
        standin::kscene::SetScenePresent(true);
        KSDKDiscardObject(m_cloud);
        AnnotationTest::TearDown();
    }

    std::map<Role, KSDKHandle> m_handles;
    KSDKHandle m_cloud = nullptr;
};

// With a scene reported and without one.
class WrongHandleWithScene : public WrongHandle, public testing::WithParamInterface<bool> {};

TEST_P(WrongHandleWithScene, IsRefusedWithTheFailureValueAndTheSceneUnchanged) {
    standin::kscene::SetScenePresent(GetParam());
    for (const Call& call : Calls()) {
        std::vector<Role> refused = kNoAnnotation;
        refused.insert(refused.end(), call.refusedKinds.begin(), call.refusedKinds.end());
        for (const Role role : refused) {
            SCOPED_TRACE(testing::Message() << call.name << " with a " << NameOf(role) << " handle");
            const std::string before = SceneText();
            bool failed = false;
            EXPECT_NO_THROW(failed = call.failed(m_handles.at(role)));
            EXPECT_TRUE(failed);
            EXPECT_EQ(SceneText(), before);
        }
        // Queries change nothing; they show acceptance through their result.
        const std::string before = SceneText();
        const bool failed = call.failed(m_handles.at(call.accepted));
        EXPECT_TRUE(!failed || SceneText() != before) << call.name << " on a " << NameOf(call.accepted);
    }
}

INSTANTIATE_TEST_SUITE_P(Scene, WrongHandleWithScene, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "Present" : "Absent";
                         });

// A null record (or segment) on an accepted annotation changes nothing
// either, and the part functions, which take their handles untested, refuse
// only a null handle.
TEST_F(WrongHandle, NullRecordsAndNullPartsChangeNothing) {
    const std::string before = SceneText();
    const KSDKHandle frame = m_handles.at(Role::Frame);
    KSDKSetCommonData(frame, nullptr);
    KSDKSetMbdData(frame, nullptr);
    KSDKSetMbdDataExtra(frame, nullptr);
    KSDKSetDatumData(m_handles.at(Role::Datum), nullptr);
    KSDKSetDimensionData(m_handles.at(Role::Dimension), nullptr);
    KSDKAddWitnessSegment(frame, nullptr);
    KSDKSetTargetPtData(m_handles.at(Role::Target), nullptr);
    KSDKSetControlData(m_handles.at(Role::Control), nullptr);
    KSDKSetMbdBalloonData(m_handles.at(Role::Balloon), nullptr);

    EXPECT_EQ(KSDKAddControlToFrame(nullptr), nullptr);
    KSDKSetTargetPtData(nullptr, &kTarget);
    KSDKSetControlData(nullptr, &kControl);
    KSDKSetFrameSymbol(nullptr, 'x');
    KSDKSetMbdBalloonData(nullptr, &kBalloon);
    EXPECT_EQ(SceneText(), before);
}

}  // namespace
}  // namespace annotation_tests
