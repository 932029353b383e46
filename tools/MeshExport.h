// Finished clouds and meshes of the scene written to PLY or glTF 2.0.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "host/kscene/KCloud.h"

namespace meshexport {

enum class Format { kPly, kGltf, kGlb };

class ExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Every cloud and mesh the scene holds, in scene order.
std::vector<const KCloud*> FinishedClouds();

// The format for a file name: .ply, .gltf (buffer embedded) or .glb.
// Throws ExportError for any other extension.
Format FormatOf(const std::string& path);

// One PLY of all objects merged, in scene coordinates (each object's local
// transform applied): float positions and normals, RGBA vertex colours
// (the object's colour where it has none) and the mesh triangles. Triangles
// naming a missing vertex are left out. Throws ExportError.
void WritePly(const std::vector<const KCloud*>& objects, const std::string& path);

// One glTF node per object, carrying its local transform; a mesh becomes
// triangles, a cloud points. Throws ExportError.
void WriteGltf(const std::vector<const KCloud*>& objects, const std::string& path, bool binary);

// Writes in the format of the file name; returns the number of objects.
std::size_t Export(const std::vector<const KCloud*>& objects, const std::string& path);

// The triangles of a mesh whose three vertices exist, flattened.
std::vector<std::uint32_t> ValidIndices(const KMesh& mesh);

}  // namespace meshexport
