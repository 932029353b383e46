// Where annotations are attached: a part file has no solid, so every
// annotation gets a leader edge from its target point to its anchor, all in
// one compound, and each of its PMI items is attached to its edge's
// sub-shape label. One compound makes one product in the file, and the edges
// come back in the order they were written.
#pragma once

#include <optional>
#include <vector>

#include <TDF_Label.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopoDS_Edge.hxx>
#include <gp_Pnt.hxx>

#include "tools/step/Document.h"
#include "tools/step/Pmi.h"

namespace draftlift_tool::step {

// An edge needs two distinct ends: an annotation whose anchor is its target
// (the import's anchors are the origin) gets its edge this far along X.
constexpr double kCoincidentLeaderLength = 1.0;

gp_Pnt ToOcct(const Point3& point);
Point3 FromOcct(const gp_Pnt& point);
bool IsFinite(const Point3& point);

struct Leader {
    TopoDS_Edge edge;
    TDF_Label label;  // the edge's sub-shape label
    gp_Pnt end;       // where it ends: the anchor, or past the target
};

// One leader per annotation, in order.
std::vector<Leader> AddLeaders(const PmiDocument& document, const std::vector<const PmiAnnotation*>& annotations);

// The leaders of a document read back: the edges of its first free
// compound, in order.
class LeaderIndex {
public:
    explicit LeaderIndex(const PmiDocument& document);
    // The leader a shape label stands for; none for shapes of other files.
    std::optional<std::size_t> Find(const TDF_Label& shape) const;
    std::optional<std::size_t> FindShape(const TopoDS_Shape& shape) const;
    std::size_t Size() const { return std::size_t(m_edges.Extent()); }
    // The first vertex of the edge: the target.
    gp_Pnt Target(std::size_t leader) const;
    gp_Pnt End(std::size_t leader) const;

private:
    TopTools_IndexedMapOfShape m_edges;  // in the compound's order
};

}  // namespace draftlift_tool::step
