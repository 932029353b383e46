#include "tools/svg/SvgPlacement.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "standins/kscene/Access.h"
#include "tools/gdt/FromAnnotation.h"
#include "tools/svg/SvgFigures.h"

namespace draftlift_tool {

using standin::kscene::Access;
namespace {

constexpr double kGap = 6;                   // between figures stacked on one another
constexpr std::size_t kUntangleLimit = 24;   // larger stacks keep their first order
constexpr std::size_t kUntanglePasses = 8;

// Where a figure would like to stand, kept only while the page is laid out.
struct Wish {
    Point anchor;  // figures of one anchor and side form a stack
    double left, top;
    float width, height, attachY, attachRight;
    float rise;  // how steeply its targets lie above the anchor: the stack's order
    bool stacked, leftOfAnchor;
};

Wish WishOf(const KMBDBase& annotation, const Projection& projection) {
    const Figure figure(gdt::FieldsOf(annotation));
    Wish wish{{},
              0,
              0,
              static_cast<float>(figure.Width()),
              static_cast<float>(figure.Height()),
              static_cast<float>(figure.AttachY()),
              static_cast<float>(figure.AttachRight()),
              0,
              false,
              false};
    if (const auto line = DimensionLineOf(annotation, projection)) {
        const Point corner = ValueCorner(*line, figure.Width(), figure.Height());
        wish.left = corner.x;
        wish.top = corner.y;
        return wish;
    }
    wish.anchor = AnchorOf(annotation, projection);
    Point sum;
    std::size_t count = 0;
    for (const auto& target : Access::Targets(annotation)) {
        if (const auto at = projection.Place(Access::TargetPoint(*target))) {
            sum = {sum.x + at->x, sum.y + at->y};
            ++count;
        }
    }
    // The figure stands on the far side of its anchor from its targets.
    const Point mean{sum.x / std::max<std::size_t>(count, 1), sum.y / std::max<std::size_t>(count, 1)};
    wish.leftOfAnchor = count > 0 && mean.x >= wish.anchor.x;
    wish.left = wish.leftOfAnchor ? wish.anchor.x - kShoulder - figure.Width()
                                  : wish.anchor.x + (count > 0 ? kShoulder : 0);
    wish.top = wish.anchor.y - figure.AttachY();
    wish.rise = count > 0 ? static_cast<float>(std::atan2(mean.y - wish.anchor.y, std::abs(mean.x - wish.anchor.x)))
                          : 0.0f;
    wish.stacked = true;
    return wish;
}

// The targets of each annotation on the page.
std::vector<Point> TargetsOf(const KMBDBase& annotation, const Projection& projection) {
    std::vector<Point> targets;
    for (const auto& target : Access::Targets(annotation)) {
        if (const auto at = projection.Place(Access::TargetPoint(*target))) targets.push_back(*at);
    }
    return targets;
}

bool Cross(Point a, Point b, Point c, Point d) {
    const auto side = [](Point p, Point q, Point r) { return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x); };
    return side(c, d, a) * side(c, d, b) < 0 && side(a, b, c) * side(a, b, d) < 0;
}

// A stack of figures sharing an anchor: each member's leaders run from the
// anchor's height of the member to its targets.
class Stack {
public:
    Stack(std::vector<std::size_t> members, const std::vector<Wish>& wishes) : m_members(std::move(members)) {
        m_anchor = wishes[m_members.front()].anchor;
        double height = -kGap;
        for (const std::size_t i : m_members) height += wishes[i].height + kGap;
        m_top = m_anchor.y - height / 2;
    }

    // Swaps neighbours while that uncrosses leaders or, crossing no more,
    // brings figures nearer the height of their targets.
    void Untangle(const std::vector<Wish>& wishes, const std::vector<std::vector<Point>>& targets) {
        for (std::size_t pass = 0; pass < kUntanglePasses; ++pass) {
            bool swapped = false;
            for (std::size_t at = 0; at + 1 < m_members.size(); ++at) {
                const Tangle before = TangleAt(at, wishes, targets);
                std::swap(m_members[at], m_members[at + 1]);
                if (TangleAt(at, wishes, targets) < before) {
                    swapped = true;
                } else {
                    std::swap(m_members[at], m_members[at + 1]);
                }
            }
            if (!swapped) return;
        }
    }

