// The mesh stand-in's own work: normals of a cube, neighbours across edges,
// and octree queries against brute force on random points.
#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "host/kscene/KCloud.h"
#include "standins/kscene/Access.h"
#include "standins/kscene/KSceneStandIn.h"
#include "standins/kscene/KOctree.h"

namespace {

using standin::kscene::Access;
using standin::kscene::kNoNeighbor;

using Point = KPt3<double>;

void AddPoints(KMesh& mesh, const std::vector<Point>& points, const Point& normal = {0, 0, 1}) {
    mesh.PrepareForCloudAdd(points.size());
    KVertex vertex{{0, 0, 0}, normal, 1.0, 0.0, {255, 255, 255, 255}};
    for (const Point& p : points) {
        vertex.position = p;
        mesh.AddPoint(vertex);
    }
}

void AddTriangles(KMesh& mesh, const std::vector<std::array<std::uint32_t, 3>>& triangles) {
    KTriangle triangle{{0, 0, 0}, {kNoNeighbor, kNoNeighbor, kNoNeighbor}, {0, 0, 1}};
    for (const auto& t : triangles) {
        triangle.vertices = t;
        mesh.AddTriangle(triangle);
    }
}

// Corner i of the unit cube centred on the origin has bit 0 for x, 1 for y,
// 2 for z. Each face as its four corners, counter-clockwise from outside.
const std::vector<std::array<std::uint32_t, 4>> kCubeFaces = {
    {0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};

std::vector<Point> CubeCorners() {
    std::vector<Point> corners;
    for (int i = 0; i < 8; ++i) corners.push_back({i & 1 ? 1.0 : -1.0, i & 2 ? 1.0 : -1.0, i & 4 ? 1.0 : -1.0});
    return corners;
}

double Distance2(const Point& a, const Point& b) {
    return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z);
}

void ExpectUnitTowards(const Point& normal, const Point& direction) {
    const double length = std::sqrt(Distance2(direction, {0, 0, 0}));
    EXPECT_NEAR(normal.x, direction.x / length, 1e-12);
    EXPECT_NEAR(normal.y, direction.y / length, 1e-12);
    EXPECT_NEAR(normal.z, direction.z / length, 1e-12);
}

// The cube split two ways: two triangles per face for angle weighting, which
// sees each face at 90 degrees from every corner, and four triangles around
// each face's centre for area weighting, symmetric too. Every corner's normal
// then points along its diagonal, each centre gets its face's normal, and the
// face normals are the outward axes.
TEST(MeshStandIn, WeightedNormalsOfASplitCubePointOutward) {
    for (const bool angleWeighted : {true, false}) {
        std::vector<Point> points = CubeCorners();
        std::vector<std::array<std::uint32_t, 3>> triangles;
        for (const auto& f : kCubeFaces) {
            if (angleWeighted) {
                triangles.insert(triangles.end(), {{f[0], f[1], f[2]}, {f[0], f[2], f[3]}});
                continue;
            }
            const auto centre = std::uint32_t(points.size());
            Point c{};
            for (const std::uint32_t v : f) c = {c.x + points[v].x / 4, c.y + points[v].y / 4, c.z + points[v].z / 4};
            points.push_back(c);
            for (int k = 0; k < 4; ++k) triangles.push_back({f[k], f[(k + 1) % 4], centre});
        }
        KMesh cube;
        AddPoints(cube, points);
        AddTriangles(cube, triangles);
        ASSERT_TRUE(cube.ComputeVertexNormals(angleWeighted));
        for (std::size_t i = 0; i < points.size(); ++i) ExpectUnitTowards(Access::Normals(cube)[i], points[i]);
        ExpectUnitTowards(cube.Face(0).normal, {0, 0, -1});
        ExpectUnitTowards(cube.Face(triangles.size() - 1).normal, {1, 0, 0});
    }
}

std::vector<Point> RandomPoints(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> coordinate(-50.0, 50.0);
    std::vector<Point> points(count);
    for (Point& p : points) p = {coordinate(random), coordinate(random), coordinate(random) * 0.1};
    return points;
}

TEST(MeshStandIn, OctreeQueriesAgreeWithBruteForce) {
    for (const auto& [count, seed] : {std::pair<std::size_t, unsigned>{1, 1}, {17, 2}, {1000, 3}, {20000, 4}}) {
        SCOPED_TRACE(testing::Message() << count << " points");
        const std::vector<Point> points = RandomPoints(count, seed);
        const KOctree octree(points);
        ASSERT_EQ(octree.Size(), points.size());
        std::size_t inLeaves = 0;
        for (const KOctree::Node& node : octree.Nodes()) {
            EXPECT_TRUE(node.childCount > 0 || node.count <= KOctree::kLeafSize);
            if (node.childCount == 0) inLeaves += node.count;
        }
        EXPECT_EQ(inLeaves, points.size());
        const std::vector<Point> queries = RandomPoints(200, seed + 1);
        for (const Point& q : queries) {
            std::uint32_t best = 0;
            for (std::uint32_t i = 1; i < points.size(); ++i) {
                if (Distance2(points[i], q) < Distance2(points[best], q)) best = i;
            }
            const auto found = octree.NearestPoint(q);
            ASSERT_TRUE(found);
            EXPECT_EQ(found->index, best);
            EXPECT_EQ(found->distanceSquared, Distance2(points[best], q));
        }
        for (std::size_t k = 0; k + 1 < queries.size(); k += 2) {
            const Point& a = queries[k];
            const Point& b = queries[k + 1];
            const KBBox box{{std::min(a.x, b.x), std::min(a.y, b.y), -1.0}, {std::max(a.x, b.x), std::max(a.y, b.y), 2.0}};
            std::vector<std::uint32_t> expected;
            for (std::uint32_t i = 0; i < points.size(); ++i) {
                const Point& p = points[i];
                const bool in = p.x >= box.min.x && p.x <= box.max.x && p.y >= box.min.y && p.y <= box.max.y &&
                                p.z >= box.min.z && p.z <= box.max.z;
                if (in) expected.push_back(i);
            }
            EXPECT_EQ(octree.PointsInBox(box), expected);
        }
    }
}

TEST(MeshStandIn, OctreeCopesWithDuplicatesAndFlatSets) {
    std::vector<Point> points(100, Point{3, 3, 3});
    points.push_back({4, 3, 3});
    const KOctree octree(points);
    EXPECT_EQ(octree.NearestPoint({3, 3, 3})->index, 0u);  // lowest index on a tie
    EXPECT_EQ(octree.NearestPoint({9, 3, 3})->index, 100u);
    EXPECT_EQ(octree.PointsInBox({{3.5, 0, 0}, {5, 5, 5}}), std::vector<std::uint32_t>{100});
    EXPECT_FALSE(KOctree(std::vector<Point>{}).NearestPoint({0, 0, 0}));
}

// A sheet seen from both sides: its two faces cancel at every corner, which
// is then left without a direction rather than with its earlier normal. A
// vertex no face reaches and a degenerate face keep theirs; an empty mesh has
// no normals or index to build.
TEST(MeshStandIn, NormalsWhereFacesCancelOrDegenerate) {
    KMesh sheet;
    AddPoints(sheet, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {9, 9, 9}}, {0, 0, 1});
    AddTriangles(sheet, {{0, 1, 2}, {0, 2, 1}, {0, 0, 1}});
    ASSERT_TRUE(sheet.ComputeVertexNormals(false));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(Access::Normals(sheet)[i].x == 0.0 && Access::Normals(sheet)[i].y == 0.0 && Access::Normals(sheet)[i].z == 0.0) << i;
    }
    EXPECT_TRUE(Access::Normals(sheet)[3].z == 1.0 && sheet.Face(2).normal.z == 1.0);
    KMesh empty;
    EXPECT_FALSE(empty.ComputeVertexNormals(false) || empty.InitOctree());
}

