// MFC extension-module stand-in: one module state per process, counters for
// the calls tests want to see.
#include "standins/windows/MfcStandIn.h"

namespace {

struct MfcState {
    AFX_MODULE_STATE module{};
    bool failNextInit = false;
    int inits = 0;
    int terms = 0;
    bool lastTermAll = false;
};

MfcState& State() {
    static MfcState state;
    return state;
}

}  // namespace

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& extension, HMODULE module) {
    MfcState& state = State();
    ++state.inits;
    if (state.failNextInit || module == nullptr) {
        state.failNextInit = false;
        return FALSE;
    }
    extension.bInitialized = TRUE;
    extension.hModule = module;
    extension.hResource = standin::mfc::ResourceHandleOf(module);
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& extension, BOOL all) {
    MfcState& state = State();
    ++state.terms;
    state.lastTermAll = all != FALSE;
    extension.bInitialized = FALSE;
}

AFX_MODULE_STATE* AfxGetModuleState() { return &State().module; }

namespace standin::mfc {

void FailNextExtensionInit() { State().failNextInit = true; }
int ExtensionInitCount() { return State().inits; }
int ExtensionTermCount() { return State().terms; }
bool LastTermAll() { return State().lastTermAll; }
HMODULE ResourceHandleOf(HMODULE module) { return module; }

}  // namespace standin::mfc
