#include "standins/windows/LinkedAttach.h"

#include "shell/LibraryEntry.h"

#ifndef _WIN32
#include "standins/windows/ResourceTable.h"
#endif

namespace {

#ifdef _WIN32
// The program's own image; Windows finds any resources in it.
HINSTANCE LinkedModule() { return GetModuleHandleW(nullptr); }
#else
// Any stable address serves as the module's handle; the resource table is
// bound to it as the shared library's constructor binds it to its own.
const char kModuleTag = 0;

HINSTANCE LinkedModule() {
    const auto module = reinterpret_cast<HINSTANCE>(const_cast<char*>(&kModuleTag));
    standin::windows::RegisterModuleResources(module, DraftliftResources(), DraftliftResourceCount());
    return module;
}
#endif

}  // namespace

HINSTANCE AttachLinkedLibrary() {
    const HINSTANCE module = LinkedModule();
    return DllMain(module, DLL_PROCESS_ATTACH, nullptr) == FALSE ? nullptr : module;
}

void DetachLinkedLibrary(HINSTANCE module) { DllMain(module, DLL_PROCESS_DETACH, nullptr); }
