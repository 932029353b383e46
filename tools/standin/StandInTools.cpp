// The C helpers of include/draftlift/standin_tools.h.
#include "draftlift/standin_tools.h"

#include <iostream>

#include "standins/kscene/SceneJson.h"
#include "tools/mesh/MeshExport.h"

extern "C" int DraftliftPrintSceneJson(void) {
    try {
        scenejson::WriteSceneJson(std::cout);
        std::cout << '\n' << std::flush;
        return std::cout ? 0 : -1;
    } catch (...) {
        return -1;
    }
}

extern "C" int DraftliftExportMeshes(const char* path) {
    if (path == nullptr) return -1;
    try {
        return int(meshexport::Export(meshexport::FinishedClouds(), path));
    } catch (...) {
        return -1;
    }
}
