// Inspection and control of the MFC stand-in, for tests and tools.
#pragma once

#include "host/Afx.h"

namespace standin::mfc {

// Makes the next AfxInitExtensionModule call fail.
void FailNextExtensionInit();
int ExtensionInitCount();
int ExtensionTermCount();
// The "all" flag of the last AfxTermExtensionModule call.
bool LastTermAll();
// The resource handle a module's extension state receives: the module itself.
HMODULE ResourceHandleOf(HMODULE module);

}  // namespace standin::mfc
