// The spatial index of a mesh: a linear octree. Points are ordered along a
// Morton curve so that every node owns one contiguous run of them; nodes
// sit in one array with their children side by side. Building costs a radix
// sort plus one pass; nothing is allocated per point.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "host/kscene/KObject.h"

class KOctree {
public:
    // Points per leaf before it is split, unless the deepest level is reached.
    static constexpr std::uint32_t kLeafSize = 16;
    static constexpr int kMaxDepth = 16;

    struct Node {
        KBBox box{};                 // tight box of the node's points
        std::uint32_t first = 0;     // first of the node's points in Morton order
        std::uint32_t count = 0;
        std::uint32_t firstChild = 0;  // children are consecutive nodes
        std::uint32_t childCount = 0;  // 0 for a leaf
    };

    struct Nearest {
        std::uint32_t index;  // index of the point in the indexed set
        double distanceSquared;
    };

    // Indexes `count` consecutive points; they are copied in Morton order.
    KOctree(const KPt3<double>* points, std::size_t count);
    explicit KOctree(const std::vector<KPt3<double>>& points) : KOctree(points.data(), points.size()) {}

    std::size_t Size() const { return m_points.size(); }
    const std::vector<Node>& Nodes() const { return m_nodes; }

    // The indexed point closest to `query` (the lowest index on a tie);
    // nothing when the index is empty.
    std::optional<Nearest> NearestPoint(const KPt3<double>& query) const;
    // Indices of the points inside the box (borders included), ascending.
    std::vector<std::uint32_t> PointsInBox(const KBBox& box) const;

private:
    void BuildNodes(const std::vector<std::uint64_t>& codes);
    void Split(std::uint32_t node, int depth, const std::vector<std::uint64_t>& codes);
    void FitBoxes();
    void Descend(std::uint32_t node, const KPt3<double>& query, Nearest& best) const;

    std::vector<KPt3<double>> m_points;    // Morton order
    std::vector<std::uint32_t> m_indices;  // original index of each of them
    std::vector<Node> m_nodes;             // m_nodes[0] is the root
};
