// The MFC extension-module interface used by the library entry point and the
// import commands' resource switching.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/WinTypes.h"

#ifdef DRAFTLIFT_VENDOR_LIBRARIES
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

#ifndef _WIN32
// A module's resources, as the resource compiler would have bound them into
// it. Windows finds them in the image; elsewhere the loader registers them.
enum class ResourceType : std::uint16_t { Bitmap = 2, String = 6, Version = 16, Png = 18000 };

struct ResourceEntry {
    ResourceType type;
    std::uint16_t id;
    std::uint16_t language;
    const unsigned char* data;
    std::size_t size;
};

void AfxRegisterModuleResources(HMODULE module, const ResourceEntry* entries, std::size_t count);
// The resource of a module, or null.
const ResourceEntry* AfxFindModuleResource(HMODULE module, ResourceType type, std::uint16_t id);
#endif

#endif
