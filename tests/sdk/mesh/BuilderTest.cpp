// The cloud and mesh builder through the exported functions: record
// defaults, failures, the finish and discard rules, transforms and colours.
#include <array>
#include <limits>
#include <utility>
#include <vector>

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

#include "draftlift/draftlift.h"
#include "host/kscene/KCloud.h"
#include "host/kscene/KMBD.h"
#include "standins/kscene/Access.h"
#include "standins/kscene/KOctree.h"
#include "standins/kscene/KSceneStandIn.h"
#include "standins/kscene/SceneJson.h"
#include "tests/support/FilledRecords.h"
#include "tests/support/StandIns.h"
#include "tests/support/WideText.h"

namespace {

using standin::kscene::Access;
using standin::kscene::kNoNeighbor;

using testing_support::InitFilled;
using testing_support::Untouched;

KSDKVertices Vertices(const std::vector<double>& points) {
    return {points.data(), std::uint32_t(points.size() / 3), nullptr, nullptr, nullptr};
}

KSDKFaces Faces(const std::vector<std::uint32_t>& indices) {
    return {indices.data(), std::uint32_t(indices.size() / 3), nullptr};
}

class MeshBuilder : public testing_support::FreshHost {
protected:
    static KMesh& MeshAt(KSDKHandle handle) { return dynamic_cast<KMesh&>(*static_cast<KObject*>(handle)); }
    static KCloud& CloudAt(KSDKHandle handle) { return dynamic_cast<KCloud&>(*static_cast<KObject*>(handle)); }
    static bool Held(KSDKHandle handle) { return bool(standin::kscene::Scene().GetObjectPtr(handle)); }
    static std::int32_t AddVertices(KSDKHandle object, const std::vector<double>& points) {
        const KSDKVertices v = Vertices(points);
        return KSDKSetVertices(object, &v);
    }
    static std::int32_t AddFaces(KSDKHandle mesh, const std::vector<std::uint32_t>& indices) {
        const KSDKFaces f = Faces(indices);
        return KSDKSetFaces(mesh, &f);
    }
    // A unit right triangle in the z = 0 plane, not finished.
    static KSDKHandle Triangle() {
        const KSDKHandle mesh = KSDKCreateMesh();
        EXPECT_EQ(AddVertices(mesh, {0, 0, 0, 1, 0, 0, 0, 1, 0}), 0);
        EXPECT_EQ(AddFaces(mesh, {0, 1, 2}), 0);
        return mesh;
    }
};

TEST_F(MeshBuilder, VersionAndInitDefaultsLeaveTheGapsAlone) {
    EXPECT_TRUE(KSDKGetMeshSdkVersion() == 1 && KSDKGetMeshSdkMinorVersion() == 0);
    const KSDKGeneralInfo info = InitFilled(KSDKInitGeneralInfo);
    EXPECT_TRUE(info.name == nullptr && info.hasColor == 0 && Untouched(info, 9, 11) && Untouched(info, 28, 31));
    for (const float c : info.color) EXPECT_EQ(c, 1.0f);
    const KSDKVertices vertices = InitFilled(KSDKInitVertices);
    EXPECT_TRUE(vertices.points == nullptr && vertices.count == 0 && vertices.normals == nullptr &&
                vertices.scalars == nullptr && vertices.colors == nullptr && Untouched(vertices, 12, 15));
    const KSDKFaces faces = InitFilled(KSDKInitFaces);
    EXPECT_TRUE(faces.indices == nullptr && faces.count == 0 && faces.reserved == nullptr && Untouched(faces, 12, 15));
    const KSDKTransform transform = InitFilled(KSDKInitTransform);
    for (int k = 0; k < 16; ++k) EXPECT_EQ(transform.m[k], k % 5 == 0 ? 1.0 : 0.0) << k;
}

// Null handles and records, wrong kinds, arrays missing behind a count and a
// missing scene: each call fails with -1 and adds nothing.
TEST_F(MeshBuilder, BadCallsFailAndAddNothing) {
    const KSDKHandle cloud = KSDKCreateCloud();
    const KSDKHandle mesh = KSDKCreateMesh();
    const auto annotation = boost::make_shared<KMBDDatum>();
    standin::kscene::Scene().AddObject(annotation);
    KSDKGeneralInfo info = InitFilled(KSDKInitGeneralInfo);
    const KSDKVertices noPoints = {nullptr, 3, nullptr, nullptr, nullptr};
    const KSDKFaces noIndices = {nullptr, 2, nullptr};
    const std::vector<std::uint32_t> indices = {0, 1, 2};
    const KSDKFaces faces = Faces(indices);
    const std::vector<double> points = {1, 2, 3};
    const KSDKVertices vertices = Vertices(points);
    const KSDKTransform transform = InitFilled(KSDKInitTransform);
    const std::pair<const char*, std::int32_t> cases[] = {
        {"info, null handle", KSDKSetGeneralInfo(nullptr, &info)},
        {"info, null record", KSDKSetGeneralInfo(mesh, nullptr)},
        {"vertices, null handle", KSDKSetVertices(nullptr, &vertices)},
        {"vertices, null record", KSDKSetVertices(cloud, nullptr)},
        {"vertices, annotation", KSDKSetVertices(annotation.get(), &vertices)},
        {"vertices, count without points", KSDKSetVertices(cloud, &noPoints)},
        {"faces, null record", KSDKSetFaces(mesh, nullptr)},
        {"faces, cloud", KSDKSetFaces(cloud, &faces)},
        {"faces, annotation", KSDKSetFaces(annotation.get(), &faces)},
        {"faces, count without indices", KSDKSetFaces(mesh, &noIndices)},
        {"transform, null handle", KSDKSetLocalTransform(nullptr, &transform)},
        {"transform, null record", KSDKSetLocalTransform(mesh, nullptr)},
        {"finish, null", KSDKFinishObject(nullptr)},
        {"discard, null", KSDKDiscardObject(nullptr)},
        {"discard, annotation", KSDKDiscardObject(annotation.get())},
    };
    for (const auto& c : cases) EXPECT_EQ(c.second, -1) << c.first;
    standin::kscene::SetScenePresent(false);
    EXPECT_TRUE(KSDKCreateCloud() == nullptr && KSDKCreateMesh() == nullptr);
    const std::int32_t withoutScene[] = {KSDKSetGeneralInfo(mesh, &info),        KSDKSetVertices(mesh, &vertices),
                                         KSDKSetFaces(mesh, &faces),             KSDKSetLocalTransform(mesh, &transform),
                                         KSDKFinishObject(mesh),                 KSDKDiscardObject(mesh)};
    for (const std::int32_t result : withoutScene) EXPECT_EQ(result, -1);
    standin::kscene::SetScenePresent(true);
    EXPECT_EQ(CloudAt(cloud).NumPoints(), 0u);
    EXPECT_TRUE(MeshAt(mesh).NumPoints() == 0 && MeshAt(mesh).NumFaces() == 0);
    EXPECT_EQ(Entries().size(), 1u) << "the annotation alone";
    // Name and transform work on any scene object.
    info.name = "datum";
    EXPECT_EQ(KSDKSetGeneralInfo(annotation.get(), &info), 0);
    EXPECT_EQ(annotation->GetName(), u"datum"_w);
    EXPECT_EQ(KSDKSetLocalTransform(annotation.get(), &transform), 0);
    EXPECT_EQ(Notices(annotation.get()), 2);
    EXPECT_EQ(KSDKDiscardObject(cloud), 0);
    EXPECT_EQ(KSDKDiscardObject(mesh), 0);
}

TEST_F(MeshBuilder, VerticesCarryTheirAttributesOrDefaults) {
    const KSDKHandle cloud = KSDKCreateCloud();
    const std::vector<double> points = {1, 2, 3, 4, 5, 6};
    ASSERT_EQ(AddVertices(cloud, points), 0);
    const std::vector<double> normals = {0, 1, 0, 1, 0, 0};
    const std::vector<double> scalars = {7.5, -2};
    const std::vector<float> colors = {1.0f, 0.5f, 0.2f, 1.5f, 0, 0, 0, 0};
    const KSDKVertices full = {points.data(), 2, normals.data(), scalars.data(), colors.data()};
    ASSERT_EQ(KSDKSetVertices(cloud, &full), 0);
    const KCloud& c = CloudAt(cloud);
    ASSERT_EQ(c.NumPoints(), 4u);
    const KVertex first = Access::Vertex(c, 1);
    EXPECT_TRUE(first.position.x == 4 && first.position.y == 5 && first.position.z == 6);
    EXPECT_TRUE(first.normal.x == 0 && first.normal.y == 0 && first.normal.z == 1);
    EXPECT_TRUE(first.scalar == 1.0 && first.scalarAux == 0.0);
    EXPECT_TRUE(first.color.r == 255 && first.color.g == 255 && first.color.b == 255 && first.color.a == 255);
    const KVertex third = Access::Vertex(c, 2);
    EXPECT_TRUE(third.normal.x == 0 && third.normal.y == 1 && third.scalar == 7.5 && third.color.g == 127);
    EXPECT_TRUE(c.hasVertexColors);
    EXPECT_EQ(KSDKDiscardObject(cloud), 0);

    // Colours without vertices still mark the cloud as coloured.
    const KSDKHandle other = KSDKCreateCloud();
    KSDKVertices none = InitFilled(KSDKInitVertices);
    ASSERT_EQ(KSDKSetVertices(other, &none), 0);
    EXPECT_FALSE(CloudAt(other).hasVertexColors);
    none.colors = colors.data();
    ASSERT_EQ(KSDKSetVertices(other, &none), 0);
    EXPECT_TRUE(CloudAt(other).hasVertexColors);
    EXPECT_EQ(CloudAt(other).NumPoints(), 0u);
    EXPECT_EQ(KSDKDiscardObject(other), 0);
}

// Times 255 in single precision, truncated, low byte kept; a product no
// integer holds (NaN and the infinities too) gives 0.
TEST_F(MeshBuilder, EveryColourComponentBecomesADefinedByte) {
    constexpr float kInf = std::numeric_limits<float>::infinity();
    const std::vector<std::pair<float, std::uint8_t>> cases = {
        {1.0f, 255},  {0.5f, 127},   {0.2f, 51},     {0.0f, 0},    {-0.0f, 0},    {1e-40f, 0},
        {1.5f, 126},  {-0.5f, 129},  {1000.0f, 24},  {-1000.0f, 232}, {3.6e16f, 0}, {1e20f, 0},
        {-1e20f, 0},  {std::numeric_limits<float>::max(), 0},  {kInf, 0}, {-kInf, 0},
        {std::numeric_limits<float>::quiet_NaN(), 0}, {-std::numeric_limits<float>::quiet_NaN(), 0}};
    std::vector<double> points(3 * cases.size(), 0.0);
    std::vector<float> colors;
    for (const auto& [component, byte] : cases) colors.insert(colors.end(), {component, 1.0f, 0.5f, component});
    KSDKVertices data = Vertices(points);
    data.colors = colors.data();
    const KSDKHandle cloud = KSDKCreateCloud();
    ASSERT_EQ(KSDKSetVertices(cloud, &data), 0);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const KColor color = Access::VertexColors(CloudAt(cloud))[i];
        EXPECT_EQ(int(color.r), int(cases[i].second)) << cases[i].first;
        EXPECT_TRUE(color.g == 255 && color.b == 127 && color.a == color.r) << cases[i].first;
    }
    EXPECT_EQ(KSDKDiscardObject(cloud), 0);
}

