// Clouds and meshes from creation to the scene (finish) or to nothing
// (discard), and the interface version.
#include <boost/shared_ptr.hpp>

#include "draftlift/draftlift.h"
#include "host/kscene/KCloud.h"
#include "host/kscene/KObject.h"
#include "host/kscene/KScene.h"
#include "sdk/Handles.h"
#include "sdk/mesh/MeshSdk.h"

#include <cstdint>

namespace {

using sdk::mesh::kFailure;
using sdk::mesh::kSuccess;

// The kind's one-time preparation, mesh first since a mesh is also a cloud.
void Prepare(KObject& object) {
    if (auto* mesh = dynamic_cast<KMesh*>(&object)) {
        mesh->ComputeVertexNormals(false);
        mesh->FindNeighbors();
        mesh->InitOctree();
    } else if (auto* cloud = dynamic_cast<KCloud*>(&object)) {
        cloud->Initialize();
    }
}

std::int32_t Finish(KScene& scene, KSDKHandle handle) {
    if (const boost::shared_ptr<KObject> held = scene.GetObjectPtr(handle)) {
        scene.ObjectModified(held);
        return kSuccess;
    }
    // The first owner: should anything below throw, it destroys the object.
    const boost::shared_ptr<KObject> owner(static_cast<KObject*>(handle));
    Prepare(*owner);
    scene.AddObject(owner);
    return kSuccess;
}

template <class Kind>
KSDKHandle Create() {
    if (KD::GetScene() == nullptr) return nullptr;
    return static_cast<KObject*>(new Kind);
}

}  // namespace

extern "C" {

KSDK_API int32_t KSDKGetMeshSdkVersion(void) { return KSDK_MESH_VERSION_MAJOR; }
KSDK_API int32_t KSDKGetMeshSdkMinorVersion(void) { return KSDK_MESH_VERSION_MINOR; }

KSDK_API KSDKHandle KSDKCreateCloud(void) { return Create<KCloud>(); }
KSDK_API KSDKHandle KSDKCreateMesh(void) { return Create<KMesh>(); }

KSDK_API int32_t KSDKFinishObject(KSDKHandle object) {
    KScene* scene = KD::GetScene();
    if (scene == nullptr || object == nullptr) return kFailure;
    return sdk::Guarded(std::int32_t{kFailure}, [&] { return Finish(*scene, object); });
}

KSDK_API int32_t KSDKDiscardObject(KSDKHandle object) {
    KScene* scene = KD::GetScene();
    if (scene == nullptr || object == nullptr) return kFailure;
    return sdk::Guarded(std::int32_t{kFailure}, [&] {
        if (scene->GetObjectPtr(object)) return std::int32_t{kFailure};
        delete static_cast<KObject*>(object);
        return std::int32_t{kSuccess};
    });
}

}  // extern "C"
