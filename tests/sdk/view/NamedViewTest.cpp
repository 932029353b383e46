// Named views: creation, record defaults, applying records with their
// orientation and shown/hidden lists, and finishing.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "host/kscene/KMBD.h"
#include "host/kscene/KObjectTree.h"
#include "tests/sdk/view/ViewFixture.h"

namespace view_tests {
namespace {

class NamedView : public ViewTest {
protected:
    KSDKNamedViewData Defaults() const {
        KSDKNamedViewData data;
        KSDKInitNamedViewData(&data);
        return data;
    }
};

TEST_F(NamedView, CreationAddsASavedUnnamedViewWithoutNoticeOrUndo) {
    const KSDKHandle handle = KSDKCreateNamedView();
    ASSERT_NE(handle, nullptr);
    const auto& entries = standin::kscene::Scene().impl().entries;
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].object.get(), handle);
    EXPECT_TRUE(entries[0].saved);
    EXPECT_TRUE(ViewAt(handle).GetName().empty());
    EXPECT_EQ(Notices(handle), 0);
    EXPECT_TRUE(standin::kscene::UndoPoints().empty());
}

TEST_F(NamedView, CreationWithoutASceneGivesNothing) {
    standin::kscene::SetScenePresent(false);
    EXPECT_EQ(KSDKCreateNamedView(), nullptr);
    EXPECT_TRUE(standin::kscene::Scene().impl().entries.empty());
}

TEST_F(NamedView, InitWritesTheDefaultsAndLeavesTheGapsAlone) {
    constexpr unsigned char kFill = 0xAB;
    KSDKNamedViewData data;
    std::memset(&data, kFill, sizeof data);
    KSDKInitNamedViewData(&data);
    EXPECT_EQ(data.name, nullptr);
    EXPECT_EQ(data.hasView, 0);
    EXPECT_EQ(data.viewParam1, 0.0);
    EXPECT_EQ(data.viewParam2, 0.0);
    EXPECT_EQ(data.viewParam3, 1.0);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(data.viewMatrix[i], i % 4 == 0 ? 1.0 : 0.0) << i;
    EXPECT_EQ(data.shownObjects, nullptr);
    EXPECT_EQ(data.shownCount, 0);
    EXPECT_EQ(data.hiddenObjects, nullptr);
    EXPECT_EQ(data.hiddenCount, 0);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&data);
    for (const std::size_t gap : {9u, 15u, 124u, 127u, 140u, 143u}) EXPECT_EQ(bytes[gap], kFill) << gap;
    KSDKInitNamedViewData(nullptr);  // ignored
}

TEST_F(NamedView, TheOrientationGoesIntoAMatrixWithoutTranslation) {
    const KSDKHandle handle = KSDKCreateNamedView();
    KSDKNamedViewData data = Defaults();
    data.hasView = 7;
    for (int i = 0; i < 9; ++i) data.viewMatrix[i] = 10.0 + i;
    data.viewParam1 = -2.5;
    data.viewParam2 = 3.25;
    data.viewParam3 = 40.0;
    KSDKSetNamedViewData(handle, &data);

    const KCapturedView& view = ViewAt(handle);
    EXPECT_EQ(view.hasView, 7);
    ASSERT_NE(view.View(), nullptr);
    const double expected[16] = {10, 11, 12, 0, 13, 14, 15, 0, 16, 17, 18, 0, 0, 0, 0, 1};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(view.View()->matrix[i], expected[i]) << i;
    EXPECT_EQ(view.View()->param1, -2.5);
    EXPECT_EQ(view.View()->param2, 3.25);
    EXPECT_EQ(view.View()->param3, 40.0);
}

