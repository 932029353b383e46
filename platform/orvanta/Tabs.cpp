// The host's tabs under two flags: restoring brings back the tabs under each
// flag whose argument is true, removing takes them away.
#include "host/Orvanta.h"
#include "platform/orvanta/OrvantaStandIn.h"

namespace standin::orvanta {

TabState& Tabs() {
    static TabState state;
    return state;
}

void Reset() { Tabs() = TabState{}; }

}  // namespace standin::orvanta

using standin::orvanta::Tabs;

extern "C" void GetMCTabsState(bool* flag1, bool* flag2) {
    *flag1 = Tabs().shown1;
    *flag2 = Tabs().shown2;
}

extern "C" void RestoreMCTabs(bool flag1, bool flag2) {
    auto& tabs = Tabs();
    tabs.shown1 = tabs.shown1 || flag1;
    tabs.shown2 = tabs.shown2 || flag2;
    tabs.lastRestore = {flag1, flag2};
    ++tabs.restoreCalls;
}

extern "C" void RemoveMCTabs(bool flag1, bool flag2) {
    auto& tabs = Tabs();
    tabs.shown1 = tabs.shown1 && !flag1;
    tabs.shown2 = tabs.shown2 && !flag2;
    tabs.lastRemove = {flag1, flag2};
    ++tabs.removeCalls;
}
