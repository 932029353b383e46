#include "shell/EntryPoints.h"

#include "host/kscene/KScene.h"
#include "shell/CDraftliftApp.h"
#include "shell/NoteWalk.h"
#include "shell/ResourceScope.h"

namespace {

constexpr int kHostVersion = 2400;
constexpr char kModuleName[] = "Draftlift.dll";

}  // namespace

extern "C" {

KSDK_API int m_main(void) { return 0; }

KSDK_API int m_version(void) { return kHostVersion; }

KSDK_API int m_open(void) {
    KD::LoadDLL(kModuleName);
    return 0;
}

KSDK_API int m_Draftlift(void) {
    const ResourceScope resources(theApp.m_hResource);
    ImportRecordedNotes();
    return 0;
}

KSDK_API int m_DraftliftFromMCAM(void) {
    const ResourceScope resources(theApp.m_hResource);
    VisitHostEntities();
    return 0;
}

}  // extern "C"