    void Settle(std::vector<Wish>& wishes) const {
        double top = m_top;
        for (const std::size_t i : m_members) {
            wishes[i].top = top;
            top += wishes[i].height + kGap;
        }
    }

private:
    struct Tangle {
        std::size_t crossings = 0;
        double rise = 0;  // how far leaders climb or fall, in all
        bool operator<(const Tangle& other) const {
            return crossings != other.crossings ? crossings < other.crossings : rise < other.rise - 1e-6;
        }
    };

    // The leaders of the members at `at` and `at + 1`: how often they cross
    // any leader of the stack, and how far they climb.
    Tangle TangleAt(std::size_t at, const std::vector<Wish>& wishes,
                    const std::vector<std::vector<Point>>& targets) const {
        std::vector<double> heights(m_members.size());
        double top = m_top;
        for (std::size_t k = 0; k < m_members.size(); ++k) {
            heights[k] = top + wishes[m_members[k]].attachY;
            top += wishes[m_members[k]].height + kGap;
        }
        Tangle tangle;
        for (const std::size_t mine : {at, at + 1}) {
            const Point start{m_anchor.x, heights[mine]};
            for (const Point& a : targets[m_members[mine]]) tangle.rise += std::abs(a.y - start.y);
            for (std::size_t other = 0; other < m_members.size(); ++other) {
                if (other == mine || (mine == at + 1 && other == at)) continue;
                const Point otherStart{m_anchor.x, heights[other]};
                for (const Point& a : targets[m_members[mine]]) {
                    for (const Point& b : targets[m_members[other]]) tangle.crossings += Cross(start, a, otherStart, b);
                }
            }
        }
        return tangle;
    }

    std::vector<std::size_t> m_members;
    Point m_anchor;
    double m_top = 0;
};

// Figures that share an anchor and a side are stacked around it, first in
// the order of how high their targets lie, then untangled.
void StackAtAnchors(std::vector<Wish>& wishes, const std::vector<const KMBDBase*>& annotations,
                    const Projection& projection) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < wishes.size(); ++i) {
        if (wishes[i].stacked) order.push_back(i);
    }
    const auto stackOf = [&wishes](std::size_t i) {
        return std::make_tuple(wishes[i].anchor.x, wishes[i].anchor.y, wishes[i].leftOfAnchor);
    };
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::make_tuple(stackOf(a), wishes[a].rise, a) < std::make_tuple(stackOf(b), wishes[b].rise, b);
    });
    std::vector<std::vector<Point>> targets(wishes.size());
    for (std::size_t first = 0, last = 0; first < order.size(); first = last) {
        last = first + 1;
        while (last < order.size() && stackOf(order[last]) == stackOf(order[first])) ++last;
        if (last - first == 1) continue;
        Stack stack({order.begin() + first, order.begin() + last}, wishes);
        if (last - first <= kUntangleLimit) {
            for (std::size_t k = first; k < last; ++k) targets[order[k]] = TargetsOf(*annotations[order[k]], projection);
            stack.Untangle(wishes, targets);
        }
        stack.Settle(wishes);
    }
}

}  // namespace

std::vector<Placed> PlaceFigures(const std::vector<const KMBDBase*>& annotations, const Projection& projection) {
    std::vector<Wish> wishes;
    wishes.reserve(annotations.size());
    for (const KMBDBase* annotation : annotations) wishes.push_back(WishOf(*annotation, projection));
    StackAtAnchors(wishes, annotations, projection);
    std::vector<double> tops;
    {
        std::vector<BlockWish> blocks;
        blocks.reserve(wishes.size());
        for (const Wish& wish : wishes) blocks.push_back({wish.left, wish.width, wish.top, wish.height});
        tops = StackWithoutOverlap(blocks, kGap);
    }
    std::vector<Placed> placed;
    placed.reserve(wishes.size());
    for (std::size_t i = 0; i < wishes.size(); ++i) {
        const Wish& wish = wishes[i];
        placed.push_back({Box::At({wish.left, tops[i]}, wish.width, wish.height), tops[i] + wish.attachY,
                          wish.left + wish.attachRight});
    }
    return placed;
}

}  // namespace draftlift_tool
