// Where no Windows loader calls the library entry point, the shared library's
// own constructor and destructor do, with the module's load address as its
// instance handle. The resource table is bound to that handle first.
#include <dlfcn.h>

#include "shell/LibraryEntry.h"
#include "standins/windows/ResourceTable.h"

namespace {

HINSTANCE ThisModule() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&ThisModule), &info) == 0) return nullptr;
    return static_cast<HINSTANCE>(info.dli_fbase);
}

__attribute__((constructor)) void AttachLibrary() {
    const HINSTANCE module = ThisModule();
    standin::windows::RegisterModuleResources(module, DraftliftResources(), DraftliftResourceCount());
    DllMain(module, DLL_PROCESS_ATTACH, nullptr);
}

__attribute__((destructor)) void DetachLibrary() {
    DllMain(ThisModule(), DLL_PROCESS_DETACH, nullptr);
}

}  // namespace
