// Point clouds and triangle meshes of the scene library: vertices with
// normal, scalar and colour, triangles with their neighbours, and the
// spatial index of a mesh.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "host/kscene/KObject.h"

class KOctree;

// One vertex as callers hand it to a cloud.
struct KVertex {
    KPt3<double> position;
    KPt3<double> normal;
    double scalar;
    double scalarAux;
    KColor color;
};

// One triangle as callers hand it to a mesh. Our reading keeps the three
// indices of each field in an array.
struct KTriangle {
    std::array<std::uint32_t, 3> vertices;
    std::array<std::uint32_t, 3> neighbors;
    KPt3<double> normal;
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
    virtual KCloud* CopyWithoutData() const;
    virtual bool RemovePoints(const std::vector<std::uint32_t>& indices);
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

    bool hasVertexColors;

private:
    friend struct standin::kscene::Access;
    // Vertex attributes in parallel arrays: no allocation per point.
    std::vector<KPt3<double>> m_positions;
    std::vector<KPt3<double>> m_normals;
    std::vector<double> m_scalars;
    // Almost always zero: stored only once a vertex brings another value.
    std::vector<double> m_scalarsAux;
    std::vector<KColor> m_colors;
    bool m_initialized;
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

    // Builds the spatial index over the present points; false when there is
    // no point.
    bool InitOctree();

private:
    friend struct standin::kscene::Access;
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
    // Computes the vertex normals from the triangles.
    bool ComputeVertexNormals(bool angleWeighted);
    // Fills each triangle's neighbour across each edge.
    void FindNeighbors();

private:
    friend struct standin::kscene::Access;
    // Parallel arrays: corners, neighbours and normal of each triangle.
    std::vector<std::array<std::uint32_t, 3>> m_corners;
    std::vector<std::array<std::uint32_t, 3>> m_neighbors;
    std::vector<KPt3<double>> m_faceNormals;
};
