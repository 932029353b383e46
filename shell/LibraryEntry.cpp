// Attach initialises the MFC extension module and hands its resource handle
// to the application object; detach terminates the module.
#include "shell/LibraryEntry.h"

#include "host/Afx.h"
#include "shell/CDraftliftApp.h"

namespace {

AFX_EXTENSION_MODULE draftliftModule{};

}  // namespace

#ifdef _WIN32
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
#else
BOOL DllMain(HINSTANCE instance, DWORD reason, LPVOID)
#endif
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        if (!AfxInitExtensionModule(draftliftModule, instance)) return FALSE;
        theApp.m_hResource = draftliftModule.hResource;
        return TRUE;
    case DLL_PROCESS_DETACH:
        AfxTermExtensionModule(draftliftModule);
        return TRUE;
    default:
        return TRUE;
    }
}
