/* The mesh export for C callers: writes every finished cloud and mesh of
 * the scene to `path` (.ply, .gltf or .glb). Returns the number of objects
 * written, or -1 when the file cannot be written or the extension is not
 * known. */
#ifndef DRAFTLIFT_TOOLS_MESH_EXPORT_C_H
#define DRAFTLIFT_TOOLS_MESH_EXPORT_C_H

#ifdef __cplusplus
extern "C" {
#endif

int DraftliftExportMeshes(const char* path);

#ifdef __cplusplus
}
#endif

#endif
