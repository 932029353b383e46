// Saving and restoring the host's tab state through the core library.
#include <cstdint>
#include <utility>

#include <gtest/gtest.h>

#include "draftlift/draftlift.h"
#include "platform/orvanta/OrvantaStandIn.h"
#include "tests/support/StandIns.h"

namespace {

class TabState : public testing_support::FreshHost {};

// The core library may write any non-zero byte for a shown flag; only the
// flags saved as 0 have their tabs removed again.
TEST_F(TabState, SaveShowsAllTabsAndRestoreRemovesTheUnsavedOnes) {
    struct Case {
        bool shown1;
        bool shown2;
        std::uint8_t shownByte;
    };
    for (const Case& c : {Case{false, false, 1}, Case{true, false, 1}, Case{false, true, 1}, Case{true, true, 1},
                          Case{true, false, 2}, Case{false, true, 255}, Case{true, true, 128}}) {
        SCOPED_TRACE(testing::Message() << c.shown1 << c.shown2 << " as byte " << int(c.shownByte));
        standin::orvanta::Reset();
        auto& tabs = standin::orvanta::Tabs();
        tabs = {c.shown1, c.shown2, c.shownByte};
        KSDKTabState* state = KSDKGetOrvantaTabStateAndRestoreMcamTabs();
        ASSERT_NE(state, nullptr);
        const auto saved = [&](bool shown) { return shown ? c.shownByte : std::uint8_t{0}; };
        EXPECT_EQ(std::pair(state->tabsFlag1, state->tabsFlag2), std::pair(saved(c.shown1), saved(c.shown2)));
        EXPECT_EQ(tabs.lastRestore, std::pair(true, true));
        EXPECT_EQ(tabs.restoreCalls, 1);
        KSDKRestoreOrvantaTabState(state);
        EXPECT_EQ(tabs.lastRemove, std::pair(!c.shown1, !c.shown2));
        EXPECT_EQ(std::pair(tabs.shown1, tabs.shown2), std::pair(c.shown1, c.shown2));
    }
    KSDKRestoreOrvantaTabState(nullptr);
    EXPECT_EQ(standin::orvanta::Tabs().removeCalls, 1);
}

}  // namespace
