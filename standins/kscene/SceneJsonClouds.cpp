// Point clouds and meshes in the scene JSON: class, name, colour, local
// transform and counts; vertices and triangles are far too many to list.
#include "host/kscene/KCloud.h"
#include "standins/kscene/Access.h"
#include "standins/kscene/SceneJsonParts.h"

namespace scenejson {

using standin::kscene::Access;

bool CloudMembers(JsonOut& out, const KObject& object) {
    const auto* cloud = dynamic_cast<const KCloud*>(&object);
    if (cloud == nullptr) return false;
    const auto* mesh = dynamic_cast<const KMesh*>(cloud);
    out.Member("class", mesh != nullptr ? "KMesh" : "KCloud");
    out.Member("name", cloud->GetName());
    const KColor color = cloud->GetColor();
    out.Key("color").BeginArray();
    for (const std::uint8_t channel : {color.r, color.g, color.b, color.a}) out.Int(channel);
    out.EndArray();
    out.Key("transform").BeginArray();
    for (const double value : cloud->GetTransfo().m) out.Double(value);
    out.EndArray();
    out.Member("vertices", cloud->NumPoints());
    out.Member("hasVertexColors", cloud->hasVertexColors);
    if (mesh != nullptr) {
        out.Member("faces", mesh->NumFaces());
        out.Member("indexed", Access::Octree(*mesh) != nullptr);
    } else {
        out.Member("initialized", Access::IsInitialized(*cloud));
    }
    return true;
}

}  // namespace scenejson
