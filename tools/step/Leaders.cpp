#include "tools/step/Leaders.h"

#include <cmath>

#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <TDF_LabelSequence.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Vertex.hxx>

namespace draftlift_tool::step {
namespace {

gp_Pnt EndOf(const PmiAnnotation& annotation) {
    const gp_Pnt target = ToOcct(annotation.target);
    const gp_Pnt anchor = ToOcct(annotation.anchor);
    if (target.Distance(anchor) > kCoincidentLeaderLength / 2) return anchor;
    return gp_Pnt(target.X() + kCoincidentLeaderLength, target.Y(), target.Z());
}

std::optional<TopoDS_Edge> FirstEdge(const TopoDS_Shape& shape) {
    TopExp_Explorer edges(shape, TopAbs_EDGE);
    if (!edges.More()) return std::nullopt;
    return TopoDS::Edge(edges.Current());
}

}  // namespace

gp_Pnt ToOcct(const Point3& point) { return gp_Pnt(point.x, point.y, point.z); }

Point3 FromOcct(const gp_Pnt& point) { return {point.X(), point.Y(), point.Z()}; }

bool IsFinite(const Point3& point) {
    return std::isfinite(point.x) && std::isfinite(point.y) && std::isfinite(point.z);
}

std::vector<Leader> AddLeaders(const PmiDocument& document, const std::vector<const PmiAnnotation*>& annotations) {
    BRep_Builder builder;
    TopoDS_Compound compound;
    builder.MakeCompound(compound);
    std::vector<Leader> leaders;
    leaders.reserve(annotations.size());
    for (const PmiAnnotation* annotation : annotations) {
        const gp_Pnt end = EndOf(*annotation);
        const TopoDS_Edge edge = BRepBuilderAPI_MakeEdge(ToOcct(annotation->target), end).Edge();
        builder.Add(compound, edge);
        leaders.push_back({edge, TDF_Label(), end});
    }
    const TDF_Label main = document.Shapes()->AddShape(compound, Standard_False);
    for (Leader& leader : leaders) leader.label = document.Shapes()->AddSubShape(main, leader.edge);
    return leaders;
}

LeaderIndex::LeaderIndex(const PmiDocument& document) {
    TDF_LabelSequence free;
    document.Shapes()->GetFreeShapes(free);
    if (free.IsEmpty()) return;
    TopExp::MapShapes(XCAFDoc_ShapeTool::GetShape(free.First()), TopAbs_EDGE, m_edges);
}

std::optional<std::size_t> LeaderIndex::Find(const TDF_Label& shape) const {
    return FindShape(XCAFDoc_ShapeTool::GetShape(shape));
}

std::optional<std::size_t> LeaderIndex::FindShape(const TopoDS_Shape& shape) const {
    const std::optional<TopoDS_Edge> edge = FirstEdge(shape);
    if (!edge) return std::nullopt;
    const int index = m_edges.FindIndex(*edge);
    if (index == 0) return std::nullopt;
    return std::size_t(index - 1);
}

gp_Pnt LeaderIndex::Target(std::size_t leader) const {
    return BRep_Tool::Pnt(TopExp::FirstVertex(TopoDS::Edge(m_edges(int(leader) + 1)), Standard_True));
}

gp_Pnt LeaderIndex::End(std::size_t leader) const {
    return BRep_Tool::Pnt(TopExp::LastVertex(TopoDS::Edge(m_edges(int(leader) + 1)), Standard_True));
}

}  // namespace draftlift_tool::step
