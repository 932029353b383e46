/* Builds a small mesh (a square pyramid) through the exported interface,
 * names, colours and places it, finishes it, and exports the scene's meshes
 * to the file given on the command line (.ply, .gltf or .glb). */
#include <draftlift/draftlift.h>
#include <draftlift/standin_tools.h>
#include <stdio.h>

static const double kPoints[] = {
    0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 2.0, 2.0, 0.0, 0.0, 2.0, 0.0, /* base */
    1.0, 1.0, 1.5,                                              /* apex */
};
static const uint32_t kTriangles[] = {
    0, 2, 1, 0, 3, 2,                         /* base, facing down */
    0, 1, 4, 1, 2, 4, 2, 3, 4, 3, 0, 4,       /* sides */
};

static int Fill(KSDKHandle mesh) {
    KSDKGeneralInfo info;
    KSDKVertices vertices;
    KSDKFaces faces;
    KSDKTransform transform;

    KSDKInitGeneralInfo(&info);
    info.name = "pyramid";
    info.hasColor = 1;
    info.color[0] = 0.9f;
    info.color[1] = 0.6f;
    info.color[2] = 0.1f;
    if (KSDKSetGeneralInfo(mesh, &info) != 0) return -1;

    KSDKInitVertices(&vertices);
    vertices.points = kPoints;
    vertices.count = sizeof kPoints / sizeof kPoints[0] / 3;
    if (KSDKSetVertices(mesh, &vertices) != 0) return -1;

    KSDKInitFaces(&faces);
    faces.indices = kTriangles;
    faces.count = sizeof kTriangles / sizeof kTriangles[0] / 3;
    if (KSDKSetFaces(mesh, &faces) != 0) return -1;

    /* Row by row: moved 10 along x. */
    KSDKInitTransform(&transform);
    transform.m[3] = 10.0;
    return KSDKSetLocalTransform(mesh, &transform);
}

int main(int argc, char** argv) {
    KSDKHandle mesh;
    int written;
    if (argc != 2) {
        fprintf(stderr, "usage: %s OUTPUT.{ply,gltf,glb}\n", argv[0]);
        return 2;
    }
    if (KSDKGetMeshSdkVersion() != 1) return 1;
    mesh = KSDKCreateMesh();
    if (mesh == NULL) return 1;
    if (Fill(mesh) != 0) {
        KSDKDiscardObject(mesh);
        return 1;
    }
    if (KSDKFinishObject(mesh) != 0) return 1;
    written = DraftliftExportMeshes(argv[1]);
    if (written != 1) return 1;
    printf("wrote the pyramid to %s\n", argv[1]);
    return 0;
}
