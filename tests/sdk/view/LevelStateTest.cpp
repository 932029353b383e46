// Recording the host's level state into a named view, with the host's query
// order: count with a null array first, the array only for a non-zero count.
#include <tuple>

#include <gtest/gtest.h>

#include "host/kscene/KMBD.h"
#include "platform/mastercam/HostStandIn.h"
#include "tests/sdk/view/ViewFixture.h"

namespace view_tests {
namespace {

using standin::host::LevelQuery;

class LevelState : public ViewTest {};

// (visible list, with array, count passed with the array) per query.
using Query = std::tuple<bool, bool, std::int32_t>;

std::vector<Query> Made() {
    std::vector<Query> made;
    for (const LevelQuery& q : standin::host::LevelQueries()) made.emplace_back(q.visibleList, q.withArray, q.count);
    return made;
}

std::vector<Query> ExpectedQueries(std::int32_t active, std::int32_t visible) {
    std::vector<Query> queries{{false, false, 0}};
    if (active != 0) queries.emplace_back(false, true, active);
    queries.emplace_back(true, false, 0);
    if (visible != 0) queries.emplace_back(true, true, visible);
    return queries;
}

TEST_F(LevelState, RecordsBothListsAndTheMainLevel) {
    const standin::host::Levels cases[] = {
        {{}, {}, 0},
        {{1, 5, 9}, {}, 5},
        {{}, {2, 3}, -4},
        {{10, 20}, {10, 20, 30, 40}, 20},
    };
    for (const auto& levels : cases) {
        standin::host::SetLevels(levels);
        const KSDKHandle view = KSDKCreateNamedView();
        KSDKNamedViewRecordLevelState(view);
        const KCapturedView::KLevelMan* recorded = ViewAt(view).Levels();
        ASSERT_NE(recorded, nullptr);
        EXPECT_EQ(recorded->activeLevels, levels.active);
        EXPECT_EQ(recorded->visibleLevels, levels.visible);
        EXPECT_EQ(recorded->mainLevel, levels.main);
        const auto expected = ExpectedQueries(static_cast<std::int32_t>(levels.active.size()),
                                              static_cast<std::int32_t>(levels.visible.size()));
        EXPECT_EQ(Made(), expected) << levels.active.size() << " active, "
                                                           << levels.visible.size() << " visible";
    }
}

TEST_F(LevelState, TheSceneIsNotNeeded) {
    standin::host::SetLevels({{7}, {7, 8}, 7});
    const KSDKHandle view = KSDKCreateNamedView();
    standin::kscene::SetScenePresent(false);
    KSDKNamedViewRecordLevelState(view);
    ASSERT_NE(ViewAt(view).Levels(), nullptr);
    EXPECT_EQ(ViewAt(view).Levels()->visibleLevels, (std::vector<std::int32_t>{7, 8}));
}

TEST_F(LevelState, BadHandlesAskTheHostNothing) {
    standin::host::SetLevels({{1}, {1}, 1});
    const auto datum = Add<KMBDDatum>();
    KSDKNamedViewRecordLevelState(nullptr);
    KSDKNamedViewRecordLevelState(HandleOf(datum));
    EXPECT_TRUE(standin::host::LevelQueries().empty());
}

}  // namespace
}  // namespace view_tests
