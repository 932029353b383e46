// Neighbours across the edges of a mesh's triangles, from a compact
// vertex-to-triangle table: linear in the size of the mesh.
#include "host/kscene/KCloud.h"

namespace {

using Corners = std::array<std::uint32_t, 3>;

// For each vertex, the triangles using it: triangles[offsets[v]] up to
// triangles[offsets[v + 1]].
struct Incidence {
    std::vector<std::uint32_t> offsets;
    std::vector<std::uint32_t> triangles;
};

bool Usable(const Corners& c, std::size_t points) { return c[0] < points && c[1] < points && c[2] < points; }

Incidence IncidenceOf(const std::vector<Corners>& corners, std::size_t points) {
    Incidence table;
    table.offsets.assign(points + 1, 0);
    for (const Corners& c : corners) {
        if (!Usable(c, points)) continue;
        for (const std::uint32_t v : c) ++table.offsets[v + 1];
    }
    for (std::size_t v = 0; v < points; ++v) table.offsets[v + 1] += table.offsets[v];
    table.triangles.resize(table.offsets[points]);
    std::vector<std::uint32_t> next(table.offsets.begin(), table.offsets.end() - 1);
    for (std::size_t t = 0; t < corners.size(); ++t) {
        if (!Usable(corners[t], points)) continue;
        for (const std::uint32_t v : corners[t]) table.triangles[next[v]++] = std::uint32_t(t);
    }
    return table;
}

bool Uses(const Corners& c, std::uint32_t v) { return c[0] == v || c[1] == v || c[2] == v; }

// Another triangle with the edge from a to b; an oppositely turning one
// (the usual case) is preferred over one turning the same way.
std::uint32_t NeighborAcross(const Incidence& table, const std::vector<Corners>& corners, std::uint32_t self,
                             std::uint32_t a, std::uint32_t b) {
    std::uint32_t sameWay = kNoNeighbor;
    for (std::uint32_t i = table.offsets[a]; i < table.offsets[a + 1]; ++i) {
        const std::uint32_t other = table.triangles[i];
        const Corners& c = corners[other];
        if (other == self || !Uses(c, b)) continue;
        for (int k = 0; k < 3; ++k) {
            if (c[k] == b && c[(k + 1) % 3] == a) return other;
        }
        if (sameWay == kNoNeighbor) sameWay = other;
    }
    return sameWay;
}

}  // namespace

void KMesh::FindNeighbors() {
    const std::size_t points = NumPoints();
    const Incidence table = IncidenceOf(m_corners, points);
    for (std::size_t t = 0; t < m_corners.size(); ++t) {
        const Corners& c = m_corners[t];
        for (int k = 0; k < 3; ++k) {
            m_neighbors[t][k] = Usable(c, points) ? NeighborAcross(table, m_corners, std::uint32_t(t), c[k], c[(k + 1) % 3])
                                                  : kNoNeighbor;
        }
    }
}
