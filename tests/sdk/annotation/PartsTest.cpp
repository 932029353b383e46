// Targets with their id rules, sub-frames and controls, witness segments.
#include <cstring>

#include "tests/sdk/annotation/AnnotationFixture.h"

namespace annotation_tests {
namespace {

using Parts = AnnotationTest;

KMBDTarget& TargetAt(KSDKHandle handle) { return *static_cast<KMBDTarget*>(handle); }

TEST_F(Parts, EveryKindTakesTargetsAndSubFrames) {
    for (const KSDKMbdKind kind : kAllKinds) {
        const KSDKHandle handle = Create(kind);
        const KSDKHandle first = KSDKAddTarget(handle);
        const KSDKHandle second = KSDKAddTarget(handle);
        const KSDKHandle frame = KSDKAddFrame(handle);
        const KMBDBase& object = As(handle);
        ASSERT_EQ(object.Targets().size(), 2u) << kind;
        EXPECT_EQ(object.Targets()[0].get(), first);
        EXPECT_EQ(object.Targets()[1].get(), second);
        ASSERT_EQ(object.SubFrames().size(), 1u);
        EXPECT_EQ(object.SubFrames()[0].get(), frame);
    }
}

TEST_F(Parts, InitTargetRecordWritesItsFieldsOnly) {
    KSDKTargetPtData data;
    std::memset(&data, 0xAB, sizeof data);
    KSDKInitTargetPtData(&data);
    KSDKInitTargetPtData(nullptr);
    EXPECT_EQ(data.targetOption, 0);
    EXPECT_TRUE(data.targetPoint.x == 0.0 && data.targetPoint.y == 0.0 && data.targetPoint.z == 0.0);
    EXPECT_TRUE(data.targetId1 == -1 && data.targetId2 == -1 && data.targetId3 == -1 && data.targetId4 == -1);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&data);
    for (int gap = 1; gap < 8; ++gap) EXPECT_EQ(bytes[gap], 0xAB) << gap;
}

// Ids start at 10, 20, 30, 40; -1 leaves an id, and the fourth is written
// only together with the third.
TEST_F(Parts, TargetIdsFollowTheirRules) {
    struct Case {
        std::int32_t given[4];
        std::int32_t expected[4];
    };
    const Case kCases[] = {
        {{-1, -1, -1, -1}, {10, 20, 30, 40}},
        {{1, 2, 3, 4}, {1, 2, 3, 4}},
        {{1, -1, -1, -1}, {1, 20, 30, 40}},
        {{-1, 2, -1, -1}, {10, 2, 30, 40}},
        {{-1, -1, -1, 7}, {10, 20, 30, 40}},
        {{-1, -1, 5, 7}, {10, 20, 5, 7}},
        {{-1, -1, 5, -1}, {10, 20, 5, 40}},
        {{0, 0, 0, 0}, {0, 0, 0, 0}},
        {{-2, -2, -2, -2}, {-2, -2, -2, -2}},
    };
    const KSDKHandle frame = Create(KSDK_MBD_FEATURE_CONTROL_FRAME);
    for (const Case& c : kCases) {
        KMBDTarget& target = TargetAt(KSDKAddTarget(frame));
        target.targetId1 = 10;
        target.targetId2 = 20;
        target.targetId3 = 30;
        target.targetId4 = 40;
        KSDKTargetPtData data = TargetRecord();
        data.targetId1 = c.given[0];
        data.targetId2 = c.given[1];
        data.targetId3 = c.given[2];
        data.targetId4 = c.given[3];
        KSDKSetTargetPtData(&target, &data);
        const std::int32_t stored[4] = {target.targetId1, target.targetId2, target.targetId3, target.targetId4};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(stored[i], c.expected[i]) << "id " << i + 1 << " given " << c.given[0] << ","
                                                << c.given[1] << "," << c.given[2] << "," << c.given[3];
        }
    }
}

TEST_F(Parts, TargetPointAndOption) {
    const KSDKHandle datum = Create(KSDK_MBD_DATUM);
    KMBDTarget& target = TargetAt(KSDKAddTarget(datum));
    KSDKTargetPtData data = TargetRecord();
    data.targetOption = 0x40;
    data.targetPoint = {4.0, 5.0, -6.0};
    KSDKSetTargetPtData(&target, &data);
    EXPECT_TRUE(target.targetOption);
    EXPECT_TRUE(target.targetPoint.x == 4.0 && target.targetPoint.y == 5.0 && target.targetPoint.z == -6.0);
    // A record straight from Init: to the origin, option off.
    data = TargetRecord();
    KSDKSetTargetPtData(&target, &data);
    EXPECT_FALSE(target.targetOption);
    EXPECT_TRUE(target.targetPoint.x == 0.0 && target.targetPoint.y == 0.0 && target.targetPoint.z == 0.0);
}

