// Neighbours across the edges of a mesh's triangles. Every half-edge is
// filed under the lower vertex of its edge, so that the two halves of an
// edge meet in one short list. The vertices are taken in blocks small enough
// for their lists to stay in cache: the half-edges are first dealt out to
// their blocks in one streaming pass, then each block is sorted into its
// vertices' lists and matched there. Linear in the size of the mesh, with no
// random access into large tables but the writing of the answers.
#include <algorithm>

#include "host/kscene/KCloud.h"
#include "standins/kscene/KSceneStandIn.h"

namespace {

using standin::kscene::kNoNeighbor;

using Corners = std::array<std::uint32_t, 3>;

// 16 384 vertices: a block's lists stay within the core's own cache.
constexpr unsigned kBlockBits = 14;
constexpr std::uint32_t kBlockMask = (1u << kBlockBits) - 1;

struct HalfEdge {
    std::uint32_t high;      // the edge's higher vertex
    std::uint32_t triangle;
    std::uint16_t low;       // the edge's lower vertex, within its block
    std::uint8_t corner;     // the edge runs from this corner to the next
    bool descending;         // it runs from the higher vertex to the lower
};

bool Usable(const Corners& c, std::size_t points) { return c[0] < points && c[1] < points && c[2] < points; }

template <class Visit>
void ForEachHalfEdge(const std::vector<Corners>& corners, std::size_t points, Visit visit) {
    for (std::size_t t = 0; t < corners.size(); ++t) {
        const Corners& c = corners[t];
        if (!Usable(c, points)) continue;
        for (std::uint8_t k = 0; k < 3; ++k) {
            const std::uint32_t from = c[k];
            const std::uint32_t to = c[(k + 1) % 3];
            visit(HalfEdge{std::max(from, to), std::uint32_t(t), std::uint16_t(std::min(from, to) & kBlockMask), k,
                           from > to},
                  std::min(from, to) >> kBlockBits);
        }
    }
}

// The half-edges in order of their block, and where each block starts, in
// triangle and corner order within each block.
struct Blocks {
    std::vector<std::size_t> starts;
    std::vector<HalfEdge> edges;
};

Blocks DealOut(const std::vector<Corners>& corners, std::size_t points) {
    Blocks blocks;
    const std::size_t count = (points >> kBlockBits) + 1;
    blocks.starts.assign(count + 1, 0);
    ForEachHalfEdge(corners, points, [&](const HalfEdge&, std::size_t block) { ++blocks.starts[block + 1]; });
    for (std::size_t b = 0; b < count; ++b) blocks.starts[b + 1] += blocks.starts[b];
    blocks.edges.resize(blocks.starts[count]);
    std::vector<std::size_t> fill(blocks.starts.begin(), blocks.starts.end() - 1);
    ForEachHalfEdge(corners, points, [&](const HalfEdge& edge, std::size_t block) {
        blocks.edges[fill[block]++] = edge;
    });
    return blocks;
}

// The first other triangle in the list with the same edge, preferring one
// that runs it the other way (a loop edge runs both ways).
std::uint32_t NeighborOf(const HalfEdge& edge, const HalfEdge* list, std::size_t size, std::uint32_t lowVertex) {
    const bool loop = edge.high == lowVertex;
    std::uint32_t sameWay = kNoNeighbor;
    for (std::size_t i = 0; i < size; ++i) {
        const HalfEdge& other = list[i];
        if (other.high != edge.high || other.triangle == edge.triangle) continue;
        if (loop || other.descending != edge.descending) return other.triangle;
        if (sameWay == kNoNeighbor) sameWay = other.triangle;
    }
    return sameWay;
}

// Sorts one block's half-edges, as the source gives them, into per-vertex
// lists (keeping their order) and answers each of them.
template <class Source>
void MatchBlock(const Source& source, std::uint32_t firstVertex, std::vector<std::size_t>& offsets,
                std::vector<HalfEdge>& lists, std::vector<Corners>& neighbors) {
    std::fill(offsets.begin(), offsets.end(), 0);
    source([&](const HalfEdge& e) { ++offsets[e.low + 1u]; });
    for (std::size_t v = 0; v + 1 < offsets.size(); ++v) offsets[v + 1] += offsets[v];
    lists.resize(offsets.back());
    source([&](const HalfEdge& e) { lists[offsets[e.low]++] = e; });
    // The filling moved each offset to the end of its list.
    std::size_t listStart = 0;
    for (std::size_t v = 0; v + 1 < offsets.size(); ++v) {
        const std::size_t listEnd = offsets[v];
        const HalfEdge* list = lists.data() + listStart;
        const std::size_t size = listEnd - listStart;
        for (std::size_t i = 0; i < size; ++i) {
            neighbors[list[i].triangle][list[i].corner] = NeighborOf(list[i], list, size, firstVertex + std::uint32_t(v));
        }
        listStart = listEnd;
    }
}

}  // namespace

void KMesh::FindNeighbors() {
    const std::size_t points = NumPoints();
    m_neighbors.assign(m_corners.size(), {kNoNeighbor, kNoNeighbor, kNoNeighbor});
    std::vector<std::size_t> offsets(std::min(points, std::size_t(kBlockMask) + 1) + 1);
    std::vector<HalfEdge> lists;
    // A mesh of one block is sorted straight from its triangles.
    if (points <= std::size_t(kBlockMask) + 1) {
        const auto all = [&](auto visit) {
            ForEachHalfEdge(m_corners, points, [&](const HalfEdge& edge, std::size_t) { visit(edge); });
        };
        MatchBlock(all, 0, offsets, lists, m_neighbors);
        return;
    }
    const Blocks blocks = DealOut(m_corners, points);
    for (std::size_t b = 0; b + 1 < blocks.starts.size(); ++b) {
        const auto block = [&](auto visit) {
            for (std::size_t i = blocks.starts[b]; i < blocks.starts[b + 1]; ++i) visit(blocks.edges[i]);
        };
        MatchBlock(block, std::uint32_t(b << kBlockBits), offsets, lists, m_neighbors);
    }
}
