// The shown/hidden flag of scene objects and its recording into named views.
#include <gtest/gtest.h>

#include "host/kscene/KMBD.h"
#include "tests/sdk/view/ViewFixture.h"

namespace view_tests {
namespace {

class Visibility : public ViewTest {};

TEST_F(Visibility, RecordingTakesEveryAnnotationWithItsFlag) {
    const KSDKHandle view = KSDKCreateNamedView();
    Add<PlainSceneObject>()->visible = 0;  // no annotation: never recorded
    KSDKNamedViewRecordVisibility(view);
    EXPECT_EQ(ViewAt(view).SetVisibilityCalls(), 1) << "an empty set is handed over too";
    EXPECT_TRUE(EntriesOf(ViewAt(view).Visibility()).empty());

    const auto datum = Add<KMBDDatum>();
    const auto note = Add<KMBDNote>();
    const auto dimension = Add<KMBD2PtDimension>();
    KSDKSetVisibility(note.get(), 0);
    dimension->visible = 9;
    KSDKNamedViewRecordVisibility(view);
    EXPECT_EQ(EntriesOf(ViewAt(view).Visibility()),
              Sorted({{true, datum.get()}, {false, note.get()}, {true, dimension.get()}}));
    EXPECT_EQ(Notices(view), 0);
    EXPECT_TRUE(Undo().empty());

    KSDKNamedViewRecordVisibility(nullptr);
    KSDKNamedViewRecordVisibility(datum.get());  // no named view
    standin::kscene::SetScenePresent(false);
    KSDKNamedViewRecordVisibility(view);
    EXPECT_EQ(ViewAt(view).SetVisibilityCalls(), 2);
}

TEST_F(Visibility, SetStoresTheByteAndAnnouncesHeldObjects) {
    const auto datum = Add<KMBDDatum>();
    const auto plain = Add<PlainSceneObject>();
    const auto outsider = boost::make_shared<KMBDNote>();  // not in the scene
    struct Case {
        KSceneObject* object;
        KSDKFlag value;
        int notices;
    };
    for (const Case& c : {Case{datum.get(), 0, 1}, Case{datum.get(), 2, 2}, Case{datum.get(), 255, 3},
                          Case{plain.get(), 0, 1}, Case{outsider.get(), 77, 0}}) {
        KObject* const handle = c.object;
        KSDKSetVisibility(handle, c.value);
        EXPECT_EQ(c.object->visible, c.value);
        EXPECT_EQ(KSDKGetVisibility(handle), c.value);
        EXPECT_EQ(Notices(handle), c.notices);
    }
    standin::kscene::SetScenePresent(false);
    KSDKSetVisibility(static_cast<KObject*>(plain.get()), 1);
    EXPECT_EQ(plain->visible, 0) << "without a scene nothing is written";
    EXPECT_EQ(KSDKGetVisibility(static_cast<KObject*>(datum.get())), 255) << "but the flag is read";
}

TEST_F(Visibility, OnlySceneObjectsHaveAFlag) {
    const KSDKHandle view = KSDKCreateNamedView();
    const auto target = boost::make_shared<KMBDTarget>();
    for (const KSDKHandle handle : {KSDKHandle{}, view, KSDKHandle{static_cast<KObject*>(target.get())}}) {
        KSDKSetVisibility(handle, 0);
        EXPECT_EQ(KSDKGetVisibility(handle), 0);
    }
    EXPECT_EQ(Notices(view), 0);
}

}  // namespace
}  // namespace view_tests
