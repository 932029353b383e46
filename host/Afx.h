// The MFC extension-module interface used by the library entry point and the
// import commands' resource switching.
#pragma once

#include "host/WinTypes.h"

#ifdef DRAFTLIFT_VENDOR_LIBRARIES
#include <afxwin.h>
#include <afxdllx.h>
#else

// MFC's structures hold more than these; the library reads only these.
struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
};

struct AFX_MODULE_STATE {
    HINSTANCE m_hCurrentResourceHandle;
};

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module);
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL all = FALSE);
AFX_MODULE_STATE* AfxGetModuleState();

#endif
