// The MFC extension-module interface used by the library entry point and the
// import commands' resource switching.
#pragma once

#include "host/WinTypes.h"

#ifdef _WIN32
#include <afxwin.h>
#include <afxdllx.h>
#else

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized = FALSE;
    HMODULE hModule = nullptr;
    HMODULE hResource = nullptr;
};

struct AFX_MODULE_STATE {
    HINSTANCE m_hCurrentResourceHandle = nullptr;
};

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module);
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL all = FALSE);
AFX_MODULE_STATE* AfxGetModuleState();

#endif
