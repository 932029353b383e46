// glTF 2.0 through tinygltf: one buffer, one node and one mesh per object.
#include <array>
#include <cstring>
#include <limits>

#include <tiny_gltf.h>

#include "standins/kscene/Access.h"
#include "standins/kscene/SceneJsonParts.h"
#include "tools/mesh/MeshExport.h"

namespace meshexport {
namespace {

using standin::kscene::Access;

constexpr std::array<double, 16> kIdentity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// The glTF codes used here.
enum Gltf : int {
    kFloat = TINYGLTF_COMPONENT_TYPE_FLOAT,
    kUnsignedByte = TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE,
    kUnsignedInt = TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT,
    kArrayBuffer = TINYGLTF_TARGET_ARRAY_BUFFER,
    kElementArrayBuffer = TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER,
    kPoints = TINYGLTF_MODE_POINTS,
    kTriangles = TINYGLTF_MODE_TRIANGLES,
};

class ModelBuilder {
public:
    ModelBuilder() {
        m_model.asset.version = "2.0";
        m_model.asset.generator = "draftlift export-mesh";
        m_model.buffers.emplace_back();
        m_model.scenes.emplace_back();
        m_model.defaultScene = 0;
    }

    void Add(const KCloud& cloud) {
        tinygltf::Primitive primitive;
        primitive.attributes["POSITION"] = Positions(cloud);
        primitive.attributes["NORMAL"] = Normals(cloud);
        if (cloud.hasVertexColors) primitive.attributes["COLOR_0"] = Colors(cloud);
        primitive.mode = kPoints;
        if (const auto* mesh = dynamic_cast<const KMesh*>(&cloud)) {
            const std::vector<std::uint32_t> indices = ValidIndices(*mesh);
            if (!indices.empty()) {
                primitive.indices = Indices(indices);
                primitive.mode = kTriangles;
            }
        }
        primitive.material = Material(cloud);
        tinygltf::Mesh gltfMesh;
        gltfMesh.name = scenejson::Utf8(cloud.GetName());
        gltfMesh.primitives.push_back(primitive);
        m_model.meshes.push_back(gltfMesh);
        tinygltf::Node node;
        node.name = gltfMesh.name;
        node.mesh = int(m_model.meshes.size() - 1);
        // Both store the matrix column by column.
        const KMatrix4<double> transform = cloud.GetTransfo();
        if (transform.m != kIdentity) node.matrix.assign(transform.m.begin(), transform.m.end());
        m_model.nodes.push_back(node);
        m_model.scenes[0].nodes.push_back(int(m_model.nodes.size() - 1));
    }

    tinygltf::Model& Model() { return m_model; }

private:
    template <class T>
    int View(const std::vector<T>& values, int target) {
        std::vector<unsigned char>& data = m_model.buffers[0].data;
        tinygltf::BufferView view;
        view.buffer = 0;
        view.byteOffset = data.size();
        view.byteLength = values.size() * sizeof(T);
        view.target = target;
        data.resize(data.size() + view.byteLength);
        if (!values.empty()) std::memcpy(data.data() + view.byteOffset, values.data(), view.byteLength);
        m_model.bufferViews.push_back(view);
        return int(m_model.bufferViews.size() - 1);
    }

    int Accessor(int view, int componentType, int type, std::size_t count, bool normalized = false) {
        tinygltf::Accessor accessor;
        accessor.bufferView = view;
        accessor.componentType = componentType;
        accessor.type = type;
        accessor.count = count;
        accessor.normalized = normalized;
        m_model.accessors.push_back(accessor);
        return int(m_model.accessors.size() - 1);
    }

    static std::vector<float> Flattened(const std::vector<KPt3<double>>& points) {
        std::vector<float> flat;
        flat.reserve(3 * points.size());
        for (const KPt3<double>& p : points) flat.insert(flat.end(), {float(p.x), float(p.y), float(p.z)});
        return flat;
    }

    // Positions must carry their bounds.
    int Positions(const KCloud& cloud) {
        const std::vector<float> flat = Flattened(Access::Positions(cloud));
        const int accessor = Accessor(View(flat, kArrayBuffer), kFloat, TINYGLTF_TYPE_VEC3, cloud.NumPoints());
        std::vector<double> min(3, std::numeric_limits<double>::infinity());
        std::vector<double> max(3, -std::numeric_limits<double>::infinity());
        for (std::size_t k = 0; k < flat.size(); ++k) {
            min[k % 3] = std::min(min[k % 3], double(flat[k]));
            max[k % 3] = std::max(max[k % 3], double(flat[k]));
        }
        if (!flat.empty()) {
            m_model.accessors[accessor].minValues = min;
            m_model.accessors[accessor].maxValues = max;
        }
        return accessor;
    }

    int Normals(const KCloud& cloud) {
        return Accessor(View(Flattened(Access::Normals(cloud)), kArrayBuffer), kFloat, TINYGLTF_TYPE_VEC3, cloud.NumPoints());
    }

    int Colors(const KCloud& cloud) {
        const int view = View(Access::VertexColors(cloud), kArrayBuffer);
        m_model.bufferViews[view].byteStride = sizeof(KColor);
        return Accessor(view, kUnsignedByte, TINYGLTF_TYPE_VEC4, cloud.NumPoints(), true);
    }

    int Indices(const std::vector<std::uint32_t>& indices) {
        return Accessor(View(indices, kElementArrayBuffer), kUnsignedInt, TINYGLTF_TYPE_SCALAR, indices.size());
    }

    int Material(const KCloud& cloud) {
        const KColor c = cloud.GetColor();
        tinygltf::Material material;
        material.pbrMetallicRoughness.baseColorFactor = {c.r / 255.0, c.g / 255.0, c.b / 255.0, c.a / 255.0};
        if (c.a < 255) material.alphaMode = "BLEND";
        m_model.materials.push_back(material);
        return int(m_model.materials.size() - 1);
    }

    tinygltf::Model m_model;
};

}  // namespace

// The writer checks none of its writes; the caller's stream is checked when
// it is closed. Written to a stream, the buffer is embedded in a .gltf.
void WriteGltf(const std::vector<const KCloud*>& objects, std::ostream& out, bool binary) {
    ModelBuilder builder;
    for (const KCloud* cloud : objects) builder.Add(*cloud);
    tinygltf::TinyGLTF writer;
    if (!writer.WriteGltfSceneToStream(&builder.Model(), out, true, binary)) {
        throw ExportError("the glTF writer refused the scene");
    }
}

}  // namespace meshexport
