#include "tools/step/ZonePatch.h"

#include <vector>

#include <StepBasic_LengthMeasureWithUnit.hxx>
#include <StepBasic_MeasureValueMember.hxx>
#include <StepData_StepModel.hxx>
#include <StepDimTol_GeometricTolerance.hxx>
#include <StepDimTol_GeometricToleranceTarget.hxx>
#include <StepDimTol_ProjectedZoneDefinition.hxx>
#include <StepDimTol_RunoutZoneDefinition.hxx>
#include <StepDimTol_ToleranceZone.hxx>
#include <StepDimTol_ToleranceZoneDefinition.hxx>
#include <StepRepr_ShapeAspect.hxx>
#include <TDF_LabelSequence.hxx>
#include <XCAFDimTolObjects_GeomToleranceObject.hxx>
#include <XCAFDoc_GeomTolerance.hxx>

namespace draftlift_tool::step {
namespace {

using ToleranceObject = Handle(XCAFDimTolObjects_GeomToleranceObject);

// The tolerances that may have a zone definition, in the order the writer
// writes them: those attached to a shape with a zone form. It gives some
// none (a projected orientation tolerance), so definitions are matched by
// their tolerance's value in that order.
std::vector<ToleranceObject> ZonedTolerances(const PmiDocument& document) {
    TDF_LabelSequence labels;
    document.DimTol()->GetGeomToleranceLabels(labels);
    std::vector<ToleranceObject> zoned;
    for (const TDF_Label& label : labels) {
        Handle(XCAFDoc_GeomTolerance) attribute;
        TDF_LabelSequence first, second;
        if (!label.FindAttribute(XCAFDoc_GeomTolerance::GetID(), attribute) ||
            !document.DimTol()->GetRefShapeLabel(label, first, second)) {
            continue;
        }
        const ToleranceObject object = attribute->GetObject();
        if (object->GetTypeOfValue() != XCAFDimTolObjects_GeomToleranceTypeValue_None) {
            zoned.push_back(object);
        }
    }
    return zoned;
}

Handle(StepDimTol_ProjectedZoneDefinition) ProjectedZone(const Handle(StepDimTol_RunoutZoneDefinition)& written,
                                                          double height,
                                                          const Handle(StepData_StepModel)& model) {
    const Handle(StepDimTol_GeometricTolerance) tolerance =
        written->Zone()->DefiningToleranceValue(1).GeometricTolerance();
    const Handle(StepBasic_MeasureValueMember) value = new StepBasic_MeasureValueMember();
    value->SetName("LENGTH_MEASURE");
    value->SetReal(height);
    const Handle(StepBasic_LengthMeasureWithUnit) length = new StepBasic_LengthMeasureWithUnit();
    length->Init(value, tolerance->Magnitude()->UnitComponent());
    const Handle(StepDimTol_ProjectedZoneDefinition) projected = new StepDimTol_ProjectedZoneDefinition();
    projected->Init(written->Zone(), nullptr, tolerance->TolerancedShapeAspect().ShapeAspect(), length);
    model->AddWithRefs(length);
    return projected;
}

}  // namespace

bool PatchZoneDefinitions(STEPCAFControl_Writer& writer, const PmiDocument& document) {
    const Handle(StepData_StepModel) model = writer.ChangeWriter().Model();
    const std::vector<ToleranceObject> zoned = ZonedTolerances(document);
    std::vector<int> written;
    for (int n = 1; n <= model->NbEntities(); ++n) {
        if (model->Value(n)->IsInstance(STANDARD_TYPE(StepDimTol_RunoutZoneDefinition))) written.push_back(n);
    }
    std::size_t next = 0;
    for (const int entity : written) {
        const auto definition = Handle(StepDimTol_RunoutZoneDefinition)::DownCast(model->Value(entity));
        const double value = definition->Zone()->DefiningToleranceValue(1).GeometricTolerance()->Magnitude()->ValueComponent();
        while (next < zoned.size() && zoned[next]->GetValue() != value) ++next;
        if (next == zoned.size()) return false;
        const ToleranceObject& object = zoned[next++];
        if (object->GetZoneModifier() == XCAFDimTolObjects_GeomToleranceZoneModif_Projected) {
            model->ReplaceEntity(entity, ProjectedZone(definition, object->GetValueOfZoneModifier(), model));
        } else {
            // A zone form needs no definition; a valid empty one stands in.
            const Handle(StepDimTol_ToleranceZoneDefinition) plain = new StepDimTol_ToleranceZoneDefinition();
            plain->Init(definition->Zone(), nullptr);
            model->ReplaceEntity(entity, plain);
        }
    }
    return true;
}

}  // namespace draftlift_tool::step
