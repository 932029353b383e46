// draftlift export-mesh [SCENE.json] -o OUT...: builds clouds and meshes
// through the exported interface and writes the finished ones to PLY, glTF
// or GLB (by the output's extension).
#include <fstream>
#include <iostream>
#include <stdexcept>

#include <nlohmann/json.hpp>

#include "draftlift/draftlift.h"
#include "platform/kscene/KSceneStandIn.h"
#include "tools/Commands.h"
#include "tools/MeshExport.h"

namespace draftlift_tool {
namespace {

constexpr char kHelp[] =
    "Builds clouds and meshes through the exported interface and writes them out.\n"
    "Without SCENE a demo is built: a coloured cube mesh and a 3x3x3 point cloud.\n"
    "SCENE is JSON: {\"objects\": [{\"kind\": \"mesh\" | \"cloud\", \"name\": text,\n"
    "  \"color\": [r, g, b, a] (0 to 1), \"transform\": 16 numbers row by row,\n"
    "  \"points\": [x, y, z, ...], \"normals\": [x, y, z, ...] (optional),\n"
    "  \"colors\": [r, g, b, a, ...] per vertex (optional), \"faces\": [i, j, k, ...]}]}.\n"
    "Every object is finished, then each output gets all of them: .ply merges them\n"
    "in scene coordinates, .gltf / .glb keep one node per object.";

using nlohmann::json;

class BuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

template <class T>
std::vector<T> Numbers(const json& object, const char* key) {
    return object.contains(key) ? object.at(key).get<std::vector<T>>() : std::vector<T>();
}

void Check(std::int32_t result, const std::string& what) {
    if (result != 0) throw BuildError(what + " was refused");
}

// One object through the interface, from create to finish.
void Build(const json& description) {
    const std::string kind = description.value("kind", "mesh");
    if (kind != "mesh" && kind != "cloud") throw BuildError("unknown kind \"" + kind + "\"");
    const KSDKHandle handle = kind == "mesh" ? KSDKCreateMesh() : KSDKCreateCloud();
    if (handle == nullptr) throw BuildError("no scene");
    try {
        const std::string name = description.value("name", "");
        const std::vector<float> color = Numbers<float>(description, "color");
        KSDKGeneralInfo info;
        KSDKInitGeneralInfo(&info);
        info.name = description.contains("name") ? name.c_str() : nullptr;
        info.hasColor = color.size() == 4;
        if (info.hasColor) std::copy(color.begin(), color.end(), info.color);
        Check(KSDKSetGeneralInfo(handle, &info), "name and colour");

        const auto points = Numbers<double>(description, "points");
        const auto normals = Numbers<double>(description, "normals");
        const auto colors = Numbers<float>(description, "colors");
        const std::size_t count = points.size() / 3;
        if (points.size() % 3 != 0 || (!normals.empty() && normals.size() != 3 * count) ||
            (!colors.empty() && colors.size() != 4 * count)) {
            throw BuildError("vertex arrays of unequal length");
        }
        KSDKVertices vertices;
        KSDKInitVertices(&vertices);
        vertices.points = points.data();
        vertices.count = std::uint32_t(count);
        vertices.normals = normals.empty() ? nullptr : normals.data();
        vertices.colors = colors.empty() ? nullptr : colors.data();
        Check(KSDKSetVertices(handle, &vertices), "vertices");

        const auto indices = Numbers<std::uint32_t>(description, "faces");
        if (!indices.empty()) {
            if (indices.size() % 3 != 0) throw BuildError("faces need three indices each");
            KSDKFaces faces;
            KSDKInitFaces(&faces);
            faces.indices = indices.data();
            faces.count = std::uint32_t(indices.size() / 3);
            Check(KSDKSetFaces(handle, &faces), "faces");
        }
        const auto matrix = Numbers<double>(description, "transform");
        if (!matrix.empty()) {
            if (matrix.size() != 16) throw BuildError("a transform has 16 numbers");
            KSDKTransform transform;
            std::copy(matrix.begin(), matrix.end(), transform.m);
            Check(KSDKSetLocalTransform(handle, &transform), "transform");
        }
    } catch (...) {
        KSDKDiscardObject(handle);
        throw;
    }
    // After -1 the object is gone already.
    Check(KSDKFinishObject(handle), "finishing");
}

json DemoScene() {
    json cube = {{"kind", "mesh"}, {"name", "cube"}, {"color", {0.2, 0.5, 1.0, 1.0}}};
    std::vector<double> points;
    for (int i = 0; i < 8; ++i) points.insert(points.end(), {double(i & 1), double((i >> 1) & 1), double((i >> 2) & 1)});
    cube["points"] = points;
    cube["faces"] = {0, 2, 3, 0, 3, 1, 4, 5, 7, 4, 7, 6, 0, 1, 5, 0, 5, 4,
                     2, 6, 7, 2, 7, 3, 0, 4, 6, 0, 6, 2, 1, 3, 7, 1, 7, 5};
    json cloud = {{"kind", "cloud"}, {"name", "grid"}};
    std::vector<double> grid;
    std::vector<float> colors;
    for (int i = 0; i < 27; ++i) {
        grid.insert(grid.end(), {i % 3 * 0.5, i / 3 % 3 * 0.5, i / 9 * 0.5});
        colors.insert(colors.end(), {i % 3 / 2.0f, i / 3 % 3 / 2.0f, i / 9 / 2.0f, 1.0f});
    }
    cloud["points"] = grid;
    cloud["colors"] = colors;
    cloud["transform"] = {1, 0, 0, 3, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};  // row by row: x + 3
    return {{"objects", {cube, cloud}}};
}

json ReadScene(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw BuildError("cannot read " + path);
    try {
        return json::parse(in);
    } catch (const json::exception& error) {
        throw BuildError(path + ": " + error.what());
    }
}

class ExportMeshCommand final : public Command {
public:
    void Configure(CLI::App& app) override {
        app.description(kHelp);
        m_scene = app.add_option("scene", m_path, "Scene description (JSON); the demo without one");
        app.add_option("-o,--output", m_outputs, "File to write: .ply, .gltf or .glb (repeatable)")->required();
    }

    int Run() override {
        try {
            standin::kscene::Reset();
            const json scene = m_scene->count() > 0 ? ReadScene(m_path) : DemoScene();
            for (const json& object : scene.at("objects")) Build(object);
            const auto objects = meshexport::FinishedClouds();
            for (const std::string& output : m_outputs) {
                meshexport::Export(objects, output);
                std::cout << "wrote " << objects.size() << " objects to " << output << '\n';
            }
            standin::kscene::Reset();
            return kExitSuccess;
        } catch (const std::exception& error) {
            std::cerr << "draftlift export-mesh: " << error.what() << '\n';
            standin::kscene::Reset();
            return kExitBadInput;
        }
    }

private:
    CLI::Option* m_scene = nullptr;
    std::string m_path;
    std::vector<std::string> m_outputs;
};

const CommandRegistrar<ExportMeshCommand> registrar{"export-mesh",
                                                    "Build clouds and meshes and write them to PLY or glTF"};

}  // namespace
}  // namespace draftlift_tool
