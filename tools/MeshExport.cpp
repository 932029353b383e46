// Shared parts of the export: which objects, which format, which triangles.
#include "tools/MeshExport.h"

#include <algorithm>
#include <cctype>

#include "platform/kscene/KSceneStandIn.h"

namespace meshexport {

std::vector<const KCloud*> FinishedClouds() {
    std::vector<const KCloud*> clouds;
    for (const KScene::Impl::Entry& entry : standin::kscene::Scene().impl().entries) {
        if (const auto* cloud = dynamic_cast<const KCloud*>(entry.object.get())) clouds.push_back(cloud);
    }
    return clouds;
}

Format FormatOf(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    std::string extension = dot == std::string::npos ? std::string() : path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (extension == "ply") return Format::kPly;
    if (extension == "gltf") return Format::kGltf;
    if (extension == "glb") return Format::kGlb;
    throw ExportError("unknown mesh format for " + path + " (use .ply, .gltf or .glb)");
}

std::size_t Export(const std::vector<const KCloud*>& objects, const std::string& path) {
    const Format format = FormatOf(path);
    if (format == Format::kPly) {
        WritePly(objects, path);
    } else {
        WriteGltf(objects, path, format == Format::kGlb);
    }
    return objects.size();
}

std::vector<std::uint32_t> ValidIndices(const KMesh& mesh) {
    const std::size_t points = mesh.NumPoints();
    std::vector<std::uint32_t> indices;
    indices.reserve(3 * mesh.NumFaces());
    for (std::size_t t = 0; t < mesh.NumFaces(); ++t) {
        const auto corners = mesh.Face(t).vertices;
        if (corners[0] < points && corners[1] < points && corners[2] < points) {
            indices.insert(indices.end(), corners.begin(), corners.end());
        }
    }
    return indices;
}

}  // namespace meshexport
