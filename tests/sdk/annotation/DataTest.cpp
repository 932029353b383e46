// The data records: defaults, names and datum labels, flagged texts,
// options, datum and dimension texts.
#include <cstring>

#include "tests/sdk/annotation/AnnotationFixture.h"

namespace annotation_tests {
namespace {

using Data = AnnotationTest;

constexpr unsigned char kFill = 0xAB;

template <class Record>
Record Filled() {
    Record record;
    std::memset(&record, kFill, sizeof record);
    return record;
}

const unsigned char* Bytes(const void* record) { return static_cast<const unsigned char*>(record); }

TEST_F(Data, InitWritesTheDefaultsAndLeavesThePaddingAlone) {
    auto common = Filled<KSDKCommonData>();
    KSDKInitCommonData(&common);
    EXPECT_TRUE(common.anchorPoint.x == 0.0 && common.anchorPoint.y == 0.0 && common.anchorPoint.z == 0.0);
    EXPECT_EQ(common.name, nullptr);

    auto mbd = Filled<KSDKMbdData>();
    KSDKInitMbdData(&mbd);
    EXPECT_TRUE(mbd.text1 == nullptr && mbd.text2 == nullptr && mbd.text3 == nullptr &&
                mbd.datumLabel == nullptr && mbd.text5 == nullptr && mbd.option1 == 0);
    for (int gap = 41; gap < 48; ++gap) EXPECT_EQ(Bytes(&mbd)[gap], kFill) << gap;

    auto datum = Filled<KSDKDatumData>();
    KSDKInitDatumData(&datum);
    EXPECT_TRUE(datum.datumLabel == nullptr && datum.datumTargetText == nullptr);

    auto dimension = Filled<KSDKDimensionData>();
    KSDKInitDimensionData(&dimension);
    EXPECT_TRUE(dimension.dimensionNumber1 == 0 && dimension.dimensionNumber2 == 0 &&
                dimension.dimensionText1 == nullptr && dimension.dimensionText2 == nullptr &&
                dimension.dimensionText3 == nullptr && dimension.text2 == nullptr);
    for (const int gap : {4, 7, 36, 39}) EXPECT_EQ(Bytes(&dimension)[gap], kFill) << gap;

    // Null records are ignored.
    KSDKInitCommonData(nullptr);
    KSDKInitMbdData(nullptr);
    KSDKInitDatumData(nullptr);
    KSDKInitDimensionData(nullptr);
}

TEST_F(Data, CommonDataMovesTheAnchorAndHidesTheName) {
    const KSDKHandle frame = Create(KSDK_MBD_FEATURE_CONTROL_FRAME);
    As(frame).showName = true;
    KSDKCommonData data = CommonRecord();
    data.anchorPoint = {1.5, -2.0, 3.25};
    data.name = "F1";
    KSDKSetCommonData(frame, &data);
    EXPECT_EQ(As(frame).GetName(), u"F1");
    EXPECT_FALSE(As(frame).showName);
    const auto& anchor = As(frame).GetAnchorPoint();
    EXPECT_TRUE(anchor.x == 1.5 && anchor.y == -2.0 && anchor.z == 3.25);
    EXPECT_FALSE(As(frame).datumLabel.enabled) << "only datums show their name as label";
    // A record straight from Init: back to the origin, the name stays.
    As(frame).showName = true;
    data = CommonRecord();
    KSDKSetCommonData(frame, &data);
    EXPECT_EQ(As(frame).GetName(), u"F1");
    EXPECT_FALSE(As(frame).showName);
    EXPECT_EQ(As(frame).GetAnchorPoint().x, 0.0);
}

// 0x80 is both the euro sign of the ANSI code page and a symbol character:
// the name is widened, the label symbol-converted.
TEST_F(Data, ADatumsNameIsAlsoItsLabel) {
    struct Case {
        KSDKMbdKind kind;
        bool labelled;
    };
    for (const Case& c : {Case{KSDK_MBD_DATUM, true}, Case{KSDK_MBD_DATUM_TARGET, true},
                          Case{KSDK_MBD_NOTE, false}, Case{KSDK_MBD_TWO_POINT_DIMENSION, false}}) {
        const KSDKHandle handle = Create(c.kind);
        KSDKCommonData data = CommonRecord();
        data.name = "\x80" "A";
        KSDKSetCommonData(handle, &data);
        const KMBDBase& object = As(handle);
        EXPECT_EQ(object.GetName(), u"\u20acA") << c.kind;
        EXPECT_EQ(object.datumLabel.enabled, c.labelled) << c.kind;
        if (c.labelled) {
            EXPECT_EQ(object.datumLabel.text, KTextObject::ConvertMBDsymbolText("\x80" "A"));
            EXPECT_NE(object.datumLabel.text, object.GetName());
        }
    }
}

TEST_F(Data, AnEmptyNameIsANameAndANullOneIsNot) {
    const KSDKHandle datum = Create(KSDK_MBD_DATUM);
    KSDKCommonData data = CommonRecord();
    data.name = "B";
    KSDKSetCommonData(datum, &data);
    data.name = "";
    KSDKSetCommonData(datum, &data);
    EXPECT_EQ(As(datum).GetName(), u"");
    EXPECT_TRUE(As(datum).datumLabel.enabled);
    EXPECT_EQ(As(datum).datumLabel.text, u"");
    data.name = "C";
    KSDKSetCommonData(datum, &data);
    data.name = nullptr;
    KSDKSetCommonData(datum, &data);
    EXPECT_EQ(As(datum).GetName(), u"C");
    EXPECT_TRUE(As(datum).datumLabel.enabled);
    EXPECT_EQ(As(datum).datumLabel.text, u"C");
}

// A flagged text through a sequence of records: a given text enables and
// replaces, a missing one disables and keeps the text.
TEST_F(Data, FlaggedTextsAreEnabledByATextAndDisabledWithoutOne) {
    struct Step {
        const char* given;
        bool enabled;
        const char16_t* stored;
    };
    const Step kSteps[] = {{nullptr, false, u""}, {"one", true, u"one"}, {nullptr, false, u"one"},
                           {"two", true, u"two"}, {"", true, u""},       {nullptr, false, u""}};
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
            KSDKMbdData data = MbdRecord();
            data.*slot = step.given;
            KSDKSetMbdData(note, &data);
            const KFlaggedText& text = As(note).*field;
            EXPECT_EQ(text.enabled, step.enabled) << (step.given ? step.given : "(null)");
            EXPECT_EQ(text.text, step.stored);
        }
    }
}

