#include "tools/svg/SvgLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace draftlift_tool {
namespace {

constexpr double kMaxPagePerUnit = 12;  // small parts are not blown up past this
constexpr double kNone = -std::numeric_limits<double>::infinity();

// The lowest free height over each stretch of the page's width between two
// block edges: a segment tree, kept bottom-up, holding for every node the
// greatest height below it and the raise still owed to its children.
class Skyline {
public:
    explicit Skyline(std::size_t stretches) {
        while (m_leaves < stretches) m_leaves *= 2;
        while ((std::size_t{1} << m_height) < m_leaves) ++m_height;
        m_max.assign(2 * m_leaves, kNone);
        m_owed.assign(m_leaves, kNone);
    }

    double Highest(std::size_t from, std::size_t to) {
        double highest = kNone;
        if (from >= to) return highest;
        from += m_leaves;
        to += m_leaves;
        Settle(from);
        Settle(to - 1);
        for (; from < to; from /= 2, to /= 2) {
            if (from & 1) highest = std::max(highest, m_max[from++]);
            if (to & 1) highest = std::max(highest, m_max[--to]);
        }
        return highest;
    }

    // Raises [from, to) to `level`.
    void Raise(std::size_t from, std::size_t to, double level) {
        if (from >= to) return;
        from += m_leaves;
        to += m_leaves;
        const std::size_t first = from, last = to - 1;
        for (; from < to; from /= 2, to /= 2) {
            if (from & 1) Apply(from++, level);
            if (to & 1) Apply(--to, level);
        }
        Rebuild(first);
        Rebuild(last);
    }

private:
    void Apply(std::size_t node, double level) {
        m_max[node] = std::max(m_max[node], level);
        if (node < m_leaves) m_owed[node] = std::max(m_owed[node], level);
    }
    // Hands down what the ancestors of `node` still owe, from the root.
    void Settle(std::size_t node) {
        for (std::size_t shift = m_height; shift > 0; --shift) {
            const std::size_t ancestor = node >> shift;
            if (m_owed[ancestor] == kNone) continue;
            Apply(2 * ancestor, m_owed[ancestor]);
            Apply(2 * ancestor + 1, m_owed[ancestor]);
            m_owed[ancestor] = kNone;
        }
    }
    void Rebuild(std::size_t node) {
        for (node /= 2; node > 0; node /= 2) {
            m_max[node] = std::max({m_max[2 * node], m_max[2 * node + 1], m_owed[node]});
        }
    }

    std::size_t m_leaves = 1;
    std::size_t m_height = 0;
    std::vector<double> m_max;
    std::vector<double> m_owed;
};

}  // namespace

Projection::Projection(double minX, double minY, double maxX, double maxY, double span)
    : m_minX(minX), m_maxY(maxY) {
    // Halves first: the difference of two finite doubles may overflow.
    const double halfExtent = std::max(maxX * 0.5 - minX * 0.5, maxY * 0.5 - minY * 0.5);
    const double cap = 2 * kMaxPagePerUnit;
    m_pagePerHalfUnit = halfExtent * cap > span ? span / halfExtent : cap;
    m_pageHeight = (maxY * 0.5 - minY * 0.5) * m_pagePerHalfUnit;
}

std::optional<Point> Projection::Place(const KPt3<double>& p) const {
    const Point page{(p.x * 0.5 - m_minX * 0.5) * m_pagePerHalfUnit, (m_maxY * 0.5 - p.y * 0.5) * m_pagePerHalfUnit};
    if (!std::isfinite(page.x) || !std::isfinite(page.y)) return std::nullopt;
    return page;
}

void SceneExtent::Add(const KPt3<double>& p) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
    if (!m_any) {
        m_minX = m_maxX = p.x;
        m_minY = m_maxY = p.y;
        m_any = true;
        return;
    }
    m_minX = std::min(m_minX, p.x);
    m_maxX = std::max(m_maxX, p.x);
    m_minY = std::min(m_minY, p.y);
    m_maxY = std::max(m_maxY, p.y);
}

Projection SceneExtent::Fitted(double span) const { return Projection(m_minX, m_minY, m_maxX, m_maxY, span); }

std::vector<double> StackWithoutOverlap(const std::vector<BlockWish>& wishes, double gap) {
    std::vector<double> edges;
    edges.reserve(2 * wishes.size());
    for (const BlockWish& wish : wishes) {
        edges.push_back(wish.left);
        edges.push_back(wish.left + wish.width);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    const auto edgeIndex = [&edges](double x) {
        return static_cast<std::size_t>(std::lower_bound(edges.begin(), edges.end(), x) - edges.begin());
    };

    std::vector<std::size_t> order(wishes.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&wishes](std::size_t a, std::size_t b) { return wishes[a].top < wishes[b].top; });

    Skyline skyline(edges.size());
    std::vector<double> tops(wishes.size());
    for (const std::size_t i : order) {
        const BlockWish& wish = wishes[i];
        const std::size_t from = edgeIndex(wish.left), to = edgeIndex(wish.left + wish.width);
        const double top = std::max(wish.top, skyline.Highest(from, to));
        skyline.Raise(from, to, top + wish.height + gap);
        tops[i] = top;
    }
    return tops;
}

}  // namespace draftlift_tool
