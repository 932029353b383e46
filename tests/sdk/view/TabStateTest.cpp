// Saving and restoring the host's tab state through the core library.
#include <gtest/gtest.h>

#include "draftlift/draftlift.h"
#include "platform/orvanta/OrvantaStandIn.h"
#include "tests/support/StandIns.h"

namespace {

class TabState : public testing_support::FreshHost {};

TEST_F(TabState, SaveShowsAllTabsAndRestoreRemovesTheUnsavedOnes) {
    for (const auto& [shown1, shown2] : {std::pair{false, false}, {true, false}, {false, true}, {true, true}}) {
        standin::orvanta::Reset();
        auto& tabs = standin::orvanta::Tabs();
        tabs.shown1 = shown1;
        tabs.shown2 = shown2;
        KSDKTabState* state = KSDKGetOrvantaTabStateAndRestoreMcamTabs();
        ASSERT_NE(state, nullptr);
        EXPECT_EQ(std::pair(state->tabsFlag1, state->tabsFlag2), std::pair(shown1, shown2));
        EXPECT_EQ(tabs.lastRestore, std::pair(true, true));
        EXPECT_EQ(tabs.restoreCalls, 1);
        KSDKRestoreOrvantaTabState(state);
        EXPECT_EQ(tabs.lastRemove, std::pair(!shown1, !shown2));
        EXPECT_EQ(std::pair(tabs.shown1, tabs.shown2), std::pair(shown1, shown2));
    }
    KSDKRestoreOrvantaTabState(nullptr);
    EXPECT_EQ(standin::orvanta::Tabs().removeCalls, 1);
}

}  // namespace
