// The shown/hidden flag of scene objects, and recording it and the host's
// level state into named views: the level count is asked with a null array
// first, the array only for a non-zero count.
#include <stdexcept>
#include <tuple>

#include <gtest/gtest.h>

#include "host/kscene/KMBD.h"
#include "sdk/view/LevelQuery.h"
#include "standins/kscene/Access.h"
#include "standins/mastercam/HostStandIn.h"
#include "tests/sdk/view/ViewFixture.h"

namespace view_tests {
namespace {

using standin::kscene::Access;

using Visibility = ViewTest;

TEST_F(Visibility, RecordingTakesEveryAnnotationWithItsFlag) {
    const KSDKHandle view = KSDKCreateNamedView();
    Add<PlainSceneObject>()->visible = 0;  // no annotation: never recorded
    KSDKNamedViewRecordVisibility(view);
    EXPECT_EQ(Access::SetVisibilityCalls(ViewAt(view)), 1) << "an empty set is handed over too";
    EXPECT_TRUE(PairsOf(Access::Visibility(ViewAt(view))).empty());

    const auto datum = Add<KMBDDatum>();
    const auto note = Add<KMBDNote>();
    const auto dimension = Add<KMBD2PtDimension>();
    KSDKSetVisibility(note.get(), 0);
    dimension->visible = 9;
    KSDKNamedViewRecordVisibility(view);
    EXPECT_EQ(PairsOf(Access::Visibility(ViewAt(view))),
              Sorted({{true, datum.get()}, {false, note.get()}, {true, dimension.get()}}));
    EXPECT_EQ(Notices(view), 0);
    EXPECT_TRUE(Undo().empty());

    KSDKNamedViewRecordVisibility(nullptr);
    KSDKNamedViewRecordVisibility(datum.get());  // no named view
    standin::kscene::SetScenePresent(false);
    KSDKNamedViewRecordVisibility(view);
    standin::kscene::SetScenePresent(true);
    standin::kscene::FailListing(true);
    KSDKNamedViewRecordVisibility(view);  // nothing recorded from a failed listing
    EXPECT_EQ(Access::SetVisibilityCalls(ViewAt(view)), 2);
}

TEST_F(Visibility, SetStoresTheByteOfSceneObjectsAndAnnouncesHeldOnes) {
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
    // Only scene objects have the flag: others are left alone and read as 0.
    const KSDKHandle view = KSDKCreateNamedView();
    const auto target = boost::make_shared<KMBDTarget>();
    for (const KSDKHandle handle : {KSDKHandle{}, view, KSDKHandle{static_cast<KObject*>(target.get())}}) {
        KSDKSetVisibility(handle, 1);
        EXPECT_EQ(KSDKGetVisibility(handle), 0);
    }
    EXPECT_EQ(Notices(view), 0);
    standin::kscene::SetScenePresent(false);
    KSDKSetVisibility(static_cast<KObject*>(plain.get()), 1);
    EXPECT_EQ(plain->visible, 0) << "without a scene nothing is written";
    EXPECT_EQ(KSDKGetVisibility(static_cast<KObject*>(datum.get())), 255) << "but the flag is read";
}

using LevelState = ViewTest;

// (visible list, with array, count given with the array) per host call.
using Query = std::tuple<bool, bool, std::int32_t>;

std::vector<Query> Made() {
    std::vector<Query> made;
    for (const auto& q : standin::host::LevelQueries()) made.emplace_back(q.visibleList, q.withArray, q.count);
    return made;
}

TEST_F(LevelState, RecordsBothListsAndTheMainLevel) {
    for (const standin::host::Levels& levels : {standin::host::Levels{{}, {}, 0}, {{1, 5, 9}, {}, 5},
                                                {{}, {2, 3}, -4}, {{10, 20}, {10, 20, 30, 40}, 20}}) {
        standin::host::SetLevels(levels);
        const KSDKHandle view = KSDKCreateNamedView();
        standin::kscene::SetScenePresent(false);  // not needed
        KSDKNamedViewRecordLevelState(view);
        standin::kscene::SetScenePresent(true);
        const auto* recorded = Access::Levels(ViewAt(view));
        ASSERT_NE(recorded, nullptr);
        EXPECT_EQ(Access::ActiveLevels(*recorded), levels.active);
        EXPECT_EQ(Access::VisibleLevels(*recorded), levels.visible);
        EXPECT_EQ(Access::MainLevel(*recorded), levels.main);
        const auto active = static_cast<std::int32_t>(levels.active.size());
        const auto visible = static_cast<std::int32_t>(levels.visible.size());
        std::vector<Query> expected{{false, false, 0}};
        if (active != 0) expected.emplace_back(false, true, active);
        expected.emplace_back(true, false, 0);
        if (visible != 0) expected.emplace_back(true, true, visible);
        EXPECT_EQ(Made(), expected);
    }
    standin::host::SetLevels({{1}, {1}, 1});
    KSDKNamedViewRecordLevelState(nullptr);
    KSDKNamedViewRecordLevelState(Add<KMBDDatum>().get());
    EXPECT_TRUE(Made().empty()) << "bad handles ask the host nothing";
}

// What the scripted host reports for the count, what it writes into the
// count when filling, and the counts it was given.
struct Script {
    std::int32_t reported;
    std::int32_t writtenWhenFilling;
    std::vector<std::int32_t> seen;
};
Script script;

void ScriptedQuery(std::int32_t* count, std::int32_t* levels) {
    script.seen.push_back(*count);
    if (levels != nullptr) {
        for (std::int32_t i = 0; i < script.reported; ++i) levels[i] = 100 + i;
    }
    *count = levels == nullptr ? script.reported : script.writtenWhenFilling;
}

// The list keeps the length of the count query whatever the filling call
// writes; a negative count is refused before any filling call.
TEST(LevelQuery, TheListKeepsTheLengthOfTheCountQuery) {
    script = {3, 1, {}};
    std::int32_t count = 42;  // left by an earlier query
    EXPECT_EQ(sdk::view::QueryLevels(ScriptedQuery, count), (std::vector<std::int32_t>{100, 101, 102}));
    EXPECT_EQ(script.seen, (std::vector<std::int32_t>{42, 3}));
    EXPECT_EQ(count, 1);
    script = {-2, 5, {}};
    EXPECT_THROW(sdk::view::QueryLevels(ScriptedQuery, count), std::length_error);
    EXPECT_EQ(script.seen.size(), 1u);
}

}  // namespace
}  // namespace view_tests
