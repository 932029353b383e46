// The data records: defaults, names and datum labels, flagged texts,
// options, datum and dimension texts.
#include <tuple>

#include "standins/kscene/Access.h"
#include "tests/sdk/annotation/AnnotationFixture.h"
#include "tests/support/WideText.h"

namespace annotation_tests {
namespace {

using standin::kscene::Access;

using Data = AnnotationTest;

TEST_F(Data, InitWritesTheDefaultsAndLeavesThePaddingAlone) {
    const auto common = InitFilled(KSDKInitCommonData);
    EXPECT_TRUE(Is(common.anchorPoint, 0, 0, 0) && common.name == nullptr);
    const auto mbd = InitFilled(KSDKInitMbdData);
    EXPECT_TRUE(mbd.text1 == nullptr && mbd.text2 == nullptr && mbd.text3 == nullptr &&
                mbd.datumLabel == nullptr && mbd.text5 == nullptr && mbd.option1 == 0);
    EXPECT_TRUE(Untouched(mbd, 41, 47));
    const auto datum = InitFilled(KSDKInitDatumData);
    EXPECT_TRUE(datum.datumLabel == nullptr && datum.datumTargetText == nullptr);
    const auto dimension = InitFilled(KSDKInitDimensionData);
    EXPECT_TRUE(dimension.dimensionNumber1 == 0 && dimension.dimensionNumber2 == 0 &&
                dimension.dimensionText1 == nullptr && dimension.dimensionText2 == nullptr &&
                dimension.dimensionText3 == nullptr && dimension.text2 == nullptr);
    EXPECT_TRUE(Untouched(dimension, 4, 7) && Untouched(dimension, 36, 39));
    const auto target = InitFilled(KSDKInitTargetPtData);
    EXPECT_TRUE(target.targetOption == 0 && Is(target.targetPoint, 0, 0, 0) && Untouched(target, 1, 7));
    EXPECT_TRUE(target.targetId1 == -1 && target.targetId2 == -1 && target.targetId3 == -1 && target.targetId4 == -1);
    const auto control = InitFilled(KSDKInitControlData);
    EXPECT_TRUE(control.toleranceText == nullptr && control.datumRef1Text == nullptr &&
                control.datumRef2Text == nullptr && control.datumRef3Text == nullptr &&
                control.controlText5 == nullptr);
    EXPECT_EQ(InitFilled(KSDKInitMbdBalloonData).text, nullptr);
}

// Every record moves the anchor and hides the name; a null name keeps the
// old one. 0x80 is both the euro sign of the ANSI code page and a symbol
// character: the name is widened, a datum's label symbol-converted.
TEST_F(Data, CommonDataSetsAnchorAndNameAndADatumsLabel) {
    const WString symbolic = KTextObject::ConvertMBDsymbolText("\x80" "A");
    ASSERT_NE(symbolic, u"\u20acA"_w) << "the case needs the two conversions apart";
    struct Step {
        const char* name;
        KSDKPoint3 anchor;
        WString storedName, label;
    };
    const Step kSteps[] = {{"\x80" "A", {1.5, -2.0, 3.25}, u"\u20acA"_w, symbolic},
                           {"", {0, 0, 0}, u""_w, u""_w},
                           {"C", {4, 5, 6}, u"C"_w, u"C"_w},
                           {nullptr, {0, 0, 0}, u"C"_w, u"C"_w}};
    for (const KSDKMbdKind kind : kAllKinds) {
        const bool labelled = kind == KSDK_MBD_DATUM || kind == KSDK_MBD_DATUM_TARGET;
        const KSDKHandle handle = Create(kind);
        for (const Step& step : kSteps) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << " name " << (step.name ? step.name : "(null)"));
            As(handle).showName = true;
            const KSDKCommonData data = {step.anchor, step.name};
            KSDKSetCommonData(handle, &data);
            const KMBDBase& object = As(handle);
            EXPECT_EQ(object.GetName(), step.storedName);
            EXPECT_FALSE(object.showName);
            EXPECT_TRUE(Is(Access::AnchorPoint(object), step.anchor.x, step.anchor.y, step.anchor.z));
            EXPECT_EQ(object.datumLabel.enabled, labelled) << "only datums show their name as label";
            if (labelled) {
                EXPECT_EQ(object.datumLabel.text, step.label);
            }
        }
    }
}

