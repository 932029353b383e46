#include <TDF_LabelSequence.hxx>
#include <XCAFDimTolObjects_DatumObject.hxx>
#include <XCAFDoc_Datum.hxx>

#include "tools/step/Presentation.h"
#include "tools/step/Text.h"
#include "tools/step/WriteItems.h"

namespace draftlift_tool::step {
namespace {

using gdt::TargetKind;

// A datum target's kind and size. An area without its size, and a target of
// unknown kind, are circles of no size: an area without a shape of its own
// reads back as no target at all. The model reads the kind from the notes,
// which travel too.
void SetTargetShape(const gdt::DatumTarget& target, XCAFDimTolObjects_DatumObject& object) {
    if (target.kind == TargetKind::Point) {
        object.SetDatumTargetType(XCAFDimTolObjects_DatumTargetType_Point);
    } else if (target.kind == TargetKind::Line) {
        object.SetDatumTargetType(XCAFDimTolObjects_DatumTargetType_Line);
    } else if (target.circular && target.size.size() == 1) {
        object.SetDatumTargetType(XCAFDimTolObjects_DatumTargetType_Circle);
        object.SetDatumTargetLength(target.size[0].number);
    } else if (target.size.size() == 2) {
        object.SetDatumTargetType(XCAFDimTolObjects_DatumTargetType_Rectangle);
        object.SetDatumTargetLength(target.size[0].number);
        object.SetDatumTargetWidth(target.size[1].number);
    } else {
        object.SetDatumTargetType(XCAFDimTolObjects_DatumTargetType_Circle);
        object.SetDatumTargetLength(0);
    }
}

Handle(XCAFDimTolObjects_DatumObject) NewDatum(const PmiDocument& document, const Leader& leader, TDF_Label& label) {
    label = document.DimTol()->AddDatum();
    TDF_LabelSequence shapes;
    shapes.Append(leader.label);
    document.DimTol()->SetDatum(shapes, label);
    return XCAFDoc_Datum::Set(label)->GetObject();
}

void Commit(const TDF_Label& label, const Handle(XCAFDimTolObjects_DatumObject)& object) {
    Handle(XCAFDoc_Datum) datum;
    if (label.FindAttribute(XCAFDoc_Datum::GetID(), datum)) datum->SetObject(object);
}

}  // namespace

void WriteDatums(const PmiDocument& document, const Leader& leader, const PmiAnnotation& annotation) {
    const gdt::Annotation& model = annotation.model;
    const gp_Pnt anchor = ToOcct(annotation.anchor);
    if (model.datum) {
        TDF_Label label;
        const Handle(XCAFDimTolObjects_DatumObject) object = NewDatum(document, leader, label);
        object->SetName(FileText(model.datum->label));
        // Only the datum feature symbol that is the annotation carries its
        // name; one a frame or a note carries does not.
        const bool own = model.kind == gdt::AnnotationKind::DatumFeature;
        Present(object, leader.edge, FileText(own ? model.name : WString()), anchor);
        Commit(label, object);
    }
    if (model.target) {
        const gdt::DatumTarget& target = *model.target;
        TDF_Label label;
        const Handle(XCAFDimTolObjects_DatumObject) object = NewDatum(document, leader, label);
        object->SetName(FileText(target.letters.empty() ? target.label : target.letters));
        object->IsDatumTarget(Standard_True);
        object->SetDatumTargetNumber(target.number.value_or(0));
        object->SetDatumTargetAxis(gp_Ax2(ToOcct(annotation.target), gp::DZ(), gp::DX()));
        SetTargetShape(target, *object);
        Present(object, leader.edge, FileText(model.name), anchor);
        Commit(label, object);
    }
}

}  // namespace draftlift_tool::step
