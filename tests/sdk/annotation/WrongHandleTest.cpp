// Every function that takes an annotation handle, given each kind of handle
// it must refuse: it returns its failure value, throws nothing and leaves the
// whole scene as it was. The same call with an accepted handle does change
// something, so that a refusal is not mistaken for a call that does nothing.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <boost/make_shared.hpp>

#include "host/kscene/KCapturedView.h"
#include "tests/sdk/annotation/AnnotationFixture.h"

namespace annotation_tests {
namespace {

enum class Role { Null, Target, SubFrame, Control, Balloon, NamedView, Frame, Datum, Note, Dimension };

const char* NameOf(Role role) {
    static const std::map<Role, const char*> kNames = {
        {Role::Null, "null"},           {Role::Target, "target"},   {Role::SubFrame, "sub-frame"},
        {Role::Control, "control"},     {Role::Balloon, "balloon"}, {Role::NamedView, "named view"},
        {Role::Frame, "frame"},         {Role::Datum, "datum"},     {Role::Note, "note"},
        {Role::Dimension, "dimension"}};
    return kNames.at(role);
}

// Handles that are never an annotation.
const std::vector<Role> kNoAnnotation = {Role::Null,    Role::Target,  Role::SubFrame,
                                         Role::Control, Role::Balloon, Role::NamedView};

struct Call {
    const char* name;
    // Makes the call; true when the result is the function's failure value.
    std::function<bool(KSDKHandle)> failed;
    // The role the call is shown to work on.
    Role accepted;
    // Annotation kinds refused besides the handles that are no annotation.
    std::vector<Role> refusedKinds;
};

const char kText[] = "X";

std::vector<Call> Calls() {
    return {
        {"KSDKSetCommonData",
         [](KSDKHandle h) {
             KSDKCommonData data = CommonRecord();
             data.anchorPoint = {1, 2, 3};
             data.name = kText;
             KSDKSetCommonData(h, &data);
             return true;
         },
         Role::Frame, {}},
        {"KSDKSetMbdData",
         [](KSDKHandle h) {
             KSDKMbdData data = MbdRecord();
             data.text1 = data.text2 = data.text3 = data.datumLabel = data.text5 = kText;
             data.option1 = 9;
             KSDKSetMbdData(h, &data);
             return true;
         },
         Role::Note, {}},
        {"KSDKSetMbdDataExtra",
         [](KSDKHandle h) {
             const KSDKMbdDataExtra data = {4, 5};
             KSDKSetMbdDataExtra(h, &data);
             return true;
         },
         Role::Datum, {}},
        {"KSDKSetDatumData",
         [](KSDKHandle h) {
             KSDKDatumData data = DatumRecord();
             data.datumLabel = data.datumTargetText = kText;
             KSDKSetDatumData(h, &data);
             return true;
         },
         Role::Datum, {Role::Frame, Role::Note, Role::Dimension}},
        {"KSDKSetDimensionData",
         [](KSDKHandle h) {
             KSDKDimensionData data = DimensionRecord();
             data.dimensionNumber1 = data.dimensionNumber2 = 8;
             data.dimensionText1 = data.dimensionText2 = data.dimensionText3 = data.text2 = kText;
             KSDKSetDimensionData(h, &data);
             return true;
         },
         Role::Dimension, {Role::Frame, Role::Datum, Role::Note}},
        {"KSDKAddTarget", [](KSDKHandle h) { return KSDKAddTarget(h) == nullptr; }, Role::Note, {}},
        {"KSDKAddFrame", [](KSDKHandle h) { return KSDKAddFrame(h) == nullptr; }, Role::Datum, {}},
        {"KSDKAddWitnessSegment",
         [](KSDKHandle h) {
             const KSDKWitnessSegment segment = {{1, 1, 1}, {2, 2, 2}};
             KSDKAddWitnessSegment(h, &segment);
             return true;
         },
         Role::Dimension, {}},
        {"KSDKDeleteWitnessLines",
         [](KSDKHandle h) {
             KSDKDeleteWitnessLines(h);
             return true;
         },
         Role::Frame, {}},
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
        const KSDKWitnessSegment segment = {{0, 0, 0}, {1, 0, 0}};
        KSDKAddWitnessSegment(frame, &segment);
        const KSDKHandle control = KSDKAddControlToFrame(subFrame);
        const KSDKHandle balloon = KSDKCreateSubBalloon(frame, 0, nullptr);
        const auto view = boost::make_shared<KCapturedView>();
        standin::kscene::Scene().AddObject(view);
        m_handles = {{Role::Null, nullptr},
                     {Role::Target, KSDKAddTarget(frame)},
                     {Role::SubFrame, subFrame},
                     {Role::Control, control},
                     {Role::Balloon, balloon},
                     {Role::NamedView, static_cast<KObject*>(view.get())},
                     {Role::Frame, frame},
                     {Role::Datum, Create(KSDK_MBD_DATUM)},
                     {Role::Note, Create(KSDK_MBD_NOTE)},
                     {Role::Dimension, Create(KSDK_MBD_ANGLE_DIMENSION)}};
        for (const auto& [role, handle] : m_handles) {
            if (role != Role::Null) {
                ASSERT_NE(handle, nullptr) << NameOf(role);
            }
        }
    }

    std::map<Role, KSDKHandle> m_handles;
};

TEST_F(WrongHandle, IsRefusedWithTheFailureValueAndTheSceneUnchanged) {
    for (const Call& call : Calls()) {
        std::vector<Role> refused = kNoAnnotation;
        refused.insert(refused.end(), call.refusedKinds.begin(), call.refusedKinds.end());
        for (const Role role : refused) {
            const std::string before = SceneText();
            bool failed = false;
            EXPECT_NO_THROW(failed = call.failed(m_handles.at(role))) << call.name << " " << NameOf(role);
            EXPECT_TRUE(failed) << call.name << " with a " << NameOf(role) << " handle";
            EXPECT_EQ(SceneText(), before) << call.name << " with a " << NameOf(role) << " handle";
        }
    }
}

TEST_F(WrongHandle, TheSameCallsWorkOnAnAcceptedAnnotation) {
    for (const Call& call : Calls()) {
        const std::string before = SceneText();
        const bool failed = call.failed(m_handles.at(call.accepted));
        // Queries change nothing; they show acceptance through their result.
        EXPECT_TRUE(!failed || SceneText() != before) << call.name << " on a " << NameOf(call.accepted);
    }
}

// A null record (or segment) on an accepted annotation changes nothing either.
TEST_F(WrongHandle, NullRecordsChangeNothing) {
    const std::string before = SceneText();
    const KSDKHandle frame = m_handles.at(Role::Frame);
    const KSDKHandle datum = m_handles.at(Role::Datum);
    const KSDKHandle dimension = m_handles.at(Role::Dimension);
    KSDKSetCommonData(frame, nullptr);
    KSDKSetMbdData(frame, nullptr);
    KSDKSetMbdDataExtra(frame, nullptr);
    KSDKSetDatumData(datum, nullptr);
    KSDKSetDimensionData(dimension, nullptr);
    KSDKAddWitnessSegment(frame, nullptr);
    KSDKSetTargetPtData(m_handles.at(Role::Target), nullptr);
    KSDKSetControlData(m_handles.at(Role::Control), nullptr);
    KSDKSetMbdBalloonData(m_handles.at(Role::Balloon), nullptr);
    EXPECT_EQ(SceneText(), before);
}

// The part functions only refuse null: they take their handles untested.
TEST_F(WrongHandle, PartFunctionsRefuseNull) {
    const std::string before = SceneText();
    const KSDKTargetPtData target = TargetRecord();
    KSDKControlData control = ControlRecord();
    control.toleranceText = kText;
    const KSDKMbdBalloonData balloon = {kText};
    EXPECT_EQ(KSDKAddControlToFrame(nullptr), nullptr);
    KSDKSetTargetPtData(nullptr, &target);
    KSDKSetControlData(nullptr, &control);
    KSDKSetFrameSymbol(nullptr, 'x');
    KSDKSetMbdBalloonData(nullptr, &balloon);
    EXPECT_EQ(SceneText(), before);
}

// Once the scene database is cleared nothing is held at the old addresses.
TEST_F(WrongHandle, AnnotationsOfAClearedSceneAreRefused) {
    const KSDKHandle frame = m_handles.at(Role::Frame);
    // Keep the object alive so that its address cannot be reused.
    const auto kept = standin::kscene::Scene().GetObjectPtr(frame);
    ASSERT_TRUE(KSDKClearOrvantaDatabase());
    EXPECT_EQ(KSDKAddTarget(frame), nullptr);
    EXPECT_EQ(KSDKGetNumberOfPossibleSubBalloons(frame), -1);
    const std::size_t targets = dynamic_cast<const KMBDBase&>(*kept).Targets().size();
    EXPECT_EQ(targets, 1u);
}

}  // namespace
}  // namespace annotation_tests