// A flagged text through a sequence of records: a given text enables and
// replaces (symbol-converted), a missing one disables and keeps the text.
TEST_F(Data, FlaggedTextsAreEnabledByATextAndDisabledWithoutOne) {
    const std::string symbolic = WithSymbol(KMBDBase::Symbol6, "0.1");
    const WString converted = KTextObject::ConvertMBDsymbolText(symbolic);
    struct Step {
        const char* given;
        bool enabled;
        WString stored;
    };
    const Step kSteps[] = {{nullptr, false, u""_w},         {"one", true, u"one"_w}, {nullptr, false, u"one"_w},
                           {symbolic.c_str(), true, converted}, {"", true, u""_w},       {nullptr, false, u""_w}};
    using Slot = const char* KSDKMbdData::*;
    using Field = KFlaggedText KMBDBase::*;
    const std::pair<Slot, Field> kSlots[] = {{&KSDKMbdData::text1, &KMBDBase::text1},
                                             {&KSDKMbdData::text2, &KMBDBase::text2},
                                             {&KSDKMbdData::text3, &KMBDBase::text3},
                                             {&KSDKMbdData::datumLabel, &KMBDBase::datumLabel},
                                             {&KSDKMbdData::text5, &KMBDBase::text5}};
    const KSDKHandle note = Create(KSDK_MBD_NOTE);
    for (const auto& [slot, field] : kSlots) {
        for (const Step& step : kSteps) {
            KSDKMbdData data = InitFilled(KSDKInitMbdData);
            data.*slot = step.given;
            KSDKSetMbdData(note, &data);
            const KFlaggedText& text = As(note).*field;
            EXPECT_EQ(text.enabled, step.enabled) << (step.given ? step.given : "(null)");
            EXPECT_EQ(text.text, step.stored);
        }
    }
}

TEST_F(Data, OptionsAreStoredUnchanged) {
    const KSDKHandle note = Create(KSDK_MBD_NOTE);
    KSDKMbdData data = InitFilled(KSDKInitMbdData);
    data.option1 = 0xFE;
    KSDKSetMbdData(note, &data);
    const KSDKMbdDataExtra extra = {0x80, 0x01};
    KSDKSetMbdDataExtra(note, &extra);
    EXPECT_TRUE(As(note).option1 == 0xFE && As(note).option2 == 0x80 && As(note).option3 == 0x01);
    KSDKSetMbdData(note, &(data = InitFilled(KSDKInitMbdData)));
    EXPECT_EQ(As(note).option1, 0);
    EXPECT_EQ(As(note).option2, 0x80) << "the extra options are apart";
}

// A datum record never disables the label; a missing text leaves both as
// they are, and only datum targets take the target text.
TEST_F(Data, DatumDataNeverDisablesTheLabelAndOnlyDatumTargetsTakeTheTargetText) {
    for (const KSDKMbdKind kind : {KSDK_MBD_DATUM, KSDK_MBD_DATUM_TARGET}) {
        const KSDKHandle handle = Create(kind);
        const auto* target = dynamic_cast<const KMBDDatumTarget*>(&As(handle));
        EXPECT_EQ(target != nullptr, kind == KSDK_MBD_DATUM_TARGET);
        KSDKDatumData data = {"A", "A1"};
        for (int pass = 0; pass < 2; ++pass, data = InitFilled(KSDKInitDatumData)) {
            KSDKSetDatumData(handle, &data);
            EXPECT_TRUE(As(handle).datumLabel.enabled) << kind << " pass " << pass;
            EXPECT_EQ(As(handle).datumLabel.text, u"A"_w);
            if (target != nullptr) {
                EXPECT_EQ(target->datumTargetText, u"A1"_w);
            }
        }
    }
}

// Numbers are written as given (0 from Init); flagged texts are disabled and
// kept without a text, plain texts kept.
TEST_F(Data, DimensionDataOnEveryDimensionKind) {
    using State = std::tuple<int, int, bool, WString, WString, WString, bool, WString>;
    for (const KSDKMbdKind kind : kDimensionKinds) {
        const KSDKHandle handle = Create(kind);
        const auto& d = As<KMBDDimension>(handle);
        const auto state = [&] {
            return State(d.dimensionNumber1, d.dimensionNumber2, d.dimensionText1.enabled, d.dimensionText1.text,
                         d.dimensionText2, d.dimensionText3, d.text2.enabled, d.text2.text);
        };
        const KSDKDimensionData data = {3, "L", "10.0000", "20.0000", -4, "note"};
        KSDKSetDimensionData(handle, &data);
        EXPECT_EQ(state(), State(3, -4, true, u"L"_w, u"10.0000"_w, u"20.0000"_w, true, u"note"_w)) << kind;
        const KSDKDimensionData defaults = InitFilled(KSDKInitDimensionData);
        KSDKSetDimensionData(handle, &defaults);
        EXPECT_EQ(state(), State(0, 0, false, u"L"_w, u"10.0000"_w, u"20.0000"_w, false, u"note"_w)) << kind;
    }
}

}  // namespace
}  // namespace annotation_tests
