// Shared parts of the export: which objects, which format, which triangles.
#include "tools/mesh/MeshExport.h"

#include <algorithm>
#include <cctype>

#include "standins/kscene/KSceneStandIn.h"
#include "tools/io/Output.h"

namespace meshexport {

std::vector<const KCloud*> FinishedClouds() {
    std::vector<const KCloud*> clouds;
    for (const standin::kscene::SceneEntry& entry : standin::kscene::Entries()) {
        if (const auto* cloud = dynamic_cast<const KCloud*>(entry.object.get())) clouds.push_back(cloud);
    }
    return clouds;
}

std::optional<Format> FormatNamed(const std::string& name) {
    if (name == "ply") return Format::kPly;
    if (name == "gltf") return Format::kGltf;
    if (name == "glb") return Format::kGlb;
    return std::nullopt;
}

Format FormatOf(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    std::string extension = dot == std::string::npos ? std::string() : path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (const auto format = FormatNamed(extension)) return *format;
    throw ExportError("unknown mesh format for " + path + " (use .ply, .gltf or .glb)");
}

void Write(const std::vector<const KCloud*>& objects, Format format, std::ostream& out) {
    if (format == Format::kPly) {
        WritePly(objects, out);
    } else {
        WriteGltf(objects, out, format == Format::kGlb);
    }
}

std::size_t Export(const std::vector<const KCloud*>& objects, const std::string& path) {
    const Format format = FormatOf(path);
    draftlift_tool::Output output(path);
    Write(objects, format, output.Stream());
    output.Close();
    output.Publish();
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
