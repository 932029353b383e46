// Point clouds and meshes in the scene JSON: class, name, colour, local
// transform and counts; vertices and triangles are far too many to list.
#include "host/kscene/KCloud.h"
#include "platform/kscene/SceneJsonParts.h"

namespace scenejson {
namespace {

Json ColorJson(const KColor& color) { return Json::array({color.r, color.g, color.b, color.a}); }

}  // namespace

std::optional<Json> CloudJson(const KObject& object) {
    const auto* cloud = dynamic_cast<const KCloud*>(&object);
    if (cloud == nullptr) return std::nullopt;
    const auto* mesh = dynamic_cast<const KMesh*>(cloud);
    Json json{{"class", mesh != nullptr ? "KMesh" : "KCloud"},
              {"name", Utf8(cloud->GetName())},
              {"color", ColorJson(cloud->GetColor())},
              {"transform", cloud->GetTransfo().m},
              {"vertices", cloud->NumPoints()},
              {"hasVertexColors", cloud->hasVertexColors}};
    if (mesh != nullptr) {
        json["faces"] = mesh->NumFaces();
        json["indexed"] = mesh->Octree() != nullptr;
    } else {
        json["initialized"] = cloud->IsInitialized();
    }
    return json;
}

}  // namespace scenejson
