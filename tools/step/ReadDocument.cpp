#include "tools/step/ReadDocument.h"

#include <cmath>
#include <map>
#include <string>

#include <BRep_Tool.hxx>
#include <TColStd_HArray1OfReal.hxx>
#include <TDF_LabelSequence.hxx>
#include <TDF_Tool.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <XCAFDimTolObjects_DatumObject.hxx>
#include <XCAFDimTolObjects_DimensionObject.hxx>
#include <XCAFDimTolObjects_GeomToleranceObject.hxx>
#include <XCAFDoc_Datum.hxx>
#include <XCAFDoc_Dimension.hxx>
#include <XCAFDoc_GeomTolerance.hxx>

#include "tools/step/Leaders.h"
#include "tools/step/OcctVocabulary.h"
#include "tools/step/Presentation.h"
#include "tools/step/Text.h"

namespace draftlift_tool::step {
namespace {

template <class Object>
std::optional<Point3> TextPoint(const Object& object) {
    if (!object->HasPointText()) return std::nullopt;
    return FromOcct(object->GetPointTextAttach());
}

template <class Attribute>
auto ObjectOf(const TDF_Label& label) -> decltype(Handle(Attribute)()->GetObject()) {
    Handle(Attribute) attribute;
    if (!label.FindAttribute(Attribute::GetID(), attribute)) return {};
    return attribute->GetObject();
}

// Groups by leader; an item on another shape is a group of its own.
class Groups {
public:
    explicit Groups(const PmiDocument& document) : m_document(document), m_leaders(document) {
        m_groups.resize(m_leaders.Size());
        for (std::size_t n = 0; n < m_groups.size(); ++n) {
            m_groups[n].targetPoint = FromOcct(m_leaders.Target(n));
            m_groups[n].leaderEnd = FromOcct(m_leaders.End(n));
        }
    }

    // The group of the item's first shape.
    ItemGroup* Of(const TDF_Label& item) {
        TDF_LabelSequence first, second;
        m_document.DimTol()->GetRefShapeLabel(item, first, second);
        if (first.IsEmpty()) return nullptr;
        if (auto leader = m_leaders.Find(first.First())) return &m_groups[*leader];
        TCollection_AsciiString entry;
        TDF_Tool::Entry(first.First(), entry);
        const auto [found, added] = m_foreign.emplace(entry.ToCString(), m_others.size());
        if (added) m_others.push_back(Foreign(first.First()));
        return &m_others[found->second];
    }

    // The group of a leader's shape; none for other shapes.
    ItemGroup* OfShape(const TopoDS_Shape& shape) {
        auto leader = m_leaders.FindShape(shape);
        return leader ? &m_groups[*leader] : nullptr;
    }

    std::vector<ItemGroup> Take() {
        std::vector<ItemGroup> all;
        for (ItemGroup& group : m_groups) {
            if (Holds(group)) all.push_back(std::move(group));
        }
        for (ItemGroup& group : m_others) all.push_back(std::move(group));
        return all;
    }

private:
    static bool Holds(const ItemGroup& group) {
        return !group.rows.empty() || group.feature || group.target || group.dimension || group.noteName ||
               !group.notes.empty();
    }

    // A shape of another file: its first vertex is the target.
    static ItemGroup Foreign(const TDF_Label& shape) {
        ItemGroup group;
        TopExp_Explorer vertices(XCAFDoc_ShapeTool::GetShape(shape), TopAbs_VERTEX);
        if (vertices.More()) group.targetPoint = FromOcct(BRep_Tool::Pnt(TopoDS::Vertex(vertices.Current())));
        group.leaderEnd = group.targetPoint;
        return group;
    }

