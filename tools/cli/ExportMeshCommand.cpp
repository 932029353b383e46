// draftlift export-mesh [SCENE.json] -o OUT...: builds clouds and meshes
// through the exported interface and writes the finished ones to PLY, glTF
// or GLB (by the output's extension, or --format).
#include <iostream>

#include "draftlift/draftlift.h"
#include "standins/kscene/KSceneStandIn.h"
#include "tools/cli/Commands.h"
#include "tools/io/AnsiText.h"
#include "tools/io/Input.h"
#include "tools/io/Output.h"
#include "tools/io/Printable.h"
#include "tools/io/SceneFile.h"
#include "tools/mesh/MeshExport.h"

namespace draftlift_tool {
namespace {

constexpr char kSceneHelp[] =
    "Builds clouds and meshes through the exported interface and writes them out.\n"
    "Without SCENE (see INPUT) the demo is built: a coloured cube mesh and a 3x3x3\n"
    "point cloud. SCENE is JSON:\n"
    "  {\"objects\": [{\"kind\": \"mesh\" | \"cloud\", \"name\": text,\n"
    "    \"color\": [r, g, b, a] (0 to 1), \"transform\": 16 numbers row by row,\n"
    "    \"points\": [x, y, z, ...], \"normals\": [x, y, z, ...] (optional),\n"
    "    \"colors\": [r, g, b, a, ...] per vertex (optional), \"faces\": [i, j, k, ...]}]}\n"
    "Every member is optional but \"objects\"; a cloud has no \"faces\". Names reach the\n"
    "interface in the active ANSI code page (Windows-1252 here); a character it lacks\n"
    "becomes '?', with a warning. Every object is finished, then each output gets all\n"
    "of them: .ply merges them in scene coordinates, .gltf / .glb keep one node per\n"
    "object. Outputs are written all or nothing.";

using meshexport::Format;

void Check(std::int32_t result, const std::string& place, const std::string& what) {
    if (result != 0) throw InputError(place + ": the interface refused its " + what);
}

// The name as the interface takes it; `place` names the object in a warning.
std::optional<std::string> InterfaceName(const ObjectDescription& object, const std::string& place) {
    if (!object.name) return std::nullopt;
    AnsiText ansi = ToAnsiCodePage(*object.name);
    if (ansi.replaced) {
        std::cerr << "draftlift export-mesh: warning: " << place << ": the name " << QuotedPrintable(*object.name)
                  << " has characters the ANSI code page lacks; they become '?'\n";
    }
    return std::move(ansi.text);
}

void Fill(KSDKHandle handle, const ObjectDescription& object, const std::string& place) {
    const std::optional<std::string> name = InterfaceName(object, place);
    KSDKGeneralInfo info;
    KSDKInitGeneralInfo(&info);
    info.name = name ? name->c_str() : nullptr;
    info.hasColor = object.color.has_value();
    if (object.color) std::copy(object.color->begin(), object.color->end(), info.color);
    Check(KSDKSetGeneralInfo(handle, &info), place, "name and colour");

    KSDKVertices vertices;
    KSDKInitVertices(&vertices);
    vertices.points = object.points.data();
    vertices.count = std::uint32_t(object.points.size() / 3);
    vertices.normals = object.normals.empty() ? nullptr : object.normals.data();
    vertices.colors = object.colors.empty() ? nullptr : object.colors.data();
    Check(KSDKSetVertices(handle, &vertices), place, "vertices");

    if (!object.faces.empty()) {
        KSDKFaces faces;
        KSDKInitFaces(&faces);
        faces.indices = object.faces.data();
        faces.count = std::uint32_t(object.faces.size() / 3);
        Check(KSDKSetFaces(handle, &faces), place, "faces");
    }
    if (object.transform) {
        KSDKTransform transform;
        std::copy(object.transform->begin(), object.transform->end(), transform.m);
        Check(KSDKSetLocalTransform(handle, &transform), place, "transform");
    }
}

// One object through the interface, from create to finish.
void Build(const ObjectDescription& object, std::size_t index) {
    const std::string place = "object " + std::to_string(index);
    const bool mesh = object.kind == ObjectDescription::Kind::Mesh;
    const KSDKHandle handle = mesh ? KSDKCreateMesh() : KSDKCreateCloud();
    if (handle == nullptr) throw InputError(place + ": the interface made no object");
    try {
        Fill(handle, object, place);
    } catch (...) {
        KSDKDiscardObject(handle);
        throw;
    }
    // After -1 the object is gone already.
    Check(KSDKFinishObject(handle), place, "finished object");
}

class ExportMeshCommand final : public Command {
public:
    void Configure(CLI::App& app) override {
        app.footer(kSceneHelp);
        m_scene.Configure(app, "scene", "Scene description (JSON), - for the standard input; see INPUT below");
        app.add_option("-o,--output", m_outputs,
                       "File to write: .ply, .gltf or .glb, - for the standard output (repeatable)")
            ->required()
            ->allow_extra_args(false);
        app.add_option("--format", m_format, "Format of every output, whatever its name: ply, gltf or glb")
            ->check(CLI::IsMember({"ply", "gltf", "glb"}));
    }

