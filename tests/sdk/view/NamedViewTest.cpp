// Named views: creation, record defaults, applying records, finishing.
#include <gtest/gtest.h>

#include "host/kscene/KMBD.h"
#include "host/kscene/KObjectTree.h"
#include "standins/kscene/Access.h"
#include "tests/sdk/view/ViewFixture.h"
#include "tests/support/FilledRecords.h"
#include "tests/support/WideText.h"

namespace view_tests {
namespace {

using standin::kscene::Access;

using NamedView = ViewTest;
using testing_support::InitFilled;
using testing_support::Untouched;

KSDKNamedViewData Record() { return InitFilled(KSDKInitNamedViewData); }

TEST_F(NamedView, CreatedSavedAndUnannouncedUntilFinished) {
    const KSDKHandle view = KSDKCreateNamedView();
    const auto& entries = Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].object.get() == view && entries[0].saved);
    EXPECT_EQ(Notices(view), 0);
    EXPECT_TRUE(Undo().empty());
    const auto datum = Add<KMBDDatum>();
    const auto stray = boost::make_shared<KCapturedView>();  // not in the scene
    // Every finish marks the undo point; only a held view is announced.
    for (const auto& [handle, notices] : {std::pair<void*, int>{view, 1}, {view, 2}, {datum.get(), 0}, {stray.get(), 0}}) {
        KSDKFinishNamedView(handle);
        EXPECT_EQ(Notices(handle), notices);
        EXPECT_EQ(Undo().back(), "Import Named View");
    }
    EXPECT_EQ(Undo().size(), 4u);
    KSDKFinishNamedView(nullptr);
    standin::kscene::SetScenePresent(false);
    KSDKFinishNamedView(view);
    EXPECT_EQ(KSDKCreateNamedView(), nullptr);
    EXPECT_EQ(Undo().size(), 4u);
    EXPECT_EQ(entries.size(), 2u);
    // A listing that fails ends the finish before its undo point.
    standin::kscene::SetScenePresent(true);
    standin::kscene::FailListing(true);
    KSDKFinishNamedView(view);
    EXPECT_EQ(Undo().size(), 4u);
    EXPECT_EQ(Notices(view), 2);
}

TEST_F(NamedView, InitWritesTheDefaultsAndLeavesTheGapsAlone) {
    const KSDKNamedViewData data = Record();
    EXPECT_TRUE(data.name == nullptr && data.hasView == 0 && data.shownObjects == nullptr && data.shownCount == 0 &&
                data.hiddenObjects == nullptr && data.hiddenCount == 0);
    EXPECT_TRUE(data.viewParam1 == 0.0 && data.viewParam2 == 0.0 && data.viewParam3 == 1.0);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(data.viewMatrix[i], i % 4 == 0 ? 1.0 : 0.0) << i;
    EXPECT_TRUE(Untouched(data, 9, 15) && Untouched(data, 124, 127) && Untouched(data, 140, 143));
}

TEST_F(NamedView, OrientationAndNameAreAppliedAsGiven) {
    const KSDKHandle handle = KSDKCreateNamedView();
    const KCapturedView& view = ViewAt(handle);
    KSDKNamedViewData data = Record();
    data.name = "\x80 caf\xe9";  // euro sign and e acute in the ANSI code page
    data.hasView = 7;
    for (int i = 0; i < 9; ++i) data.viewMatrix[i] = 10.0 + i;
    data.viewParam1 = -2.5;
    data.viewParam3 = 40.0;
    KSDKSetNamedViewData(handle, &data);
    EXPECT_EQ(view.GetName(), u"\u20ac caf\u00e9"_w);
    EXPECT_EQ(view.hasView, 7);
    ASSERT_NE(Access::View(view), nullptr);
    EXPECT_EQ(std::vector<double>(Access::View(view)->matrix, Access::View(view)->matrix + 16),
              (std::vector<double>{10, 11, 12, 0, 13, 14, 15, 0, 16, 17, 18, 0, 0, 0, 0, 1}));
    EXPECT_TRUE(Access::View(view)->param1 == -2.5 && Access::View(view)->param2 == 0.0 && Access::View(view)->param3 == 40.0);
    // No orientation: the flag clears, the description stays; no name: it stays.
    data = Record();
    data.viewParam1 = 9.0;
    KSDKSetNamedViewData(handle, &data);
    EXPECT_EQ(view.hasView, 0);
    EXPECT_EQ(Access::View(view)->param1, -2.5);
    EXPECT_EQ(view.GetName(), u"\u20ac caf\u00e9"_w);
    data.name = "";
    KSDKSetNamedViewData(handle, &data);
    EXPECT_EQ(view.GetName(), u""_w);
}

