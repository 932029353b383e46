// The scene export-mesh builds: a JSON file of clouds and meshes,
//   {"objects": [{"kind": "mesh" | "cloud", "name": text,
//                 "color": [r, g, b, a] (0 to 1), "transform": 16 numbers row by row,
//                 "points": [x, y, z, ...], "normals": [x, y, z, ...],
//                 "colors": [r, g, b, a, ...], "faces": [i, j, k, ...]}]}
// checked as strictly as a part file: every member known and given once,
// every array of the right length and kind, nothing after the JSON value.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace draftlift_tool {

struct ObjectDescription {
    enum class Kind { Mesh, Cloud };
    Kind kind = Kind::Mesh;
    std::optional<std::string> name;  // UTF-8
    std::optional<std::array<float, 4>> color;
    std::vector<double> points;
    std::vector<double> normals;
    std::vector<float> colors;
    std::vector<std::uint32_t> faces;
    std::optional<std::array<double, 16>> transform;
};

// Reads and checks a scene to the stream's end. Throws InputError naming the
// place ("object 2: \"faces\" must be an array of vertex indices").
std::vector<ObjectDescription> ReadScene(std::istream& in);
// The scene built without a file: a coloured cube mesh and a 3x3x3 point cloud.
std::vector<ObjectDescription> DemoScene();

}  // namespace draftlift_tool