// A fresh record changes neither name nor colour.
TEST_F(MeshBuilder, GeneralInfoNamesWithTheAnsiCodePageAndColours) {
    const KSDKHandle cloud = KSDKCreateCloud();
    KCloud& c = CloudAt(cloud);
    c.SetName(u"before"_w);
    c.SetColor(KColor{1, 2, 3, 4});
    KSDKGeneralInfo info = InitFilled(KSDKInitGeneralInfo);
    ASSERT_EQ(KSDKSetGeneralInfo(cloud, &info), 0);
    EXPECT_TRUE(c.GetName() == u"before"_w && c.GetColor().g == 2);
    info = {"\x80 caf\xe9", 1, {0.2f, 0.5f, 1.0f, 0.0f}};
    ASSERT_EQ(KSDKSetGeneralInfo(cloud, &info), 0);
    EXPECT_EQ(c.GetName(), u"\u20ac caf\u00e9"_w);
    const KColor set = c.GetColor();
    EXPECT_TRUE(set.r == 51 && set.g == 127 && set.b == 255 && set.a == 0);
    info = {"", 0, {0, 0, 0, 0}};
    ASSERT_EQ(KSDKSetGeneralInfo(cloud, &info), 0);
    EXPECT_TRUE(c.GetName().empty() && c.GetColor().r == 51);
    EXPECT_EQ(KSDKDiscardObject(cloud), 0);
}

