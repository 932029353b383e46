// The library entry point the loader calls at attach and detach.
#pragma once

#include "host/WinTypes.h"

#ifdef _WIN32
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);
#else
BOOL DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);
#endif
