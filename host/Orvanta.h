// The core library's host tab functions. The state is written as two plain
// bytes, 0 for a flag that is not set and any other value for one that is.
#pragma once

#include <cstdint>

extern "C" {
void GetMCTabsState(std::uint8_t* tabsFlag1, std::uint8_t* tabsFlag2);
void RestoreMCTabs(bool flag1, bool flag2);
void RemoveMCTabs(bool flag1, bool flag2);
}
