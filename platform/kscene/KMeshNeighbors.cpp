// Neighbours across the edges of a mesh's triangles, from a compact table
// of the half-edges leaving each vertex: linear in the size of the mesh,
// and each edge looks at two short contiguous lists only.
#include "host/kscene/KCloud.h"

namespace {

using Corners = std::array<std::uint32_t, 3>;

struct HalfEdge {
    std::uint32_t triangle;
    std::uint32_t to;  // the vertex the edge runs to
};

// For each vertex v, the half-edges leaving it: edges[offsets[v]] up to
// edges[offsets[v + 1]].
struct Outgoing {
    std::vector<std::uint32_t> offsets;
    std::vector<HalfEdge> edges;
};

bool Usable(const Corners& c, std::size_t points) { return c[0] < points && c[1] < points && c[2] < points; }

Outgoing OutgoingOf(const std::vector<Corners>& corners, std::size_t points) {
    Outgoing table;
    table.offsets.assign(points + 1, 0);
    for (const Corners& c : corners) {
        if (!Usable(c, points)) continue;
        for (const std::uint32_t v : c) ++table.offsets[v + 1];
    }
    for (std::size_t v = 0; v < points; ++v) table.offsets[v + 1] += table.offsets[v];
    table.edges.resize(table.offsets[points]);
    std::vector<std::uint32_t> next(table.offsets.begin(), table.offsets.end() - 1);
    for (std::size_t t = 0; t < corners.size(); ++t) {
        const Corners& c = corners[t];
        if (!Usable(c, points)) continue;
        for (int k = 0; k < 3; ++k) table.edges[next[c[k]]++] = {std::uint32_t(t), c[(k + 1) % 3]};
    }
    return table;
}

std::uint32_t Find(const Outgoing& table, std::uint32_t from, std::uint32_t to, std::uint32_t self) {
    for (std::uint32_t i = table.offsets[from]; i < table.offsets[from + 1]; ++i) {
        const HalfEdge& edge = table.edges[i];
        if (edge.to == to && edge.triangle != self) return edge.triangle;
    }
    return kNoNeighbor;
}

// The triangle with the edge from b back to a (the usual case), else one
// with the same edge turning the same way.
std::uint32_t NeighborAcross(const Outgoing& table, std::uint32_t self, std::uint32_t a, std::uint32_t b) {
    const std::uint32_t opposite = Find(table, b, a, self);
    return opposite != kNoNeighbor ? opposite : Find(table, a, b, self);
}

}  // namespace

void KMesh::FindNeighbors() {
    const std::size_t points = NumPoints();
    const Outgoing table = OutgoingOf(m_corners, points);
    for (std::size_t t = 0; t < m_corners.size(); ++t) {
        const Corners& c = m_corners[t];
        for (int k = 0; k < 3; ++k) {
            m_neighbors[t][k] = Usable(c, points) ? NeighborAcross(table, std::uint32_t(t), c[k], c[(k + 1) % 3])
                                                  : kNoNeighbor;
        }
    }
}
