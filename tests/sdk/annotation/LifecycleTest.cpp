// Creating annotations by kind, temporary (unsaved) annotations, finishing
// with its undo point, and symbol characters.
#include <climits>
#include <set>
#include <typeindex>
#include <typeinfo>

#include "tests/sdk/annotation/AnnotationFixture.h"

namespace annotation_tests {
namespace {

using Lifecycle = AnnotationTest;

// Creation is not announced and sets no undo point.
TEST_F(Lifecycle, EachKindCreatesItsClassSavedInTheSceneAndOthersNothing) {
    const std::type_index kClasses[] = {typeid(KMBDTicket),          typeid(KMBDDatum),          typeid(KMBDDatumTarget),
                                        typeid(KMBD2PtDimension),    typeid(KMBDAngleDimension), typeid(KMBDNote),
                                        typeid(KMBDRadiusDimension), typeid(KMBDDiameterDimension)};
    for (int kind = 0; kind < 8; ++kind) {
        const KSDKHandle handle = Create(KSDKMbdKind(kind));
        ASSERT_EQ(Entries().size(), std::size_t(kind) + 1);
        const auto& entry = Entries().back();
        const KObject& object = *entry.object;
        EXPECT_TRUE(entry.object.get() == handle && entry.saved && Notices(handle) == 0) << kind;
        EXPECT_EQ(std::type_index(typeid(object)), kClasses[kind]) << kind;
    }
    EXPECT_TRUE(Undo().empty());
    for (const int kind : {8, -1, INT_MIN, INT_MAX}) EXPECT_EQ(KSDKCreateMbd(kind), nullptr) << kind;
    standin::kscene::SetScenePresent(false);
    EXPECT_EQ(KSDKCreateMbd(KSDK_MBD_NOTE), nullptr);
    EXPECT_EQ(Entries().size(), 8u);
}

TEST_F(Lifecycle, TemporaryAnnotationsAreKeptButNeverSaved) {
    const KSDKHandle before = Create(KSDK_MBD_DATUM);
    EXPECT_FALSE(KSDKSetCreateTempMbd(true));
    EXPECT_TRUE(KSDKGetCreateTempMbd());
    const KSDKHandle temporary = Create(KSDK_MBD_DATUM);
    EXPECT_TRUE(KSDKSetCreateTempMbd(false)) << "gives back the value it replaced";
    EXPECT_FALSE(KSDKGetCreateTempMbd());
    const KSDKHandle after = Create(KSDK_MBD_NOTE);
    ASSERT_EQ(Entries().size(), 3u);
    const KSDKHandle kOrder[] = {before, temporary, after};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(Entries()[i].object.get(), kOrder[i]);
        EXPECT_EQ(Entries()[i].saved, i != 1) << i;
    }
    KSDKFinishMbd(temporary);
    EXPECT_EQ(Notices(temporary), 1) << "finished like any other";
}

TEST_F(Lifecycle, FinishNotifiesHeldAnnotationsAndAlwaysSetsTheUndoPoint) {
    const KSDKHandle frame = Create(KSDK_MBD_FEATURE_CONTROL_FRAME);
    const KSDKHandle target = KSDKAddTarget(frame);
    for (const auto& [handle, notices] : {std::pair{frame, 1}, {frame, 2}, {target, 0}}) {
        KSDKFinishMbd(handle);
        EXPECT_EQ(Notices(handle), notices);
        EXPECT_EQ(Undo().back(), "Import MBD");
    }
    EXPECT_EQ(Undo().size(), 3u);
    KSDKFinishMbd(nullptr);
    EXPECT_EQ(Undo().size(), 3u) << "a null handle sets no undo point";
    standin::kscene::SetScenePresent(false);
    KSDKFinishMbd(frame);
    EXPECT_EQ(Undo().size(), 3u) << "nor does a missing scene";
    standin::kscene::SetScenePresent(true);
    standin::kscene::FailListing(true);
    KSDKFinishMbd(frame);
    EXPECT_EQ(Undo().size(), 3u) << "nor a listing that fails";
    EXPECT_EQ(Notices(frame), 2);
}

// Each symbol has its own narrow character, which a text stores as the
// scene's wide symbol character rather than as the byte itself.
TEST_F(Lifecycle, SymbolCharactersBecomeTheScenesSymbolsInTexts) {
    const KSDKHandle note = Create(KSDK_MBD_NOTE);
    std::set<char> narrow;
    for (int symbol = 0; symbol < KMBDBase::SymbolCount; ++symbol) {
        const char c = KSDKGetSymbolChar(symbol);
        EXPECT_TRUE(narrow.insert(c).second) << "symbol " << symbol << " shares its character";
        const char text[] = {c, 'A', '\0'};
        KSDKMbdData data = InitFilled(KSDKInitMbdData);
        data.text1 = text;
        KSDKSetMbdData(note, &data);
        const WString& stored = As(note).text1.text;
        ASSERT_EQ(stored.size(), 2u);
        EXPECT_NE(stored[0], static_cast<unsigned char>(c)) << "symbol " << symbol;
        EXPECT_EQ(stored[1], u'A');
    }
    for (const int unknown : {-1, int(KMBDBase::SymbolCount), INT_MAX}) EXPECT_EQ(KSDKGetSymbolChar(unknown), ' ');
}

}  // namespace
}  // namespace annotation_tests
