#include "tools/MeshExportC.h"

#include "tools/MeshExport.h"

extern "C" int DraftliftExportMeshes(const char* path) {
    if (path == nullptr) return -1;
    try {
        return int(meshexport::Export(meshexport::FinishedClouds(), path));
    } catch (...) {
        return -1;
    }
}
