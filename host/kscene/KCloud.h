// Point clouds and triangle meshes of the scene library: vertices with
// normal, scalar and colour, triangles with their neighbours, and the
// spatial index of a mesh.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "host/kscene/KObject.h"

class KOctree;

// One vertex as callers hand it to a cloud.
struct KVertex {
    KPt3<double> position;
    KPt3<double> normal{0.0, 0.0, 1.0};
    double scalar = 1.0;
    double scalarAux = 0.0;
    KColor color;
};

// No neighbour across an edge.
constexpr std::uint32_t kNoNeighbor = 0xFFFFFFFFu;

// Edge i runs from vertices[i] to vertices[(i + 1) % 3]; neighbors[i] is the
// triangle on its other side.
struct KTriangle {
    std::array<std::uint32_t, 3> vertices{0, 0, 0};
    std::array<std::uint32_t, 3> neighbors{kNoNeighbor, kNoNeighbor, kNoNeighbor};
    KPt3<double> normal{0.0, 0.0, 1.0};
};

// Measurement tools read objects through this interface; it has no
// operation this library uses.
class KMeasurementItf {
public:
    virtual ~KMeasurementItf();
};

// Read access to a set of points.
class KCloudBase {
public:
    virtual ~KCloudBase();
    virtual KCloudBase& AssignPoints(const KCloudBase& other);
    virtual std::size_t NumPoints() const = 0;
    virtual const KPt3<double>& Point(std::size_t index) const = 0;
    virtual KPt3<double>& Point(std::size_t index) = 0;
    virtual KBBox BBox() const = 0;
    virtual KMatrix4<double> GetTTransfo() const = 0;
};

// A point cloud. Vertex attributes live in parallel contiguous arrays so
// that millions of points cost no allocation per point.
class KCloud : public KSceneObject, public KMeasurementItf, public KCloudBase {
public:
    KCloud();
    ~KCloud() override;

    void SetColor(const KColor& color) override;
    using KSceneObject::SetColor;
    KBBox GetPureBBox() const override;
    void FixateTotalTransform() override;
    void DrawInScene(KScene* scene) override;

    virtual KCloud& AssignCloud(const KCloud& other);
    // Same name, colour and transform; no points.
    virtual KCloud* CopyWithoutData() const;
    // Removes the listed points (indices into the present points).
    virtual bool RemovePoints(const std::vector<std::uint32_t>& indices);
    // Moves every point along its normal.
    virtual void Offset(double distance);
    virtual void FlipAllNormals();
    virtual void RegenGraphics();
    virtual void SimpleDraw(KScene* scene);

    std::size_t NumPoints() const override;
    const KPt3<double>& Point(std::size_t index) const override;
    KPt3<double>& Point(std::size_t index) override;
    KBBox BBox() const override;
    KMatrix4<double> GetTTransfo() const override;

    // Makes room for `count` more points in one step.
    void PrepareForCloudAdd(std::uint64_t count);
    // Appends a vertex; returns its index.
    int AddPoint(const KVertex& vertex);
    // Readies a finished cloud for display.
    void Initialize();

    // The whole vertex at an index.
    KVertex Vertex(std::size_t index) const;
    const KPt3<double>& Normal(std::size_t index) const { return m_normals[index]; }
    KColor VertexColor(std::size_t index) const { return m_colors[index]; }
    const std::vector<KPt3<double>>& Positions() const { return m_positions; }
    const std::vector<KPt3<double>>& Normals() const { return m_normals; }
    const std::vector<KColor>& VertexColors() const { return m_colors; }
    bool IsInitialized() const { return m_initialized; }

    bool hasVertexColors = false;

protected:
    void SetNormal(std::size_t index, const KPt3<double>& normal) { m_normals[index] = normal; }
    // Keeps the points whose flag is false, in order; `kept` maps old
    // indices to new ones (kNoNeighbor for removed points).
    void KeepPoints(const std::vector<bool>& removed, std::vector<std::uint32_t>& kept);
    // The same for a list of indices to remove; false (and nothing done) when
    // none of them names a point.
    bool KeepPointsExcept(const std::vector<std::uint32_t>& indices, std::vector<std::uint32_t>& kept);

private:
    std::vector<KPt3<double>> m_positions;
    std::vector<KPt3<double>> m_normals;
    std::vector<double> m_scalars;
    // Almost always zero: stored only once a vertex brings another value.
    std::vector<double> m_scalarsAux;
    std::vector<KColor> m_colors;
    bool m_initialized = false;
};

// Read access to a triangle mesh and its spatial index.
class KMeshBase {
public:
    KMeshBase();
    virtual ~KMeshBase();
    KMeshBase(const KMeshBase& other);
    virtual KMeshBase& AssignMesh(const KMeshBase& other);
    virtual std::size_t NumPoints() const = 0;
    virtual std::size_t NumFaces() const = 0;
    virtual const KPt3<double>& Point(std::size_t index) const = 0;
    virtual KTriangle Face(std::size_t index) const = 0;
    virtual KBBox BBox() const = 0;
    virtual KMatrix4<double> GetTTransfo() const = 0;

    // Builds the spatial index over the present points, replacing any
    // earlier one; false when there is no point.
    bool InitOctree();
    // The index as last built, null before.
    const KOctree* Octree() const { return m_octree.get(); }

private:
    std::unique_ptr<KOctree> m_octree;
};

// A triangle mesh: a cloud with triangles over its vertices.
class KMesh : public KCloud, public KMeshBase {
public:
    KMesh();
    ~KMesh() override;

    void DrawInScene(KScene* scene) override;
    bool RemovePoints(const std::vector<std::uint32_t>& indices) override;
    void Offset(double distance) override;
    void FlipAllNormals() override;
    void RegenGraphics() override;
    virtual KMesh& AssignWhole(const KMesh& other);
    // Removes the listed points and every triangle that uses one of them.
    virtual bool RemovePoints2(const std::vector<std::uint32_t>& indices);

    std::size_t NumPoints() const override;
    const KPt3<double>& Point(std::size_t index) const override;
    using KCloud::Point;
    KBBox BBox() const override;
    KMatrix4<double> GetTTransfo() const override;
    std::size_t NumFaces() const override;
    KTriangle Face(std::size_t index) const override;

    void AddTriangle(KTriangle triangle);
    // Face normals and, from them, vertex normals: area-weighted, or
    // weighted by the corner angles when `angleWeighted`. Vertices without a
    // usable triangle keep their normal. False when there is no triangle.
    bool ComputeVertexNormals(bool angleWeighted);
    // Fills each triangle's neighbour across each edge (kNoNeighbor on a
    // border); triangles naming a vertex that does not exist get none.
    void FindNeighbors();

private:
    void ReserveTriangles(std::size_t count);

    // Parallel arrays: corners, neighbours and normal of each triangle.
    std::vector<std::array<std::uint32_t, 3>> m_corners;
    std::vector<std::array<std::uint32_t, 3>> m_neighbors;
    std::vector<KPt3<double>> m_faceNormals;
};