TEST_F(NamedView, WithoutAnOrientationTheFlagClearsAndTheDescriptionStays) {
    const KSDKHandle handle = KSDKCreateNamedView();
    KSDKNamedViewData data = Defaults();
    data.hasView = 1;
    data.viewParam1 = 5.0;
    KSDKSetNamedViewData(handle, &data);
    data.hasView = 0;
    data.viewParam1 = 9.0;
    KSDKSetNamedViewData(handle, &data);
    EXPECT_EQ(ViewAt(handle).hasView, 0);
    ASSERT_NE(ViewAt(handle).View(), nullptr);
    EXPECT_EQ(ViewAt(handle).View()->param1, 5.0);
}

TEST_F(NamedView, NamesAreWidenedFromTheAnsiCodePage) {
    struct Case {
        const char* name;
        std::u16string expected;
    };
    const Case cases[] = {
        {"Front", u"Front"},
        {"\x80 caf\xe9", u"\u20ac caf\u00e9"},  // euro sign and e acute in Windows-1252
        {"", u""},
    };
    for (const Case& c : cases) {
        const KSDKHandle handle = KSDKCreateNamedView();
        ViewAt(handle).SetName(u"old");
        KSDKNamedViewData data = Defaults();
        data.name = c.name;
        KSDKSetNamedViewData(handle, &data);
        EXPECT_EQ(ViewAt(handle).GetName(), c.expected) << c.name;
        data.name = nullptr;
        KSDKSetNamedViewData(handle, &data);
        EXPECT_EQ(ViewAt(handle).GetName(), c.expected) << "a null name keeps " << c.name;
    }
}

TEST_F(NamedView, ShownAndHiddenListsKeepOnlySceneObjects) {
    const auto datum = Add<KMBDDatum>();
    const auto note = Add<KMBDNote>();
    const auto plain = Add<PlainSceneObject>();
    const auto hiddenNote = Add<KMBDNote>();
    const KSDKHandle handle = KSDKCreateNamedView();
    const auto outsider = boost::make_shared<KMBDDatum>();  // never in the scene
    std::vector<boost::shared_ptr<KObjectTreeNode>> nodes;
    KD::GetTreeMgr()->GetNodesForObject(nodes, datum);
    ASSERT_EQ(nodes.size(), 1u);
    int notAnObject = 0;

    const KSDKHandle shown[] = {HandleOf(datum), handle /* a view is no scene object */,
                                HandleOf(plain), HandleOf(outsider), nodes[0].get(), &notAnObject,
                                HandleOf(datum), HandleOf(note)};
    const KSDKHandle hidden[] = {HandleOf(hiddenNote), HandleOf(datum), nullptr};
    KSDKNamedViewData data = Defaults();
    data.shownObjects = shown;
    data.shownCount = 8;
    data.hiddenObjects = hidden;
    data.hiddenCount = 3;
    KSDKSetNamedViewData(handle, &data);

    const KCapturedView& view = ViewAt(handle);
    ASSERT_NE(view.Visibility(), nullptr);
    EXPECT_EQ(EntriesOf(*view.Visibility()),
              Sorted({{true, datum.get()}, {false, datum.get()}, {true, note.get()},
                      {true, plain.get()}, {false, hiddenNote.get()}}));
    // The set does not keep its objects alive.
    EXPECT_EQ(datum.use_count(), 2);
}

