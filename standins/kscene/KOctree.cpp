// Building and querying the linear octree.
#include "standins/kscene/KOctree.h"

#include <algorithm>
#include <array>
#include <limits>
#include <stdexcept>
#include <utility>

namespace {

constexpr int kBitsPerAxis = KOctree::kMaxDepth;
constexpr double kCellsPerAxis = double((1u << kBitsPerAxis) - 1);
// Byte digits: 256 buckets keep every scatter within the address caches.
constexpr int kRadixBits = 8;
constexpr int kRadixPasses = 3 * kBitsPerAxis / kRadixBits;
constexpr std::size_t kBuckets = std::size_t(1) << kRadixBits;

// Spreads the low 16 bits of v so that two zero bits follow each one.
std::uint64_t Spread(std::uint64_t v) {
    v &= 0xFFFF;
    v = (v | (v << 16)) & 0x0000FF0000FFull;
    v = (v | (v << 8)) & 0x00F00F00F00Full;
    v = (v | (v << 4)) & 0x0C30C30C30C3ull;
    v = (v | (v << 2)) & 0x249249249249ull;
    return v;
}

KBBox BoxOf(const KPt3<double>* begin, const KPt3<double>* end) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    KBBox box{{inf, inf, inf}, {-inf, -inf, -inf}};
    for (const KPt3<double>* p = begin; p != end; ++p) {
        box.min = {std::min(box.min.x, p->x), std::min(box.min.y, p->y), std::min(box.min.z, p->z)};
        box.max = {std::max(box.max.x, p->x), std::max(box.max.y, p->y), std::max(box.max.z, p->z)};
    }
    return box;
}

KBBox Union(const KBBox& a, const KBBox& b) {
    return {{std::min(a.min.x, b.min.x), std::min(a.min.y, b.min.y), std::min(a.min.z, b.min.z)},
            {std::max(a.max.x, b.max.x), std::max(a.max.y, b.max.y), std::max(a.max.z, b.max.z)}};
}

// Grid cell of a coordinate; values outside the box (NaN included) clamp.
std::uint64_t Cell(double value, double min, double scale) {
    const double cell = (value - min) * scale;
    return cell > 0.0 ? std::uint64_t(std::min(cell, kCellsPerAxis)) : 0;
}

std::vector<std::uint64_t> MortonCodes(const KPt3<double>* points, std::size_t count, const KBBox& box) {
    const auto scale = [](double lo, double hi) { return hi > lo ? kCellsPerAxis / (hi - lo) : 0.0; };
    const double sx = scale(box.min.x, box.max.x);
    const double sy = scale(box.min.y, box.max.y);
    const double sz = scale(box.min.z, box.max.z);
    std::vector<std::uint64_t> codes(count);
    for (std::size_t i = 0; i < count; ++i) {
        const KPt3<double>& p = points[i];
        codes[i] = Spread(Cell(p.x, box.min.x, sx)) | Spread(Cell(p.y, box.min.y, sy)) << 1 |
                   Spread(Cell(p.z, box.min.z, sz)) << 2;
    }
    return codes;
}

// Least-significant-digit radix sort of the codes, carrying the point
// indices along; stable, so equal codes keep ascending indices.
void RadixSort(std::vector<std::uint64_t>& codes, std::vector<std::uint32_t>& indices) {
    const std::size_t n = codes.size();
    std::vector<std::array<std::uint32_t, kBuckets>> counts(kRadixPasses);
    for (auto& count : counts) count.fill(0);
    for (const std::uint64_t code : codes) {
        for (int pass = 0; pass < kRadixPasses; ++pass) ++counts[pass][(code >> (pass * kRadixBits)) & (kBuckets - 1)];
    }
    std::vector<std::uint64_t> codesOut(n);
    std::vector<std::uint32_t> indicesOut(n);
    for (int pass = 0; pass < kRadixPasses; ++pass) {
        auto& count = counts[pass];
        if (std::any_of(count.begin(), count.end(), [n](std::uint32_t c) { return c == n; })) continue;
        std::uint32_t offset = 0;
        for (std::uint32_t& c : count) offset += std::exchange(c, offset);
        const int shift = pass * kRadixBits;
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint32_t to = count[(codes[i] >> shift) & (kBuckets - 1)]++;
            codesOut[to] = codes[i];
            indicesOut[to] = indices[i];
        }
        codes.swap(codesOut);
        indices.swap(indicesOut);
    }
}

double DistanceSquared(const KPt3<double>& a, const KPt3<double>& b) {
    const double dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    return dx * dx + dy * dy + dz * dz;
}

double DistanceSquared(const KBBox& box, const KPt3<double>& p) {
    const auto gap = [](double v, double lo, double hi) { return v < lo ? lo - v : (v > hi ? v - hi : 0.0); };
    const double dx = gap(p.x, box.min.x, box.max.x);
    const double dy = gap(p.y, box.min.y, box.max.y);
    const double dz = gap(p.z, box.min.z, box.max.z);
    return dx * dx + dy * dy + dz * dz;
}

bool Inside(const KPt3<double>& p, const KBBox& box) {
    return p.x >= box.min.x && p.x <= box.max.x && p.y >= box.min.y && p.y <= box.max.y &&
           p.z >= box.min.z && p.z <= box.max.z;
}

bool Contains(const KBBox& outer, const KBBox& inner) { return Inside(inner.min, outer) && Inside(inner.max, outer); }

bool Disjoint(const KBBox& a, const KBBox& b) {
    return a.max.x < b.min.x || b.max.x < a.min.x || a.max.y < b.min.y || b.max.y < a.min.y ||
           a.max.z < b.min.z || b.max.z < a.min.z;
}

}  // namespace