TEST_F(NamedView, ListsKeepDistinctSceneObjectsOnly) {
    const auto datum = Add<KMBDDatum>();
    const auto note = Add<KMBDNote>();
    const auto plain = Add<PlainSceneObject>();
    const KSDKHandle otherView = KSDKCreateNamedView();
    const auto outsider = boost::make_shared<KMBDDatum>();  // not in the scene
    std::vector<boost::shared_ptr<KObjectTreeNode>> nodes;
    KD::GetTreeMgr()->GetNodesForObject(nodes, datum);
    const KSDKHandle mixed[] = {datum.get(), otherView, plain.get(), outsider.get(), nodes.at(0).get(), datum.get()};
    const KSDKHandle hidden[] = {note.get(), datum.get(), nullptr};
    struct Case {
        const KSDKHandle* shown;
        std::int32_t shownCount;
        const KSDKHandle* hidden;
        std::int32_t hiddenCount;
        int handOvers;
        Pairs expected;
    };
    const Case cases[] = {
        {mixed, 6, hidden, 3, 1,
         Sorted({{true, datum.get()}, {true, plain.get()}, {false, datum.get()}, {false, note.get()}})},
        {mixed, 0, hidden, 0, 0, {}},  // nothing listed: the arrays are not read
        {nullptr, 0, hidden, 1, 1, {{false, note.get()}}},
        {mixed + 3, 2, nullptr, 0, 1, {}},  // nothing the scene holds: an empty set
    };
    for (const Case& c : cases) {
        const KSDKHandle handle = KSDKCreateNamedView();
        const KSDKNamedViewData data = {nullptr, 0, 0, 0, 1, {1, 0, 0, 0, 1, 0, 0, 0, 1},
                                        c.shown, c.shownCount, c.hidden, c.hiddenCount};
        KSDKSetNamedViewData(handle, &data);
        EXPECT_EQ(Access::SetVisibilityCalls(ViewAt(handle)), c.handOvers);
        EXPECT_EQ(PairsOf(Access::Visibility(ViewAt(handle))), c.expected);
    }
    EXPECT_EQ(datum.use_count(), 2) << "the set must not keep objects alive";
}

TEST_F(NamedView, BadHandlesRecordsOrSceneChangeNothingTheyShouldNot) {
    const auto datum = Add<KMBDDatum>();
    const KSDKHandle handle = KSDKCreateNamedView();
    const KSDKHandle shown[] = {datum.get()};
    const KSDKNamedViewData data = {"Top", 1, 0, 0, 1, {1, 0, 0, 0, 1, 0, 0, 0, 1}, shown, 1, nullptr, 0};
    KSDKSetNamedViewData(nullptr, &data);
    KSDKSetNamedViewData(handle, nullptr);
    KSDKSetNamedViewData(datum.get(), &data);  // an annotation is no named view
    EXPECT_TRUE(datum->GetName().empty());
    EXPECT_EQ(Access::View(ViewAt(handle)), nullptr);
    // Without a scene the lists are skipped, the rest applied.
    standin::kscene::SetScenePresent(false);
    KSDKSetNamedViewData(handle, &data);
    EXPECT_EQ(ViewAt(handle).GetName(), u"Top"_w);
    EXPECT_NE(Access::View(ViewAt(handle)), nullptr);
    EXPECT_EQ(Access::SetVisibilityCalls(ViewAt(handle)), 0);
}

}  // namespace
}  // namespace view_tests