TEST_F(NamedView, CountsDecideWhichHandlesAreRead) {
    const auto first = Add<KMBDDatum>();
    const auto second = Add<KMBDNote>();
    const KSDKHandle handles[] = {HandleOf(first), HandleOf(second)};
    int unknown = 0;
    const KSDKHandle strangers[] = {&unknown};
    struct Case {
        const char* what;
        const KSDKHandle* shown;
        std::int32_t shownCount;
        const KSDKHandle* hidden;
        std::int32_t hiddenCount;
        bool handedOver;
        Entries expected;
    };
    const Case cases[] = {
        {"both counts zero: nothing read", handles, 0, handles, 0, false, {}},
        {"only the first shown handle", handles, 1, nullptr, 0, true, {{true, first.get()}}},
        {"only hidden handles", nullptr, 0, handles, 2, true,
         Sorted({{false, first.get()}, {false, second.get()}})},
        {"unknown handles: an empty set", strangers, 1, nullptr, 0, true, {}},
    };
    for (const Case& c : cases) {
        const KSDKHandle handle = KSDKCreateNamedView();
        KSDKNamedViewData data = Defaults();
        data.shownObjects = c.shown;
        data.shownCount = c.shownCount;
        data.hiddenObjects = c.hidden;
        data.hiddenCount = c.hiddenCount;
        KSDKSetNamedViewData(handle, &data);
        const KCapturedView& view = ViewAt(handle);
        EXPECT_EQ(view.SetVisibilityCalls(), c.handedOver ? 1 : 0) << c.what;
        if (c.handedOver && view.Visibility() != nullptr) {
            EXPECT_EQ(EntriesOf(*view.Visibility()), c.expected) << c.what;
        }
    }
}

TEST_F(NamedView, ListsNeedTheSceneButNameAndOrientationDoNot) {
    const auto datum = Add<KMBDDatum>();
    const KSDKHandle handle = KSDKCreateNamedView();
    const KSDKHandle shown[] = {HandleOf(datum)};
    KSDKNamedViewData data = Defaults();
    data.name = "Top";
    data.hasView = 1;
    data.shownObjects = shown;
    data.shownCount = 1;
    standin::kscene::SetScenePresent(false);
    KSDKSetNamedViewData(handle, &data);
    const KCapturedView& view = ViewAt(handle);
    EXPECT_EQ(view.GetName(), u"Top");
    EXPECT_NE(view.View(), nullptr);
    EXPECT_EQ(view.SetVisibilityCalls(), 0);
}

TEST_F(NamedView, BadHandlesAndRecordsChangeNothing) {
    const auto datum = Add<KMBDDatum>();
    datum->SetName(u"A");
    const KSDKHandle view = KSDKCreateNamedView();
    KSDKNamedViewData data = Defaults();
    data.name = "renamed";
    data.hasView = 1;
    KSDKSetNamedViewData(nullptr, &data);
    KSDKSetNamedViewData(view, nullptr);
    KSDKSetNamedViewData(HandleOf(datum), &data);  // an annotation is no named view
    EXPECT_TRUE(ViewAt(view).GetName().empty());
    EXPECT_EQ(ViewAt(view).View(), nullptr);
    EXPECT_EQ(datum->GetName(), u"A");
}

TEST_F(NamedView, FinishingNotifiesTheHeldViewAndAlwaysMarksAnUndoPoint) {
    const auto datum = Add<KMBDDatum>();
    const KSDKHandle view = KSDKCreateNamedView();
    const auto stray = boost::make_shared<KCapturedView>();  // not in the scene
    struct Case {
        const char* what;
        KSDKHandle handle;
        int notices;
    };
    const Case cases[] = {
        {"the held view", view, 1},
        {"again", view, 2},
        {"an annotation", HandleOf(datum), 0},
        {"a view the scene does not hold", HandleOf(stray), 0},
    };
    std::size_t undoPoints = 0;
    for (const Case& c : cases) {
        KSDKFinishNamedView(c.handle);
        EXPECT_EQ(Notices(c.handle), c.notices) << c.what;
        ASSERT_EQ(standin::kscene::UndoPoints().size(), ++undoPoints) << c.what;
        EXPECT_EQ(standin::kscene::UndoPoints().back(), "Import Named View") << c.what;
    }
}

TEST_F(NamedView, FinishingNothingOrWithoutASceneMarksNoUndoPoint) {
    const KSDKHandle view = KSDKCreateNamedView();
    KSDKFinishNamedView(nullptr);
    standin::kscene::SetScenePresent(false);
    KSDKFinishNamedView(view);
    EXPECT_TRUE(standin::kscene::UndoPoints().empty());
    EXPECT_EQ(Notices(view), 0);
}

}  // namespace
}  // namespace view_tests