    const PmiDocument& m_document;
    LeaderIndex m_leaders;
    std::vector<ItemGroup> m_groups;
    std::vector<ItemGroup> m_others;
    std::map<std::string, std::size_t> m_foreign;  // shape label entry -> group in m_others
};

std::vector<gdt::Modifier> DatumModifiers(const XCAFDimTolObjects_DatumObject& datum) {
    std::vector<gdt::Modifier> modifiers;
    const XCAFDimTolObjects_DatumModifiersSequence modifs = datum.GetModifiers();
    for (const XCAFDimTolObjects_DatumSingleModif modif : modifs) {
        if (auto modifier = DatumModifierOf(modif)) modifiers.push_back(*modifier);
    }
    return modifiers;
}

std::vector<DatumReferenceItem> References(const PmiDocument& document, const TDF_Label& tolerance) {
    TDF_LabelSequence labels;
    document.DimTol()->GetDatumWithObjectOfTolerLabels(tolerance, labels);
    std::vector<DatumReferenceItem> references;
    for (const TDF_Label& label : labels) {
        const auto datum = ObjectOf<XCAFDoc_Datum>(label);
        if (datum.IsNull()) continue;
        DatumReferenceItem reference{datum->GetPosition(), ModelText(datum->GetName()), DatumModifiers(*datum)};
        // A reference to a datum of several targets comes back once a target.
        bool repeated = false;
        for (const DatumReferenceItem& earlier : references) {
            repeated = repeated || (earlier.position == reference.position && earlier.letters == reference.letters);
        }
        if (!repeated) references.push_back(std::move(reference));
    }
    return references;
}

void AddModifiers(const XCAFDimTolObjects_GeomToleranceObject& object, RowItem& row) {
    const XCAFDimTolObjects_GeomToleranceMatReqModif material = object.GetMaterialRequirementModifier();
    if (material == XCAFDimTolObjects_GeomToleranceMatReqModif_M) row.modifiers.push_back(gdt::Modifier::MaximumMaterial);
    if (material == XCAFDimTolObjects_GeomToleranceMatReqModif_L) row.modifiers.push_back(gdt::Modifier::LeastMaterial);
    if (object.GetZoneModifier() == XCAFDimTolObjects_GeomToleranceZoneModif_Projected) {
        row.modifiers.push_back(gdt::Modifier::ProjectedZone);
        row.projectedHeight = object.GetValueOfZoneModifier();
    }
    const XCAFDimTolObjects_GeomToleranceModifiersSequence modifs = object.GetModifiers();
    for (const XCAFDimTolObjects_GeomToleranceModif modif : modifs) {
        const ReadModifier read = ModifierOf(modif);
        if (read.modifier) row.modifiers.push_back(*read.modifier);
        if (read.word) row.words.push_back(*read.word);
    }
}

void GatherTolerances(const PmiDocument& document, Groups& groups) {
    TDF_LabelSequence labels;
    document.DimTol()->GetGeomToleranceLabels(labels);
    for (const TDF_Label& label : labels) {
        const auto object = ObjectOf<XCAFDoc_GeomTolerance>(label);
        ItemGroup* group = groups.Of(label);
        const std::optional<gdt::Characteristic> characteristic =
            object.IsNull() ? std::nullopt : CharacteristicOf(object->GetType());
        if (group == nullptr || !characteristic) continue;
        RowItem row;
        row.characteristic = *characteristic;
        row.zone = ZoneShapeOf(object->GetTypeOfValue());
        row.value = object->GetValue();
        AddModifiers(*object, row);
        row.datums = References(document, label);
        row.name = ModelText(object->GetPresentationName());
        row.text = TextPoint(object);
        group->rows.push_back(std::move(row));
    }
}

TargetShape ShapeOf(XCAFDimTolObjects_DatumTargetType type) {
    switch (type) {
        case XCAFDimTolObjects_DatumTargetType_Point: return TargetShape::Point;
        case XCAFDimTolObjects_DatumTargetType_Line: return TargetShape::Line;
        case XCAFDimTolObjects_DatumTargetType_Circle: return TargetShape::Circle;
        case XCAFDimTolObjects_DatumTargetType_Rectangle: return TargetShape::Rectangle;
        case XCAFDimTolObjects_DatumTargetType_Area: break;
    }
    return TargetShape::Area;
}

// Every reference to a datum comes back as a datum of its own, on the
// feature's shape: the first of each is kept.
void GatherDatums(const PmiDocument& document, Groups& groups) {
    TDF_LabelSequence labels;
    document.DimTol()->GetDatumLabels(labels);
    for (const TDF_Label& label : labels) {
        const auto datum = ObjectOf<XCAFDoc_Datum>(label);
        ItemGroup* group = groups.Of(label);
        if (datum.IsNull() || group == nullptr) continue;
        const WString letters = ModelText(datum->GetName());
        const WString name = ModelText(datum->GetPresentationName());
        if (datum->IsDatumTarget() && !group->target) {
            group->target = TargetItem{letters,
                                       datum->GetDatumTargetNumber(),
                                       ShapeOf(datum->GetDatumTargetType()),
                                       datum->GetDatumTargetLength(),
                                       datum->GetDatumTargetWidth(),
                                       name,
                                       TextPoint(datum)};
        } else if (!datum->IsDatumTarget() && !group->feature) {
            group->feature = FeatureItem{letters, name, TextPoint(datum)};
        }
    }
}

std::vector<Description> DescriptionsOf(const XCAFDimTolObjects_DimensionObject& object) {
    std::vector<Description> descriptions;
    for (int n = 0; n < object.NbDescriptions(); ++n) {
        descriptions.push_back({Utf8Of(object.GetDescriptionName(n)), ModelText(object.GetDescription(n))});
    }
    return descriptions;
}

DimensionItem DimensionOf(const XCAFDimTolObjects_DimensionObject& object) {
    DimensionItem dimension;
    dimension.sign = SignOf(object.GetType());
    dimension.angle = IsAngle(object.GetType());
    if (object.IsDimWithRange()) {
        dimension.lowerBound = object.GetLowerBound();
        dimension.upperBound = object.GetUpperBound();
    } else if (!object.GetValues().IsNull() && object.GetValues()->Length() > 0) {
        dimension.nominal = object.GetValue();
        if (object.IsDimWithPlusMinusTolerance()) {
            dimension.upperTolerance = object.GetUpperTolValue();
            dimension.lowerTolerance = object.GetLowerTolValue();
        }
    }
    dimension.descriptions = DescriptionsOf(object);
    dimension.name = ModelText(object.GetPresentationName());
    if (object.HasTextPoint()) dimension.text = FromOcct(object.GetPointTextAttach());
    return dimension;
}

// A presentation ending on the leader's end is a note annotation; one
// ending steps above or below it is a note's text.
void AddPresentation(const XCAFDimTolObjects_DimensionObject& object, ItemGroup& group) {
    const TopoDS_Shape shape = object.GetPresentation();
    const WString text = ModelText(object.GetPresentationName());
    if (shape.IsNull()) return;
    // Its far end from the target, however the reader splits the polyline.
    const gp_Pnt target = ToOcct(group.targetPoint);
    gp_Pnt end = target;
    for (TopExp_Explorer vertices(shape, TopAbs_VERTEX); vertices.More(); vertices.Next()) {
        const gp_Pnt point = BRep_Tool::Pnt(TopoDS::Vertex(vertices.Current()));
        if (point.Distance(target) > end.Distance(target)) end = point;
    }
    const int offset = int(std::lround((end.Y() - group.leaderEnd.y) / kNoteStep));
    if (offset == 0 && !group.noteName) {
        group.noteName = text;
    } else if (auto slot = SlotAtOffset(offset)) {
        group.notes.push_back({*slot, text});
    }
}

void GatherDimensions(const PmiDocument& document, Groups& groups) {
    TDF_LabelSequence labels;
    document.DimTol()->GetDimensionLabels(labels);
    for (const TDF_Label& label : labels) {
        const auto object = ObjectOf<XCAFDoc_Dimension>(label);
        ItemGroup* group = groups.Of(label);
        if (object.IsNull() || group == nullptr) continue;
        if (object->GetType() == XCAFDimTolObjects_DimensionType_DimensionPresentation) {
            AddPresentation(*object, *group);
        } else if (!group->dimension) {
            group->dimension = DimensionOf(*object);
        }
    }
}

}  // namespace

std::vector<ItemGroup> GatherItems(const PmiDocument& document, const std::vector<LooseDatum>& loose) {
    Groups groups(document);
    GatherDatums(document, groups);
    for (const LooseDatum& datum : loose) {
        ItemGroup* group = groups.OfShape(datum.shape);
        if (group != nullptr && !group->feature) group->feature = FeatureItem{datum.letters, datum.name, std::nullopt};
    }
    GatherTolerances(document, groups);
    GatherDimensions(document, groups);
    return groups.Take();
}

}  // namespace draftlift_tool::step
