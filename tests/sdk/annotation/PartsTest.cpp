// Targets with their id rules, sub-frames and controls, witness segments.
#include <array>
#include <tuple>

#include "standins/kscene/Access.h"
#include "tests/sdk/annotation/AnnotationFixture.h"
#include "tests/support/WideText.h"

namespace annotation_tests {
namespace {

using standin::kscene::Access;

using Parts = AnnotationTest;

// Every annotation class takes targets and sub-frames, each kept in order,
// and a sub-frame keeps its own controls.
TEST_F(Parts, EveryKindTakesTargetsSubFramesAndControlsInOrder) {
    for (const KSDKMbdKind kind : kAllKinds) {
        const KSDKHandle handle = Create(kind);
        const KSDKHandle targets[] = {KSDKAddTarget(handle), KSDKAddTarget(handle)};
        const KSDKHandle frames[] = {KSDKAddFrame(handle), KSDKAddFrame(handle)};
        const KSDKHandle controls[] = {KSDKAddControlToFrame(frames[0]), KSDKAddControlToFrame(frames[1]),
                                       KSDKAddControlToFrame(frames[1])};
        const KMBDBase& object = As(handle);
        ASSERT_TRUE(Access::Targets(object).size() == 2 && Access::SubFrames(object).size() == 2) << kind;
        EXPECT_TRUE(Access::Targets(object)[0].get() == targets[0] && Access::Targets(object)[1].get() == targets[1]) << kind;
        const auto& f = Access::SubFrames(object);
        EXPECT_TRUE(f[0].get() == frames[0] && f[1].get() == frames[1]) << kind;
        ASSERT_TRUE(Access::Controls(*f[0]).size() == 1 && Access::Controls(*f[1]).size() == 2) << kind;
        EXPECT_TRUE(Access::Controls(*f[0])[0].get() == controls[0] && Access::Controls(*f[1])[0].get() == controls[1] &&
                    Access::Controls(*f[1])[1].get() == controls[2])
            << kind;
    }
}

// Ids start at 10, 20, 30, 40; -1 leaves an id, and the fourth is written
// only together with the third. Point and option are written every time.
TEST_F(Parts, TargetRecordsFollowTheIdRules) {
    using Ids = std::array<std::int32_t, 4>;
    struct Case {
        Ids given, expected;
        std::uint8_t option;
        KSDKPoint3 point;
    };
    const Case kCases[] = {
        {{-1, -1, -1, -1}, {10, 20, 30, 40}, 0, {0, 0, 0}},  // the record as Init leaves it
        {{1, 2, 3, 4}, {1, 2, 3, 4}, 0x40, {4.0, 5.0, -6.0}},
        {{1, -1, -1, -1}, {1, 20, 30, 40}, 1, {-1, 0, 0}},
        {{-1, 2, -1, -1}, {10, 2, 30, 40}, 0, {0, 0, 0}},
        {{-1, -1, -1, 7}, {10, 20, 30, 40}, 0, {0, 0, 0}},
        {{-1, -1, 5, 7}, {10, 20, 5, 7}, 0, {0, 0, 0}},
        {{-1, -1, 5, -1}, {10, 20, 5, 40}, 0, {0, 0, 0}},
        {{0, 0, 0, 0}, {0, 0, 0, 0}, 0, {0, 0, 0}},
        {{-2, -2, -2, -2}, {-2, -2, -2, -2}, 0, {0, 0, 0}},
    };
    const KSDKHandle frame = Create(KSDK_MBD_FEATURE_CONTROL_FRAME);
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "given " << testing::PrintToString(c.given));
        KMBDTarget& target = *static_cast<KMBDTarget*>(KSDKAddTarget(frame));
        // Option, point and ids left by an earlier record.
        target.targetOption = c.option == 0;
        target.SetTargetPoint(KPt3<double>{7, 7, 7});
        std::tie(target.targetId1, target.targetId2, target.targetId3, target.targetId4) = std::tuple(10, 20, 30, 40);
        const KSDKTargetPtData data = {c.option, c.point, c.given[0], c.given[1], c.given[2], c.given[3]};
        KSDKSetTargetPtData(&target, &data);
        EXPECT_EQ((Ids{target.targetId1, target.targetId2, target.targetId3, target.targetId4}), c.expected);
        EXPECT_EQ(target.targetOption, c.option != 0);
        EXPECT_TRUE(Is(Access::TargetPoint(target), c.point.x, c.point.y, c.point.z));
    }
}

TEST_F(Parts, FrameSymbolIsOneConvertedCharacter) {
    const KSDKHandle frame = KSDKAddFrame(Create(KSDK_MBD_FEATURE_CONTROL_FRAME));
    const KMBDSubFrame& subFrame = *static_cast<KMBDSubFrame*>(frame);
    const std::string symbol = WithSymbol(KMBDBase::Symbol13, "");
    KSDKSetFrameSymbol(frame, symbol[0]);
    EXPECT_EQ(subFrame.symbolText, KTextObject::ConvertMBDsymbolText(symbol));
    ASSERT_EQ(subFrame.symbolText.size(), 1u);
    KSDKSetFrameSymbol(frame, 'x');
    EXPECT_EQ(subFrame.symbolText, u"x"_w) << "replaces the previous symbol";
}

TEST_F(Parts, ControlTextsAreReplacedOnlyWhenGiven) {
    const KSDKHandle handle = KSDKAddControlToFrame(KSDKAddFrame(Create(KSDK_MBD_FEATURE_CONTROL_FRAME)));
    const KMBDControl& control = *static_cast<KMBDControl*>(handle);
    const auto texts = [&] {
        return control.datumRef1Text + control.datumRef2Text + control.datumRef3Text + control.controlText5;
    };
    const std::string tolerance = WithSymbol(KMBDBase::Symbol8, "0.05");
    KSDKControlData data = {tolerance.c_str(), "A", "B", "C", "5"};
    KSDKSetControlData(handle, &data);
    EXPECT_EQ(control.toleranceText, KTextObject::ConvertMBDsymbolText(tolerance));
    EXPECT_EQ(control.toleranceText.substr(1), u"0.05"_w);
    EXPECT_EQ(texts(), u"ABC5"_w);
    // A record straight from Init changes nothing; one text replaces one.
    data = InitFilled(KSDKInitControlData);
    KSDKSetControlData(handle, &data);
    data.datumRef2Text = "D";
    KSDKSetControlData(handle, &data);
    EXPECT_EQ(control.toleranceText.substr(1), u"0.05"_w);
    EXPECT_EQ(texts(), u"ADC5"_w);
}

TEST_F(Parts, WitnessSegmentsAccumulateUntilDeleted) {
    const KSDKHandle dimension = Create(KSDK_MBD_TWO_POINT_DIMENSION);
    const KSDKWitnessSegment first = {{1, 2, 3}, {4, 5, 6}};
    const KSDKWitnessSegment second = {{7, 8, 9}, {10, 11, 12}};
    KSDKAddWitnessSegment(dimension, &first);
    KSDKAddWitnessSegment(dimension, &second);
    const auto& segments = Access::WitnessSegments(As(dimension));
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_TRUE(Is(segments[0].first, 1, 2, 3) && Is(segments[0].second, 4, 5, 6));
    EXPECT_TRUE(Is(segments[1].first, 7, 8, 9) && Is(segments[1].second, 10, 11, 12));
    KSDKDeleteWitnessLines(dimension);
    EXPECT_TRUE(segments.empty());
    KSDKAddWitnessSegment(dimension, &second);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].first.x, 7);
}

}  // namespace
}  // namespace annotation_tests
