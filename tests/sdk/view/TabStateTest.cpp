// Saving and restoring the host's tab state through the core library.
#include <gtest/gtest.h>

#include "draftlift/draftlift.h"
#include "platform/orvanta/OrvantaStandIn.h"
#include "tests/support/StandIns.h"

namespace {

class TabState : public testing_support::FreshHost {};

TEST_F(TabState, SaveShowsAllTabsAndRestorePutsBackTheSavedOnes) {
    struct Case {
        bool shown1;
        bool shown2;
    };
    for (const Case c : {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
        standin::orvanta::Reset();
        auto& tabs = standin::orvanta::Tabs();
        tabs.shown1 = c.shown1;
        tabs.shown2 = c.shown2;

        KSDKTabState* state = KSDKGetOrvantaTabStateAndRestoreMcamTabs();
        ASSERT_NE(state, nullptr);
        EXPECT_EQ(state->tabsFlag1, c.shown1);
        EXPECT_EQ(state->tabsFlag2, c.shown2);
        EXPECT_EQ(tabs.restoreCalls, 1);
        EXPECT_EQ(tabs.lastRestore, std::make_pair(true, true));
        EXPECT_TRUE(tabs.shown1 && tabs.shown2);

        KSDKRestoreOrvantaTabState(state);
        EXPECT_EQ(tabs.removeCalls, 1);
        EXPECT_EQ(tabs.lastRemove, std::make_pair(!c.shown1, !c.shown2));
        EXPECT_EQ(tabs.shown1, c.shown1);
        EXPECT_EQ(tabs.shown2, c.shown2);
    }
}

TEST_F(TabState, EachSaveHasItsOwnBlockAndNullRestoresNothing) {
    KSDKTabState* first = KSDKGetOrvantaTabStateAndRestoreMcamTabs();
    KSDKTabState* second = KSDKGetOrvantaTabStateAndRestoreMcamTabs();
    EXPECT_NE(first, second);
    EXPECT_TRUE(second->tabsFlag1 && second->tabsFlag2);  // saved after the first restore
    KSDKRestoreOrvantaTabState(second);
    KSDKRestoreOrvantaTabState(first);
    KSDKRestoreOrvantaTabState(nullptr);
    EXPECT_EQ(standin::orvanta::Tabs().removeCalls, 2);
    EXPECT_FALSE(standin::orvanta::Tabs().shown1 || standin::orvanta::Tabs().shown2);
}

}  // namespace