TEST_F(MeshBuilder, TransformReachesTheSceneTransposed) {
    const KSDKHandle mesh = KSDKCreateMesh();
    KSDKTransform transform;
    for (int k = 0; k < 16; ++k) transform.m[k] = 100.0 + k;
    transform.m[12] = 5.0;
    ASSERT_EQ(KSDKSetLocalTransform(mesh, &transform), 0);
    const KMatrix4<double> set = MeshAt(mesh).GetTransfo();
    for (int a = 0; a < 4; ++a) {
        for (int b = 0; b < 4; ++b) EXPECT_EQ(set.m[4 * b + a], transform.m[4 * a + b]) << a << b;
    }
    // Replaced, not composed.
    KSDKInitTransform(&transform);
    ASSERT_EQ(KSDKSetLocalTransform(mesh, &transform), 0);
    EXPECT_EQ(MeshAt(mesh).GetTransfo().m, (std::array<double, 16>{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(KSDKDiscardObject(mesh), 0);
}

// A face naming a missing vertex is kept as given and breaks nothing.
TEST_F(MeshBuilder, FinishPreparesOnceAndHandsTheObjectToTheScene) {
    const KSDKHandle mesh = Triangle();
    ASSERT_EQ(AddFaces(mesh, {0, 1, 99}), 0);
    EXPECT_FALSE(Held(mesh));
    EXPECT_EQ(Notices(mesh), 0);
    ASSERT_EQ(KSDKFinishObject(mesh), 0);
    ASSERT_TRUE(Held(mesh));
    EXPECT_EQ(Notices(mesh), 0);
    const KMesh& m = MeshAt(mesh);
    EXPECT_FALSE(Access::IsInitialized(m));
    ASSERT_NE(Access::Octree(m), nullptr);
    EXPECT_EQ(Access::Octree(m)->Size(), 3u);
    // The triangle's normal was computed: it faces +z whatever was given.
    EXPECT_EQ(m.Face(0).normal.z, 1.0);
    EXPECT_EQ(m.Face(0).neighbors[0], kNoNeighbor);
    EXPECT_TRUE(m.Face(1).vertices[2] == 99 && m.Face(1).neighbors[0] == kNoNeighbor);

    // A second triangle sharing an edge, then a second finish: only a notice.
    ASSERT_EQ(AddVertices(mesh, {1, 1, 0}), 0);
    ASSERT_EQ(AddFaces(mesh, {1, 3, 2}), 0);
    EXPECT_EQ(Notices(mesh), 2);
    ASSERT_EQ(KSDKFinishObject(mesh), 0);
    EXPECT_EQ(Notices(mesh), 3);
    EXPECT_EQ(m.Face(0).neighbors[1], kNoNeighbor);
    EXPECT_EQ(Access::Octree(m)->Size(), 3u);
    // A finished object cannot be discarded.
    EXPECT_EQ(KSDKDiscardObject(mesh), -1);
    EXPECT_TRUE(Held(mesh));
    EXPECT_EQ(Entries().size(), 1u);
}

TEST_F(MeshBuilder, FinishInitializesACloudOnly) {
    const KSDKHandle cloud = KSDKCreateCloud();
    ASSERT_EQ(AddVertices(cloud, {0, 0, 0, 2, 2, 2}), 0);
    ASSERT_EQ(KSDKFinishObject(cloud), 0);
    EXPECT_TRUE(Access::IsInitialized(CloudAt(cloud)));
    EXPECT_EQ(CloudAt(cloud).BBox().max.y, 2.0);
    EXPECT_TRUE(Entries().at(0).saved);
    // An empty mesh finishes too: there is nothing to index.
    const KSDKHandle empty = KSDKCreateMesh();
    ASSERT_EQ(KSDKFinishObject(empty), 0);
    EXPECT_EQ(Access::Octree(MeshAt(empty)), nullptr);
    EXPECT_EQ(Entries().size(), 2u);
}

TEST_F(MeshBuilder, SceneJsonDescribesFinishedObjects) {
    const KSDKHandle mesh = Triangle();
    const KSDKGeneralInfo info = {"tri", 0, {1, 1, 1, 1}};
    ASSERT_EQ(KSDKSetGeneralInfo(mesh, &info), 0);
    ASSERT_EQ(KSDKFinishObject(mesh), 0);
    ASSERT_EQ(KSDKFinishObject(KSDKCreateCloud()), 0);
    const scenejson::Json objects = scenejson::SceneJson().at("objects");
    ASSERT_EQ(objects.size(), 2u);
    const scenejson::Json expected[] = {
        {{"class", "KMesh"}, {"name", "tri"}, {"vertices", 3}, {"faces", 1}, {"indexed", true}, {"saved", true}},
        {{"class", "KCloud"}, {"initialized", true}, {"color", {255, 255, 255, 255}}}};
    for (std::size_t i = 0; i < 2; ++i) {
        for (const auto& [key, value] : expected[i].items()) EXPECT_EQ(objects[i].at(key), value) << key;
    }
    EXPECT_EQ(objects[0].at("transform").size(), 16u);
}

}  // namespace