    int Run() override {
        const std::vector<Format> formats = OutputFormats();
        standin::kscene::Reset();
        const std::vector<ObjectDescription> scene = ReadInput();
        for (std::size_t i = 0; i < scene.size(); ++i) Build(scene[i], i);
        const auto objects = meshexport::FinishedClouds();
        OutputSet outputs(m_outputs);
        bool toStandardOutput = false;
        for (std::size_t i = 0; i < formats.size(); ++i) {
            Output& output = *outputs.Outputs()[i];
            toStandardOutput = toStandardOutput || output.IsStandardOutput();
            try {
                meshexport::Write(objects, formats[i], output.Stream());
            } catch (const meshexport::ExportError& error) {
                throw OutputError("cannot write " + output.Path() + ": " + error.what());
            }
        }
        outputs.CloseAndPublish();
        // The standard output carries a mesh; a report would spoil it.
        if (!toStandardOutput) Report(objects.size());
        return kExitSuccess;
    }

private:
    // Every output's format, checked before anything is written.
    std::vector<Format> OutputFormats() const {
        std::vector<Format> formats;
        for (const std::string& path : m_outputs) {
            if (!m_format.empty()) {
                formats.push_back(*meshexport::FormatNamed(m_format));
            } else if (path == "-") {
                throw UsageError("the standard output needs --format ply, gltf or glb");
            } else {
                try {
                    formats.push_back(meshexport::FormatOf(path));
                } catch (const meshexport::ExportError& error) {
                    throw UsageError(error.what());
                }
            }
        }
        return formats;
    }

    std::vector<ObjectDescription> ReadInput() const {
        const Input input = m_scene.Chosen();
        if (input.GetKind() == Input::Kind::BuiltIn) return DemoScene();
        std::ifstream file;
        if (input.GetKind() == Input::Kind::File) file = Input::OpenFile(input.Path());
        try {
            return ReadScene(file.is_open() ? file : Input::StandardInput());
        } catch (const InputError& error) {
            throw InputError(input.Name("") + ": " + error.what());
        }
    }

    void Report(std::size_t objects) const {
        for (const std::string& path : m_outputs) {
            std::cout << "wrote " << objects << (objects == 1 ? " object to " : " objects to ") << Printable(path) << '\n';
        }
        FinishStandardOutput();
    }

    InputArgument m_scene;
    std::vector<std::string> m_outputs;
    std::string m_format;
};

const CommandRegistrar<ExportMeshCommand> registrar{"export-mesh",
                                                    "Build clouds and meshes and write them to PLY or glTF"};

}  // namespace
}  // namespace draftlift_tool
