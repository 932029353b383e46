// The core library's host tab functions.
#pragma once

extern "C" {
void GetMCTabsState(bool* tabsFlag1, bool* tabsFlag2);
void RestoreMCTabs(bool flag1, bool flag2);
void RemoveMCTabs(bool flag1, bool flag2);
}
