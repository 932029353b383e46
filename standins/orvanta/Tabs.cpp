// The host's tabs under two flags: restoring brings back the tabs under each
// flag whose argument is true, removing takes them away.
#include <stdexcept>

#include "host/Orvanta.h"
#include "standins/orvanta/OrvantaStandIn.h"

namespace standin::orvanta {

TabState& Tabs() {
    static TabState state;
    return state;
}

void Reset() { Tabs() = TabState{}; }

}  // namespace standin::orvanta

using standin::orvanta::Tabs;

namespace {

standin::orvanta::TabState& Working() {
    auto& tabs = Tabs();
    if (tabs.failing) throw std::runtime_error("core library failure");
    return tabs;
}

}  // namespace

extern "C" void GetMCTabsState(std::uint8_t* flag1, std::uint8_t* flag2) {
    const auto& tabs = Working();
    *flag1 = tabs.shown1 ? tabs.shownByte : 0;
    *flag2 = tabs.shown2 ? tabs.shownByte : 0;
}

extern "C" void RestoreMCTabs(bool flag1, bool flag2) {
    auto& tabs = Working();
    tabs.shown1 = tabs.shown1 || flag1;
    tabs.shown2 = tabs.shown2 || flag2;
    tabs.lastRestore = {flag1, flag2};
    ++tabs.restoreCalls;
}

extern "C" void RemoveMCTabs(bool flag1, bool flag2) {
    auto& tabs = Working();
    tabs.shown1 = tabs.shown1 && !flag1;
    tabs.shown2 = tabs.shown2 && !flag2;
    tabs.lastRemove = {flag1, flag2};
    ++tabs.removeCalls;
}
