// Export of finished clouds and meshes: the glTF file loads back with
// tinygltf and carries what was built; the PLY holds the merged objects.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>
#include <tiny_gltf.h>

#include "draftlift/draftlift.h"
#include "draftlift/standin_tools.h"
#include "tests/support/StandIns.h"
#include "tools/mesh/MeshExport.h"

namespace {

const std::vector<double> kPoints = {0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0};
const std::vector<std::uint32_t> kIndices = {0, 1, 2, 1, 3, 2, 0, 1, 7};  // the last names no vertex

class MeshExport : public testing_support::FreshHost {
protected:
    void SetUp() override {
        FreshHost::SetUp();
        Build(KSDKCreateMesh(), "square", true);
        Build(KSDKCreateCloud(), "dots", false);
        KSDKDiscardObject(KSDKCreateMesh());  // never finished: never exported
    }
    void TearDown() override {
        for (const std::string& path : m_paths) std::remove(path.c_str());
        FreshHost::TearDown();
    }
    std::string Path(const std::string& extension) {
        m_paths.push_back(testing::TempDir() + "mesh_export_" +
                          testing::UnitTest::GetInstance()->current_test_info()->name() + "." + extension);
        return m_paths.back();
    }

private:
    static void Build(KSDKHandle handle, const char* name, bool faces) {
        const KSDKGeneralInfo info = {name, 1, {0, 1, 1, 1}};
        const KSDKVertices vertices = {kPoints.data(), 4, nullptr, nullptr, nullptr};
        const KSDKFaces triangles = {kIndices.data(), 3, nullptr};
        KSDKTransform transform = {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};
        transform.m[7] = faces ? 0.0 : 5.0;  // the cloud moves 5 along y
        ASSERT_EQ(KSDKSetGeneralInfo(handle, &info), 0);
        ASSERT_EQ(KSDKSetVertices(handle, &vertices), 0);
        if (faces) { ASSERT_EQ(KSDKSetFaces(handle, &triangles), 0); }
        ASSERT_EQ(KSDKSetLocalTransform(handle, &transform), 0);
        ASSERT_EQ(KSDKFinishObject(handle), 0);
    }
    std::vector<std::string> m_paths;
};

template <class T>
std::vector<T> AccessorValues(const tinygltf::Model& model, int index) {
    const tinygltf::Accessor& accessor = model.accessors.at(std::size_t(index));
    const tinygltf::BufferView& view = model.bufferViews.at(std::size_t(accessor.bufferView));
    const auto& data = model.buffers.at(std::size_t(view.buffer)).data;
    const std::size_t components = tinygltf::GetNumComponentsInType(std::uint32_t(accessor.type));
    std::vector<T> values(accessor.count * components);
    EXPECT_LE(view.byteOffset + accessor.byteOffset + values.size() * sizeof(T), data.size());
    std::memcpy(values.data(), data.data() + view.byteOffset + accessor.byteOffset, values.size() * sizeof(T));
    return values;
}

TEST_F(MeshExport, GltfLoadsBackWithWhatWasBuilt) {
    for (const std::string extension : {"gltf", "glb"}) {
        const std::string path = Path(extension);
        ASSERT_EQ(DraftliftExportMeshes(path.c_str()), 2);
        tinygltf::TinyGLTF loader;
        tinygltf::Model model;
        std::string error, warning;
        const bool loaded = extension == "glb" ? loader.LoadBinaryFromFile(&model, &error, &warning, path)
                                               : loader.LoadASCIIFromFile(&model, &error, &warning, path);
        ASSERT_TRUE(loaded) << error;
        EXPECT_TRUE(warning.empty()) << warning;
        EXPECT_EQ(model.asset.version, "2.0");
        ASSERT_EQ(model.meshes.size(), 2u);
        ASSERT_EQ(model.nodes.size(), 2u);
        EXPECT_EQ(model.nodes[0].name, "square");
        EXPECT_TRUE(model.nodes[0].matrix.empty());
        ASSERT_EQ(model.nodes[1].matrix.size(), 16u);
        EXPECT_EQ(model.nodes[1].matrix[13], 5.0);  // column by column: y translation
        const tinygltf::Primitive& square = model.meshes[0].primitives.at(0);
        EXPECT_EQ(square.mode, TINYGLTF_MODE_TRIANGLES);
        EXPECT_EQ(AccessorValues<std::uint32_t>(model, square.indices),
                  std::vector<std::uint32_t>(kIndices.begin(), kIndices.begin() + 6));
        const int position = square.attributes.at("POSITION");
        EXPECT_EQ(AccessorValues<float>(model, position), std::vector<float>(kPoints.begin(), kPoints.end()));
        EXPECT_EQ(model.accessors[std::size_t(position)].maxValues, (std::vector<double>{1, 1, 0}));
        // The finished mesh got its normals: +z for a square in the plane.
        EXPECT_EQ(AccessorValues<float>(model, square.attributes.at("NORMAL"))[2], 1.0f);
        const tinygltf::Primitive& dots = model.meshes[1].primitives.at(0);
        EXPECT_EQ(dots.mode, TINYGLTF_MODE_POINTS);
        EXPECT_EQ(dots.indices, -1);
        const auto& colour = model.materials.at(std::size_t(dots.material)).pbrMetallicRoughness.baseColorFactor;
        EXPECT_EQ(colour, (std::vector<double>{0, 1, 1, 1}));
    }
}

TEST_F(MeshExport, PlyMergesInSceneCoordinates) {
    const std::string path = Path("ply");
    ASSERT_EQ(DraftliftExportMeshes(path.c_str()), 2);
    std::stringstream whole;
    whole << std::ifstream(path, std::ios::binary).rdbuf();
    const std::string text = whole.str();
    const std::size_t body = text.find("end_header\n");
    ASSERT_NE(body, std::string::npos);
    EXPECT_NE(text.substr(0, body).find("element vertex 8\n"), std::string::npos);
    EXPECT_NE(text.substr(0, body).find("element face 2\n"), std::string::npos);
    constexpr std::size_t kVertexBytes = 6 * sizeof(float) + 4;
    const char* vertices = text.data() + body + std::strlen("end_header\n");
    ASSERT_EQ(text.size(), body + 11 + 8 * kVertexBytes + 2 * 13);
    float cloudFirst[3];
    std::memcpy(cloudFirst, vertices + 4 * kVertexBytes, sizeof cloudFirst);
    EXPECT_TRUE(cloudFirst[0] == 0.0f && cloudFirst[1] == 5.0f && cloudFirst[2] == 0.0f);
    const unsigned char* colour = reinterpret_cast<const unsigned char*>(vertices + 4 * kVertexBytes + 24);
    EXPECT_TRUE(colour[0] == 0 && colour[1] == 255 && colour[3] == 255);
}

TEST_F(MeshExport, UnknownFormatsAreRefused) {
    EXPECT_EQ(DraftliftExportMeshes("scene.obj"), -1);
    EXPECT_EQ(DraftliftExportMeshes(nullptr), -1);
    EXPECT_EQ(DraftliftExportMeshes("/nonexistent-dir/x.ply"), -1);
    EXPECT_EQ(meshexport::FormatOf("A.GLB"), meshexport::Format::kGlb);
}

}  // namespace
