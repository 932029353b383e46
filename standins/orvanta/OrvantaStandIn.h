// Inspection of the core-library stand-in's tab state, for tests.
#pragma once

#include <cstdint>
#include <utility>

namespace standin::orvanta {

// Whether the host's tabs under each of the two flags are shown, and the
// arguments of the last calls.
struct TabState {
    bool shown1 = false;
    bool shown2 = false;
    // The byte GetMCTabsState writes for a shown flag; the core library may
    // write any non-zero value.
    std::uint8_t shownByte = 1;
    int restoreCalls = 0;
    int removeCalls = 0;
    std::pair<bool, bool> lastRestore{false, false};
    std::pair<bool, bool> lastRemove{false, false};
    // While set, each tab function throws std::runtime_error ("core library
    // failure") before it does anything.
    bool failing = false;
};

TabState& Tabs();
void Reset();

}  // namespace standin::orvanta