KOctree::KOctree(const KPt3<double>* points, std::size_t count) {
    if (count == 0) return;
    if (count > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("too many points to index");
    std::vector<std::uint64_t> codes = MortonCodes(points, count, BoxOf(points, points + count));
    m_indices.resize(count);
    for (std::size_t i = 0; i < count; ++i) m_indices[i] = std::uint32_t(i);
    RadixSort(codes, m_indices);
    m_points.resize(count);
    // A gather from all over the points: later ones are asked for early.
    constexpr std::size_t kPrefetchDistance = 16;
    for (std::size_t i = 0; i < count; ++i) {
        if (i + kPrefetchDistance < count) __builtin_prefetch(&points[m_indices[i + kPrefetchDistance]]);
        m_points[i] = points[m_indices[i]];
    }
    BuildNodes(codes);
    FitBoxes();
}

void KOctree::BuildNodes(const std::vector<std::uint64_t>& codes) {
    m_nodes.reserve(codes.size() / 4 + 1);
    Node root;
    root.count = std::uint32_t(codes.size());
    m_nodes.push_back(root);
    Split(0, 0, codes);
    m_nodes.shrink_to_fit();
}

// Children follow the next three bits of the code below the node's level.
void KOctree::Split(std::uint32_t node, int depth, const std::vector<std::uint64_t>& codes) {
    const std::uint32_t first = m_nodes[node].first;
    const std::uint32_t end = first + m_nodes[node].count;
    if (end - first <= kLeafSize || depth == kMaxDepth) return;
    const int shift = 3 * (kMaxDepth - 1 - depth);
    const std::uint64_t prefix = codes[first] >> (shift + 3);
    const std::uint32_t firstChild = std::uint32_t(m_nodes.size());
    std::uint32_t start = first;
    for (std::uint64_t digit = 0; digit < 8 && start < end; ++digit) {
        const std::uint64_t bound = ((prefix << 3) + digit + 1) << shift;
        const auto stop = std::uint32_t(std::lower_bound(codes.begin() + start, codes.begin() + end, bound) - codes.begin());
        if (stop == start) continue;
        Node child;
        child.first = start;
        child.count = stop - start;
        m_nodes.push_back(child);
        start = stop;
    }
    const std::uint32_t childEnd = std::uint32_t(m_nodes.size());
    m_nodes[node].firstChild = firstChild;
    m_nodes[node].childCount = childEnd - firstChild;
    for (std::uint32_t child = firstChild; child < childEnd; ++child) Split(child, depth + 1, codes);
}

// Children come after their parent, so one backward pass sees them first.
void KOctree::FitBoxes() {
    for (std::size_t i = m_nodes.size(); i-- > 0;) {
        Node& node = m_nodes[i];
        if (node.childCount == 0) {
            node.box = BoxOf(m_points.data() + node.first, m_points.data() + node.first + node.count);
            continue;
        }
        node.box = m_nodes[node.firstChild].box;
        for (std::uint32_t c = 1; c < node.childCount; ++c) node.box = Union(node.box, m_nodes[node.firstChild + c].box);
    }
}

std::optional<KOctree::Nearest> KOctree::NearestPoint(const KPt3<double>& query) const {
    if (m_nodes.empty()) return std::nullopt;
    Nearest best{std::numeric_limits<std::uint32_t>::max(), std::numeric_limits<double>::infinity()};
    Descend(0, query, best);
    return best;
}

void KOctree::Descend(std::uint32_t index, const KPt3<double>& query, Nearest& best) const {
    const Node& node = m_nodes[index];
    if (DistanceSquared(node.box, query) > best.distanceSquared) return;
    if (node.childCount == 0) {
        for (std::uint32_t i = node.first; i < node.first + node.count; ++i) {
            const double d = DistanceSquared(m_points[i], query);
            if (d < best.distanceSquared || (d == best.distanceSquared && m_indices[i] < best.index)) {
                best = {m_indices[i], d};
            }
        }
        return;
    }
    // Nearer children first, so that the farther ones are mostly pruned.
    std::array<std::pair<double, std::uint32_t>, 8> order;
    for (std::uint32_t c = 0; c < node.childCount; ++c) {
        order[c] = {DistanceSquared(m_nodes[node.firstChild + c].box, query), node.firstChild + c};
    }
    // At most eight: an insertion sort.
    for (std::uint32_t c = 1; c < node.childCount; ++c) {
        for (std::uint32_t k = c; k > 0 && order[k] < order[k - 1]; --k) std::swap(order[k], order[k - 1]);
    }
    for (std::uint32_t c = 0; c < node.childCount; ++c) Descend(order[c].second, query, best);
}

std::vector<std::uint32_t> KOctree::PointsInBox(const KBBox& box) const {
    std::vector<std::uint32_t> found;
    std::vector<std::uint32_t> pending;
    if (!m_nodes.empty()) pending.push_back(0);
    while (!pending.empty()) {
        const Node& node = m_nodes[pending.back()];
        pending.pop_back();
        if (Disjoint(node.box, box)) continue;
        if (Contains(box, node.box)) {
            found.insert(found.end(), m_indices.begin() + node.first, m_indices.begin() + node.first + node.count);
        } else if (node.childCount == 0) {
            for (std::uint32_t i = node.first; i < node.first + node.count; ++i) {
                if (Inside(m_points[i], box)) found.push_back(m_indices[i]);
            }
        } else {
            for (std::uint32_t c = 0; c < node.childCount; ++c) pending.push_back(node.firstChild + c);
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}
