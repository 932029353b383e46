// Triangle meshes: triangle storage, removal, and the spatial index.
#include <algorithm>
#include <limits>
#include <stdexcept>

#include "host/kscene/KCloud.h"
#include "standins/kscene/Access.h"
#include "standins/kscene/Failing.h"
#include "standins/kscene/KSceneStandIn.h"
#include "standins/kscene/KOctree.h"

using standin::kscene::kNoNeighbor;

KMeshBase::KMeshBase() = default;
KMeshBase::~KMeshBase() = default;

KMeshBase::KMeshBase(const KMeshBase& other)
    : m_octree(other.m_octree ? std::make_unique<KOctree>(*other.m_octree) : nullptr) {}

KMeshBase& KMeshBase::AssignMesh(const KMeshBase& other) {
    if (this != &other) m_octree = other.m_octree ? std::make_unique<KOctree>(*other.m_octree) : nullptr;
    return *this;
}

// Points of a mesh are consecutive in memory: the index reads them in place.
bool KMeshBase::InitOctree() {
    const std::size_t count = NumPoints();
    m_octree = count > 0 ? std::make_unique<KOctree>(&Point(0), count) : nullptr;
    return count > 0;
}

KMesh::KMesh() = default;
KMesh::~KMesh() = default;

void KMesh::DrawInScene(KScene*) {}

// Points only; triangles naming a removed point are left as they are, as
// the cloud operation promises nothing about them (RemovePoints2 does).
bool KMesh::RemovePoints(const std::vector<std::uint32_t>& indices) { return KCloud::RemovePoints(indices); }

void KMesh::Offset(double distance) { KCloud::Offset(distance); }

// Turns the triangles too, so that face and vertex normals agree.
void KMesh::FlipAllNormals() {
    KCloud::FlipAllNormals();
    for (auto& corners : m_corners) std::swap(corners[1], corners[2]);
    for (auto& neighbors : m_neighbors) neighbors = {neighbors[2], neighbors[1], neighbors[0]};
    for (KPt3<double>& n : m_faceNormals) n = {-n.x, -n.y, -n.z};
}

void KMesh::RegenGraphics() {}

KMesh& KMesh::AssignWhole(const KMesh& other) {
    if (this == &other) return *this;
    AssignCloud(other);
    AssignMesh(other);
    m_corners = other.m_corners;
    m_neighbors = other.m_neighbors;
    m_faceNormals = other.m_faceNormals;
    return *this;
}

bool KMesh::RemovePoints2(const std::vector<std::uint32_t>& indices) {
    std::vector<std::uint32_t> kept;
    if (!standin::kscene::Access::KeepPointsExcept(*this, indices, kept)) return false;
    std::size_t to = 0;
    for (std::size_t from = 0; from < m_corners.size(); ++from) {
        auto corners = m_corners[from];
        bool whole = true;
        for (std::uint32_t& corner : corners) {
            whole = whole && corner < kept.size() && kept[corner] != kNoNeighbor;
            if (whole) corner = kept[corner];
        }
        if (!whole) continue;
        m_corners[to] = corners;
        m_faceNormals[to] = m_faceNormals[from];
        ++to;
    }
    m_corners.resize(to);
    m_faceNormals.resize(to);
    // Triangle numbers changed: neighbours must be found again.
    m_neighbors.assign(to, {kNoNeighbor, kNoNeighbor, kNoNeighbor});
    return true;
}

std::size_t KMesh::NumPoints() const { return KCloud::NumPoints(); }
const KPt3<double>& KMesh::Point(std::size_t index) const { return KCloud::Point(index); }
KBBox KMesh::BBox() const { return KCloud::BBox(); }
KMatrix4<double> KMesh::GetTTransfo() const { return KCloud::GetTTransfo(); }
std::size_t KMesh::NumFaces() const { return m_corners.size(); }

KTriangle KMesh::Face(std::size_t index) const {
    KTriangle triangle;
    triangle.vertices = m_corners[index];
    triangle.neighbors = m_neighbors[index];
    triangle.normal = m_faceNormals[index];
    return triangle;
}

void KMesh::AddTriangle(KTriangle triangle) {
    standin::kscene::detail::ThrowIfFailing();
    const std::size_t index = m_corners.size();
    if (index >= std::numeric_limits<std::uint32_t>::max()) throw std::length_error("mesh full");
    // A surface has about two triangles per vertex: room for them at once
    // spares large meshes their reallocations.
    if (index == 0) {
        m_corners.reserve(2 * NumPoints());
        m_neighbors.reserve(2 * NumPoints());
        m_faceNormals.reserve(2 * NumPoints());
    }
    // All or nothing: a failing append takes back what it added.
    try {
        m_corners.push_back(triangle.vertices);
        m_neighbors.push_back(triangle.neighbors);
        m_faceNormals.push_back(triangle.normal);
    } catch (...) {
        m_corners.resize(index);
        m_neighbors.resize(std::min(m_neighbors.size(), index));
        throw;
    }
}