TEST_F(Data, TextsAreSymbolConverted) {
    const KSDKHandle note = Create(KSDK_MBD_NOTE);
    const std::string text = WithSymbol(KMBDBase::Symbol6, "0.1");
    KSDKMbdData data = MbdRecord();
    data.text5 = text.c_str();
    KSDKSetMbdData(note, &data);
    EXPECT_EQ(As(note).text5.text, KTextObject::ConvertMBDsymbolText(text));
    EXPECT_EQ(As(note).text5.text.substr(1), u"0.1");
}

TEST_F(Data, OptionsAreStoredUnchanged) {
    const KSDKHandle note = Create(KSDK_MBD_NOTE);
    KSDKMbdData data = MbdRecord();
    data.option1 = 0xFE;
    KSDKSetMbdData(note, &data);
    const KSDKMbdDataExtra extra = {0x80, 0x01};
    KSDKSetMbdDataExtra(note, &extra);
    EXPECT_EQ(As(note).option1, 0xFE);
    EXPECT_EQ(As(note).option2, 0x80);
    EXPECT_EQ(As(note).option3, 0x01);
    KSDKSetMbdData(note, &(data = MbdRecord()));
    EXPECT_EQ(As(note).option1, 0);
    EXPECT_EQ(As(note).option2, 0x80) << "the extra options are apart";
}

TEST_F(Data, DatumDataNeverDisablesTheLabelAndOnlyDatumTargetsTakeTheTargetText) {
    for (const KSDKMbdKind kind : {KSDK_MBD_DATUM, KSDK_MBD_DATUM_TARGET}) {
        const KSDKHandle handle = Create(kind);
        KSDKDatumData data = DatumRecord();
        data.datumLabel = "A";
        data.datumTargetText = "A1";
        KSDKSetDatumData(handle, &data);
        EXPECT_TRUE(As(handle).datumLabel.enabled);
        EXPECT_EQ(As(handle).datumLabel.text, u"A");
        const auto* target = dynamic_cast<const KMBDDatumTarget*>(&As(handle));
        EXPECT_EQ(target != nullptr, kind == KSDK_MBD_DATUM_TARGET);
        if (target != nullptr) {
            EXPECT_EQ(target->datumTargetText, u"A1");
        }
        // Nothing given: both stay.
        data = DatumRecord();
        KSDKSetDatumData(handle, &data);
        EXPECT_TRUE(As(handle).datumLabel.enabled);
        EXPECT_EQ(As(handle).datumLabel.text, u"A");
        if (target != nullptr) {
            EXPECT_EQ(target->datumTargetText, u"A1");
        }
    }
}

TEST_F(Data, DimensionDataOnEveryDimensionKind) {
    for (const KSDKMbdKind kind : kDimensionKinds) {
        const KSDKHandle handle = Create(kind);
        KSDKDimensionData data = DimensionRecord();
        data.dimensionNumber1 = 3;
        data.dimensionNumber2 = -4;
        data.dimensionText1 = "L";
        data.dimensionText2 = "10.0000";
        data.dimensionText3 = "20.0000";
        data.text2 = "note";
        KSDKSetDimensionData(handle, &data);
        const auto& dimension = As<KMBDDimension>(handle);
        EXPECT_EQ(dimension.dimensionNumber1, 3);
        EXPECT_EQ(dimension.dimensionNumber2, -4);
        EXPECT_TRUE(dimension.dimensionText1.enabled);
        EXPECT_EQ(dimension.dimensionText1.text, u"L");
        EXPECT_EQ(dimension.dimensionText2, u"10.0000");
        EXPECT_EQ(dimension.dimensionText3, u"20.0000");
        EXPECT_TRUE(dimension.text2.enabled);
        EXPECT_EQ(dimension.text2.text, u"note");
        // Defaults: numbers written as 0, flagged texts disabled and kept,
        // plain texts kept.
        data = DimensionRecord();
        KSDKSetDimensionData(handle, &data);
        EXPECT_EQ(dimension.dimensionNumber1, 0) << kind;
        EXPECT_EQ(dimension.dimensionNumber2, 0) << kind;
        EXPECT_FALSE(dimension.dimensionText1.enabled);
        EXPECT_EQ(dimension.dimensionText1.text, u"L");
        EXPECT_EQ(dimension.dimensionText2, u"10.0000");
        EXPECT_EQ(dimension.dimensionText3, u"20.0000");
        EXPECT_FALSE(dimension.text2.enabled);
        EXPECT_EQ(dimension.text2.text, u"note");
    }
}

}  // namespace
}  // namespace annotation_tests
