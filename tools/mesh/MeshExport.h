// Finished clouds and meshes of the scene written to PLY or glTF 2.0.
#pragma once

#include <iosfwd>
#include <optional>
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
// The format named "ply", "gltf" or "glb"; nothing for any other name.
std::optional<Format> FormatNamed(const std::string& name);

// One PLY of all objects merged, in scene coordinates (each object's local
// transform applied): float positions and normals, RGBA vertex colours
// (the object's colour where it has none) and the mesh triangles. Triangles
// naming a missing vertex are left out.
void WritePly(const std::vector<const KCloud*>& objects, std::ostream& out);

// One glTF node per object, carrying its local transform; a mesh becomes
// triangles, a cloud points. Throws ExportError.
void WriteGltf(const std::vector<const KCloud*>& objects, std::ostream& out, bool binary);

void Write(const std::vector<const KCloud*>& objects, Format format, std::ostream& out);

// Writes a file in the format of its name, all or nothing (see
// draftlift_tool::Output); returns the number of objects. Throws ExportError
// for an unknown extension and draftlift_tool::OutputError when the file
// cannot be written.
std::size_t Export(const std::vector<const KCloud*>& objects, const std::string& path);

// The triangles of a mesh whose three vertices exist, flattened.
std::vector<std::uint32_t> ValidIndices(const KMesh& mesh);

}  // namespace meshexport