// The neighbour across each edge as its definition reads: the first other
// triangle (in triangle and corner order) running the edge the other way,
// else the first running it the same way.
std::uint32_t ReferenceNeighbor(const std::vector<std::array<std::uint32_t, 3>>& triangles, std::size_t points,
                                std::size_t self, int corner) {
    const auto usable = [&](const auto& c) { return c[0] < points && c[1] < points && c[2] < points; };
    if (!usable(triangles[self])) return kNoNeighbor;
    const std::uint32_t a = triangles[self][corner];
    const std::uint32_t b = triangles[self][(corner + 1) % 3];
    for (const bool sameWay : {false, true}) {
        for (std::size_t t = 0; t < triangles.size(); ++t) {
            if (t == self || !usable(triangles[t])) continue;
            for (int k = 0; k < 3; ++k) {
                const std::uint32_t from = triangles[t][k];
                const std::uint32_t to = triangles[t][(k + 1) % 3];
                if (sameWay ? (from == a && to == b) : (from == b && to == a)) return std::uint32_t(t);
            }
        }
    }
    return kNoNeighbor;
}

// Corners are drawn from `distinct` vertices spread over all points, so that
// edges repeat (non-manifold, loops, both ways) and vertex blocks differ.
TEST(MeshStandIn, NeighborsOfRandomMeshesMatchTheDefinition) {
    const struct {
        const char* name;
        std::uint32_t points, triangles, distinct;
    } meshes[] = {{"few vertices, many repeats", 40, 120, 5},
                  {"sparse, mostly borders", 300, 200, 300},
                  {"across vertex blocks", 200000, 400, 12}};
    for (const auto& param : meshes) {
        SCOPED_TRACE(param.name);
        std::mt19937 random(11);
        std::uniform_int_distribution<std::uint32_t> pick(0, param.distinct - 1);
        const std::uint32_t stride = param.points / param.distinct;
        std::vector<std::array<std::uint32_t, 3>> triangles(param.triangles);
        for (auto& t : triangles) {
            for (auto& corner : t) corner = pick(random) * stride;
        }
        triangles.back()[1] = param.points;  // one triangle names a vertex that does not exist
        KMesh mesh;
        AddPoints(mesh, std::vector<Point>(param.points, Point{}));
        AddTriangles(mesh, triangles);
        mesh.FindNeighbors();
        for (std::size_t t = 0; t < triangles.size(); ++t) {
            for (int k = 0; k < 3; ++k) {
                ASSERT_EQ(mesh.Face(t).neighbors[k], ReferenceNeighbor(triangles, param.points, t, k)) << t << " " << k;
            }
        }
    }
}

}  // namespace
