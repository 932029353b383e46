// The shown/hidden flag of scene objects and its recording into named views.
#include <gtest/gtest.h>

#include "host/kscene/KMBD.h"
#include "tests/sdk/view/ViewFixture.h"

namespace view_tests {
namespace {

class Visibility : public ViewTest {};

TEST_F(Visibility, RecordingTakesEveryAnnotationWithItsFlag) {
    const auto shownDatum = Add<KMBDDatum>();
    const auto hiddenNote = Add<KMBDNote>();
    const auto hiddenTarget = Add<KMBDDatumTarget>();
    const auto dimension = Add<KMBD2PtDimension>();
    const auto plain = Add<PlainSceneObject>();  // no annotation: not recorded
    hiddenNote->visible = 0;
    hiddenTarget->visible = 0;
    dimension->visible = 9;
    plain->visible = 0;
    const KSDKHandle view = KSDKCreateNamedView();

    KSDKNamedViewRecordVisibility(view);

    const KCapturedView& captured = ViewAt(view);
    ASSERT_NE(captured.Visibility(), nullptr);
    EXPECT_EQ(EntriesOf(*captured.Visibility()),
              Sorted({{true, shownDatum.get()}, {false, hiddenNote.get()},
                      {false, hiddenTarget.get()}, {true, dimension.get()}}));
    EXPECT_EQ(Notices(view), 0);
    EXPECT_TRUE(standin::kscene::UndoPoints().empty());
}

TEST_F(Visibility, ASceneWithoutAnnotationsRecordsAnEmptySet) {
    Add<PlainSceneObject>();
    const KSDKHandle view = KSDKCreateNamedView();
    KSDKNamedViewRecordVisibility(view);
    EXPECT_EQ(ViewAt(view).SetVisibilityCalls(), 1);
    ASSERT_NE(ViewAt(view).Visibility(), nullptr);
    EXPECT_TRUE(ViewAt(view).Visibility()->empty());
}

TEST_F(Visibility, ANewRecordingCarriesAChangedFlag) {
    const auto datum = Add<KMBDDatum>();
    const KSDKHandle view = KSDKCreateNamedView();
    KSDKNamedViewRecordVisibility(view);
    KSDKSetVisibility(HandleOf(datum), 0);
    EXPECT_EQ(EntriesOf(*ViewAt(view).Visibility()), Entries({{true, datum.get()}}));
    KSDKNamedViewRecordVisibility(view);
    EXPECT_EQ(EntriesOf(*ViewAt(view).Visibility()), Entries({{false, datum.get()}}));
}

TEST_F(Visibility, RecordingNeedsAViewAndAScene) {
    const auto datum = Add<KMBDDatum>();
    const KSDKHandle view = KSDKCreateNamedView();
    KSDKNamedViewRecordVisibility(nullptr);
    KSDKNamedViewRecordVisibility(HandleOf(datum));  // no named view
    standin::kscene::SetScenePresent(false);
    KSDKNamedViewRecordVisibility(view);
    EXPECT_EQ(ViewAt(view).SetVisibilityCalls(), 0);
}

TEST_F(Visibility, SetStoresTheByteAndNotifiesHeldObjects) {
    const auto datum = Add<KMBDDatum>();
    const auto plain = Add<PlainSceneObject>();
    const auto outsider = boost::make_shared<KMBDNote>();  // not in the scene
    struct Case {
        KSceneObject* object;
        KSDKFlag value;
        int notices;
    };
    const Case cases[] = {
        {datum.get(), 0, 1}, {datum.get(), 1, 2}, {datum.get(), 2, 3}, {datum.get(), 255, 4},
        {plain.get(), 0, 1}, {outsider.get(), 0, 0}, {outsider.get(), 77, 0},
    };
    for (const Case& c : cases) {
        KObject* const object = c.object;
        KSDKSetVisibility(object, c.value);
        EXPECT_EQ(c.object->visible, c.value);
        EXPECT_EQ(KSDKGetVisibility(object), c.value);
        EXPECT_EQ(Notices(object), c.notices);
    }
}

TEST_F(Visibility, OnlySceneObjectsHaveAFlag) {
    const KSDKHandle view = KSDKCreateNamedView();
    const auto target = boost::make_shared<KMBDTarget>();
    for (const KSDKHandle handle : {KSDKHandle{nullptr}, view, KSDKHandle{static_cast<KObject*>(target.get())}}) {
        KSDKSetVisibility(handle, 0);
        EXPECT_EQ(KSDKGetVisibility(handle), 0);
    }
    EXPECT_EQ(Notices(view), 0);
}

TEST_F(Visibility, WithoutASceneTheFlagIsReadButNotWritten) {
    const auto datum = Add<KMBDDatum>();
    standin::kscene::SetScenePresent(false);
    KSDKSetVisibility(HandleOf(datum), 0);
    EXPECT_EQ(datum->visible, 1);
    EXPECT_EQ(KSDKGetVisibility(HandleOf(datum)), 1);
}

}  // namespace
}  // namespace view_tests
