// Saving the host's tab flags while all tabs are brought back, and removing
// again afterwards the tabs that were not there.
#include <memory>

#include "draftlift/draftlift.h"
#include "host/Orvanta.h"

extern "C" {

// Failures of the core library pass to the caller; the block is then freed.
KSDK_API KSDKTabState* KSDKGetOrvantaTabStateAndRestoreMcamTabs(void) {
    auto state = std::make_unique<KSDKTabState>(KSDKTabState{0, 0});
    GetMCTabsState(&state->tabsFlag1, &state->tabsFlag2);
    RestoreMCTabs(true, true);
    return state.release();
}

KSDK_API void KSDKRestoreOrvantaTabState(KSDKTabState* state) {
    const std::unique_ptr<KSDKTabState> owned(state);
    if (!owned) return;
    // Any non-zero byte means shown: compared with 0, never negated.
    RemoveMCTabs(owned->tabsFlag1 == 0, owned->tabsFlag2 == 0);
}

}  // extern "C"
