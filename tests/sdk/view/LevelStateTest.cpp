// Recording the host's level state into a named view: the count is asked
// with a null array first, the array only for a non-zero count; and the
// two-step query itself against a scripted host.
#include <stdexcept>
#include <tuple>

#include <gtest/gtest.h>

#include "host/kscene/KMBD.h"
#include "platform/mastercam/HostStandIn.h"
#include "sdk/view/LevelQuery.h"
#include "tests/sdk/view/ViewFixture.h"

namespace view_tests {
namespace {

class LevelState : public ViewTest {};

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
        const auto* recorded = ViewAt(view).Levels();
        ASSERT_NE(recorded, nullptr);
        EXPECT_EQ(recorded->activeLevels, levels.active);
        EXPECT_EQ(recorded->visibleLevels, levels.visible);
        EXPECT_EQ(recorded->mainLevel, levels.main);
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
