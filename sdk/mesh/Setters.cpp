// Filling clouds, meshes and any scene object from the caller's records.
// Work done before a failure stays done.
#include <array>
#include <cstddef>
#include <cstdint>

#include "draftlift/draftlift.h"
#include "host/kscene/KCloud.h"
#include "host/kscene/KObject.h"
#include "host/kscene/KScene.h"
#include "sdk/Handles.h"
#include "sdk/TextConversion.h"
#include "sdk/mesh/MeshSdk.h"

namespace {

using sdk::mesh::kFailure;
using sdk::mesh::kSuccess;

void ApplyGeneralInfo(KSceneObject& object, const KSDKGeneralInfo& info) {
    if (info.name != nullptr) object.SetName(sdk::AnsiToWide(info.name));
    if (info.hasColor != 0) object.SetColor(sdk::mesh::ColorOf(info.color));
}

constexpr KPt3<double> kUpNormal{0.0, 0.0, 1.0};
constexpr KColor kWhite{255, 255, 255, 255};
// No neighbour across an edge yet.
constexpr std::uint32_t kNoNeighbor = 0xFFFFFFFFu;

// What a vertex holds where the record gives nothing.
KVertex DefaultVertex() {
    KVertex vertex;
    vertex.position = {0.0, 0.0, 0.0};
    vertex.normal = kUpNormal;
    vertex.scalar = 1.0;
    vertex.scalarAux = 0.0;
    vertex.color = kWhite;
    return vertex;
}

KTriangle NewTriangle() {
    KTriangle triangle;
    triangle.vertices = {0, 0, 0};
    triangle.neighbors = {kNoNeighbor, kNoNeighbor, kNoNeighbor};
    triangle.normal = kUpNormal;
    return triangle;
}

// One vertex value, overwritten for each vertex: nothing allocated per vertex.
void AddVertices(KCloud& cloud, const KSDKVertices& data) {
    if (data.count != 0 && data.points == nullptr) throw sdk::kWrongHandle;
    cloud.PrepareForCloudAdd(data.count);
    KVertex vertex = DefaultVertex();
    for (std::uint32_t i = 0; i < data.count; ++i) {
        const double* p = data.points + 3 * std::size_t(i);
        vertex.position = {p[0], p[1], p[2]};
        if (data.normals != nullptr) {
            const double* n = data.normals + 3 * std::size_t(i);
            vertex.normal = {n[0], n[1], n[2]};
        }
        if (data.scalars != nullptr) vertex.scalar = data.scalars[i];
        if (data.colors != nullptr) vertex.color = sdk::mesh::ColorOf(data.colors + 4 * std::size_t(i));
        cloud.AddPoint(vertex);
    }
    if (data.colors != nullptr) cloud.hasVertexColors = true;
}

void AddFaces(KMesh& mesh, const KSDKFaces& data) {
    if (data.count != 0 && data.indices == nullptr) throw sdk::kWrongHandle;
    KTriangle triangle = NewTriangle();
    for (std::uint32_t t = 0; t < data.count; ++t) {
        const std::uint32_t* corners = data.indices + 3 * std::size_t(t);
        triangle.vertices = {corners[0], corners[1], corners[2]};
        mesh.AddTriangle(triangle);
    }
}

// The record is read in memory order and written transposed.
KMatrix4<double> Transposed(const KSDKTransform& data) {
    KMatrix4<double> matrix;
    for (int a = 0; a < 4; ++a) {
        for (int b = 0; b < 4; ++b) matrix.m[4 * b + a] = data.m[4 * a + b];
    }
    return matrix;
}

// The setters' common frame: checks, the body on the object of the needed
// kind, then the change report.
template <class Kind, class Record, class Body>
std::int32_t Set(KSDKHandle handle, const Record* record, Body&& body) {
    KScene* scene = KD::GetScene();
    if (handle == nullptr || record == nullptr || scene == nullptr) return kFailure;
    return sdk::Guarded(std::int32_t{kFailure}, [&] {
        body(sdk::Expect<Kind>(handle), *record);
        sdk::mesh::ReportChange(*scene, handle);
        return std::int32_t{kSuccess};
    });
}

}  // namespace

extern "C" {

KSDK_API int32_t KSDKSetGeneralInfo(KSDKHandle object, const KSDKGeneralInfo* info) {
    return Set<KSceneObject>(object, info, ApplyGeneralInfo);
}

KSDK_API int32_t KSDKSetVertices(KSDKHandle cloud, const KSDKVertices* vertices) {
    return Set<KCloud>(cloud, vertices, AddVertices);
}

KSDK_API int32_t KSDKSetFaces(KSDKHandle mesh, const KSDKFaces* faces) {
    return Set<KMesh>(mesh, faces, AddFaces);
}

KSDK_API int32_t KSDKSetLocalTransform(KSDKHandle object, const KSDKTransform* transform) {
    return Set<KSceneObject>(object, transform, [](KSceneObject& target, const KSDKTransform& data) {
        target.SetTransfo(Transposed(data));
    });
}

}  // extern "C"