TEST_F(Parts, ControlsBelongToTheirSubFrame) {
    const KSDKHandle frame = Create(KSDK_MBD_FEATURE_CONTROL_FRAME);
    const KSDKHandle first = KSDKAddFrame(frame);
    const KSDKHandle second = KSDKAddFrame(frame);
    const KSDKHandle a = KSDKAddControlToFrame(first);
    const KSDKHandle b = KSDKAddControlToFrame(second);
    const KSDKHandle c = KSDKAddControlToFrame(second);
    const auto& frames = As(frame).SubFrames();
    ASSERT_EQ(frames.size(), 2u);
    ASSERT_EQ(frames[0]->controls.size(), 1u);
    ASSERT_EQ(frames[1]->controls.size(), 2u);
    EXPECT_EQ(frames[0]->controls[0].get(), a);
    EXPECT_EQ(frames[1]->controls[0].get(), b);
    EXPECT_EQ(frames[1]->controls[1].get(), c);
}

TEST_F(Parts, FrameSymbolIsOneConvertedCharacter) {
    const KSDKHandle frame = KSDKAddFrame(Create(KSDK_MBD_FEATURE_CONTROL_FRAME));
    const KMBDSubFrame& subFrame = *static_cast<KMBDSubFrame*>(frame);
    const char symbol = KSDKGetSymbolChar(KMBDBase::Symbol13);
    KSDKSetFrameSymbol(frame, symbol);
    const char text[] = {symbol, '\0'};
    EXPECT_EQ(subFrame.symbolText, KTextObject::ConvertMBDsymbolText(text));
    ASSERT_EQ(subFrame.symbolText.size(), 1u);
    KSDKSetFrameSymbol(frame, 'x');
    EXPECT_EQ(subFrame.symbolText, u"x") << "replaces the previous symbol";
}

TEST_F(Parts, ControlTextsAreReplacedOnlyWhenGiven) {
    const KSDKHandle frame = KSDKAddFrame(Create(KSDK_MBD_FEATURE_CONTROL_FRAME));
    const KSDKHandle handle = KSDKAddControlToFrame(frame);
    const KMBDControl& control = *static_cast<KMBDControl*>(handle);
    const std::string tolerance = WithSymbol(KMBDBase::Symbol8, "0.05");
    KSDKControlData data = ControlRecord();
    data.toleranceText = tolerance.c_str();
    data.datumRef1Text = "A";
    data.datumRef2Text = "B";
    data.datumRef3Text = "C";
    data.controlText5 = "5";
    KSDKSetControlData(handle, &data);
    EXPECT_EQ(control.toleranceText, KTextObject::ConvertMBDsymbolText(tolerance));
    EXPECT_EQ(control.toleranceText.substr(1), u"0.05");
    EXPECT_EQ(control.datumRef1Text + control.datumRef2Text + control.datumRef3Text + control.controlText5,
              u"ABC5");
    // A record straight from Init changes nothing; one text replaces one.
    data = ControlRecord();
    KSDKSetControlData(handle, &data);
    data.datumRef2Text = "D";
    KSDKSetControlData(handle, &data);
    EXPECT_EQ(control.toleranceText.substr(1), u"0.05");
    EXPECT_EQ(control.datumRef1Text + control.datumRef2Text + control.datumRef3Text + control.controlText5,
              u"ADC5");
}

TEST_F(Parts, WitnessSegmentsAccumulateUntilDeleted) {
    const KSDKHandle dimension = Create(KSDK_MBD_TWO_POINT_DIMENSION);
    const KSDKWitnessSegment first = {{1, 2, 3}, {4, 5, 6}};
    const KSDKWitnessSegment second = {{7, 8, 9}, {10, 11, 12}};
    KSDKAddWitnessSegment(dimension, &first);
    KSDKAddWitnessSegment(dimension, &second);
    const auto& segments = As(dimension).WitnessSegments();
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_TRUE(segments[0].start.x == 1 && segments[0].start.z == 3 && segments[0].end.x == 4 &&
                segments[0].end.z == 6);
    EXPECT_TRUE(segments[1].start.y == 8 && segments[1].end.y == 11);
    KSDKDeleteWitnessLines(dimension);
    EXPECT_TRUE(segments.empty());
    KSDKAddWitnessSegment(dimension, &second);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].start.x, 7);
}

}  // namespace
}  // namespace annotation_tests
