/* Helpers for programs that run the library on the stand-ins of the host
 * and scene library, such as the examples: a real host shows its scene
 * itself. Installed with the package as library DraftliftStandInTools
 * (CMake target Draftlift::StandInTools). */
#ifndef DRAFTLIFT_STANDIN_TOOLS_H
#define DRAFTLIFT_STANDIN_TOOLS_H

#if defined(_WIN32)
#  if defined(DRAFTLIFT_STANDIN_TOOLS_BUILDING)
#    define DRAFTLIFT_STANDIN_API __declspec(dllexport)
#  else
#    define DRAFTLIFT_STANDIN_API __declspec(dllimport)
#  endif
#else
#  define DRAFTLIFT_STANDIN_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Prints the stand-in scene as JSON on the standard output. Returns 0, or -1
 * when the output cannot be written. */
DRAFTLIFT_STANDIN_API int DraftliftPrintSceneJson(void);

/* Writes every finished cloud and mesh of the stand-in scene to `path`
 * (.ply, .gltf or .glb), all or nothing: a failure leaves no partial file
 * and an existing file untouched. Returns the number of objects written, or
 * -1 when the file cannot be written or the extension is not known. */
DRAFTLIFT_STANDIN_API int DraftliftExportMeshes(const char* path);

#ifdef __cplusplus
}
#endif

#endif
