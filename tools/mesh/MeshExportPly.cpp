// Binary little-endian PLY of all objects merged in scene coordinates.
#include <cstring>
#include <ostream>

#include "standins/kscene/Access.h"
#include "tools/mesh/MeshExport.h"

namespace meshexport {
namespace {

using standin::kscene::Access;

KPt3<double> Transformed(const KMatrix4<double>& t, const KPt3<double>& p, double w) {
    const auto& m = t.m;
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12] * w, m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13] * w,
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14] * w};
}

template <class T>
void Put(std::string& out, T value) {
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    out.append(bytes, sizeof value);
}

void PutPoint(std::string& out, const KPt3<double>& p) {
    Put(out, float(p.x));
    Put(out, float(p.y));
    Put(out, float(p.z));
}

std::string Header(std::size_t vertices, std::size_t faces) {
    return "ply\nformat binary_little_endian 1.0\ncomment written by draftlift export-mesh\n"
           "element vertex " + std::to_string(vertices) +
           "\nproperty float x\nproperty float y\nproperty float z\n"
           "property float nx\nproperty float ny\nproperty float nz\n"
           "property uchar red\nproperty uchar green\nproperty uchar blue\nproperty uchar alpha\n"
           "element face " + std::to_string(faces) + "\nproperty list uchar uint vertex_indices\nend_header\n";
}

}  // namespace

void WritePly(const std::vector<const KCloud*>& objects, std::ostream& out) {
    std::string vertices;
    std::string faces;
    std::size_t vertexCount = 0;
    std::size_t faceCount = 0;
    for (const KCloud* cloud : objects) {
        const KMatrix4<double> transform = cloud->GetTransfo();
        const KColor own = cloud->GetColor();
        for (std::size_t i = 0; i < cloud->NumPoints(); ++i) {
            PutPoint(vertices, Transformed(transform, cloud->Point(i), 1.0));
            PutPoint(vertices, Transformed(transform, Access::Normals(*cloud)[i], 0.0));
            const KColor c = cloud->hasVertexColors ? Access::VertexColors(*cloud)[i] : own;
            for (const std::uint8_t channel : {c.r, c.g, c.b, c.a}) Put(vertices, channel);
        }
        if (const auto* mesh = dynamic_cast<const KMesh*>(cloud)) {
            const std::vector<std::uint32_t> indices = ValidIndices(*mesh);
            for (std::size_t k = 0; k < indices.size(); k += 3) {
                Put(faces, std::uint8_t(3));
                for (std::size_t j = 0; j < 3; ++j) Put(faces, std::uint32_t(vertexCount + indices[k + j]));
            }
            faceCount += indices.size() / 3;
        }
        vertexCount += cloud->NumPoints();
    }
    out << Header(vertexCount, faceCount) << vertices << faces;
}

}  // namespace meshexport
