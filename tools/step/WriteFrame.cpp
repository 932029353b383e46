#include <XCAFDimTolObjects_DatumObject.hxx>
#include <XCAFDimTolObjects_GeomToleranceObject.hxx>
#include <XCAFDoc_Datum.hxx>
#include <XCAFDoc_GeomTolerance.hxx>

#include "tools/step/OcctVocabulary.h"
#include "tools/step/Presentation.h"
#include "tools/step/Text.h"
#include "tools/step/WriteItems.h"

namespace draftlift_tool::step {
namespace {

using gdt::Modifier;

void SetModifier(Modifier modifier, const gdt::ToleranceRow& row, XCAFDimTolObjects_GeomToleranceObject& object) {
    switch (CarrierOf(modifier)) {
        case ModifierCarrier::MaterialRequirement:
            object.SetMaterialRequirementModifier(modifier == Modifier::MaximumMaterial
                                                      ? XCAFDimTolObjects_GeomToleranceMatReqModif_M
                                                      : XCAFDimTolObjects_GeomToleranceMatReqModif_L);
            return;
        case ModifierCarrier::ProjectedZone:
            if (!ProjectedZoneTravels(row)) return;
            object.SetZoneModifier(XCAFDimTolObjects_GeomToleranceZoneModif_Projected);
            if (row.projectedHeight) object.SetValueOfZoneModifier(row.projectedHeight->number);
            return;
        case ModifierCarrier::ToleranceModifier:
            if (auto modif = ToleranceModifOf(modifier)) object.AddModifier(*modif);
            return;
        case ModifierCarrier::DefaultMeaning:
        case ModifierCarrier::None: return;
    }
}

// One datum label per letter of each compartment, at the compartment's
// position: letters sharing a position are a common datum.
void WriteDatumReferences(const PmiDocument& document, const gdt::ToleranceRow& row, const TDF_Label& tolerance,
                          const DatumLetters& defined) {
    for (const gdt::DatumReference& reference : row.datums) {
        for (const WString& letters : reference.labels) {
            if (defined.count(letters) == 0) continue;
            const TDF_Label label = document.DimTol()->AddDatum();
            const Handle(XCAFDoc_Datum) datum = XCAFDoc_Datum::Set(label);
            const Handle(XCAFDimTolObjects_DatumObject) object = datum->GetObject();
            object->SetName(FileText(letters));
            object->SetPosition(int(reference.compartment) + 1);
            for (const Modifier modifier : reference.modifiers) {
                if (auto modif = DatumModifOf(modifier)) object->AddModifier(*modif);
            }
            datum->SetObject(object);
            document.DimTol()->SetDatumToGeomTol(label, tolerance);
        }
    }
}

void WriteRow(const PmiDocument& document, const Leader& leader, const gdt::ToleranceRow& row,
              const Handle(TCollection_HAsciiString)& name, const gp_Pnt& text, const DatumLetters& defined) {
    const TDF_Label label = document.DimTol()->AddGeomTolerance();
    const Handle(XCAFDoc_GeomTolerance) tolerance = XCAFDoc_GeomTolerance::Set(label);
    Handle(XCAFDimTolObjects_GeomToleranceObject) object = tolerance->GetObject();
    if (object.IsNull()) object = new XCAFDimTolObjects_GeomToleranceObject();
    object->SetType(ToleranceTypeOf(*row.characteristic));
    object->SetTypeOfValue(ZoneTypeOf(row.zone));
    object->SetValue(row.tolerance->number);
    for (const Modifier modifier : row.modifiers) SetModifier(modifier, row, *object);
    for (const WString& word : row.words) {
        if (auto modifier = WordModifierOf(word)) object->AddModifier(ToleranceModifOf(*modifier));
    }
    Present(object, leader.edge, name, text);
    tolerance->SetObject(object);
    document.DimTol()->SetGeomTolerance(leader.label, label);
    WriteDatumReferences(document, row, label, defined);
}

}  // namespace

DatumLetters DefinedLetters(const std::vector<PmiAnnotation>& annotations) {
    DatumLetters defined;
    for (const PmiAnnotation& annotation : annotations) {
        if (annotation.model.datum) defined.insert(annotation.model.datum->label);
        if (annotation.model.target) defined.insert(annotation.model.target->letters);
    }
    return defined;
}

void WriteFrame(const PmiDocument& document, const Leader& leader, const PmiAnnotation& annotation,
                const DatumLetters& defined) {
    if (!annotation.model.frame) return;
    const Handle(TCollection_HAsciiString) name = FileText(annotation.model.name);
    const gp_Pnt anchor = ToOcct(annotation.anchor);
    const auto& segments = annotation.model.frame->segments;
    for (std::size_t segment = 0; segment < segments.size(); ++segment) {
        const gp_Pnt text(anchor.X(), anchor.Y() - double(segment) * kSegmentStep, anchor.Z());
        for (const gdt::ToleranceRow& row : segments[segment].rows) {
            if (Writable(row)) WriteRow(document, leader, row, name, text, defined);
        }
    }
}

}  // namespace draftlift_tool::step
