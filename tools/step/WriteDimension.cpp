#include <BRepBuilderAPI_MakeEdge.hxx>
#include <XCAFDimTolObjects_DimensionObject.hxx>
#include <XCAFDoc_Dimension.hxx>

#include "tools/step/OcctVocabulary.h"
#include "tools/step/Presentation.h"
#include "tools/step/Text.h"
#include "tools/step/WriteItems.h"

namespace draftlift_tool::step {
namespace {

using gdt::DimensionTolerance;
using Object = Handle(XCAFDimTolObjects_DimensionObject);

// Description names of what a dimension carries beside its values.
constexpr char kLabelDescription[] = "label";
constexpr char kNumberDescription[] = "number";
// The writer gives every dimension a nominal value, 0 when it has none.
constexpr char kValuesDescription[] = "values";
constexpr char kNoValues[] = "none";

void SetValues(const gdt::Dimension& dimension, XCAFDimTolObjects_DimensionObject& object) {
    if (dimension.tolerance == DimensionTolerance::Limits && dimension.upperLimit && dimension.lowerLimit) {
        object.SetValue((dimension.upperLimit->number + dimension.lowerLimit->number) / 2);
        object.SetLowerBound(dimension.lowerLimit->number);
        object.SetUpperBound(dimension.upperLimit->number);
        return;
    }
    if (dimension.nominal) object.SetValue(dimension.nominal->number);
    if (dimension.upperDeviation) object.SetUpperTolValue(dimension.upperDeviation->number);
    // The file's lower tolerance is the magnitude below the nominal.
    if (dimension.lowerDeviation) object.SetLowerTolValue(-dimension.lowerDeviation->number);
}

Object NewDimension(const PmiDocument& document, TDF_Label& label) {
    label = document.DimTol()->AddDimension();
    Object object = XCAFDoc_Dimension::Set(label)->GetObject();
    return object.IsNull() ? Object(new XCAFDimTolObjects_DimensionObject()) : object;
}

void Commit(const TDF_Label& label, const Object& object) {
    Handle(XCAFDoc_Dimension) dimension;
    if (label.FindAttribute(XCAFDoc_Dimension::GetID(), dimension)) dimension->SetObject(object);
}

// A dimension presentation: a text and its leader, which the reader keeps.
void WritePresentation(const PmiDocument& document, const Leader& leader, const TopoDS_Shape& shape,
                       const WString& text) {
    TDF_Label label;
    const Object object = NewDimension(document, label);
    object->SetType(XCAFDimTolObjects_DimensionType_DimensionPresentation);
    object->SetPresentation(shape, FileText(text));
    Commit(label, object);
    document.DimTol()->SetDimension(leader.label, label);
}

}  // namespace

void WriteDimension(const PmiDocument& document, const Leader& leader, const PmiAnnotation& annotation) {
    const gdt::Annotation& model = annotation.model;
    if (!model.dimension) return;
    const gdt::Dimension& dimension = *model.dimension;
    TDF_Label label;
    const Object object = NewDimension(document, label);
    const XCAFDimTolObjects_DimensionType type = DimensionTypeOf(dimension);
    object->SetType(type);
    SetValues(dimension, *object);
    if (!dimension.label.empty()) object->AddDescription(FileText(dimension.label), FileText(kLabelDescription));
    object->AddDescription(FileText(std::to_string(dimension.number)), FileText(kNumberDescription));
    if (!dimension.nominal && !dimension.upperLimit && !dimension.lowerLimit) {
        object->AddDescription(FileText(kNoValues), FileText(kValuesDescription));
    }
    Present(object, leader.edge, FileText(model.name), ToOcct(annotation.anchor));
    Commit(label, object);
    // A distance between one shape and itself: with one shape the writer
    // makes an entity the reader drops.
    if (IsLocation(type)) {
        document.DimTol()->SetDimension(leader.label, leader.label, label);
    } else {
        document.DimTol()->SetDimension(leader.label, label);
    }
}

void WriteNotes(const PmiDocument& document, const Leader& leader, const PmiAnnotation& annotation) {
    const gdt::Annotation& model = annotation.model;
    // A note annotation is a presentation on its own leader, named as it is.
    if (model.kind == gdt::AnnotationKind::Note) WritePresentation(document, leader, leader.edge, model.name);
    const gp_Pnt target = ToOcct(annotation.target);
    for (const gdt::Note& note : model.notes) {
        const gp_Pnt text(leader.end.X(), leader.end.Y() + SlotOffset(note.slot) * kNoteStep, leader.end.Z());
        WritePresentation(document, leader, BRepBuilderAPI_MakeEdge(target, text).Edge(), note.text);
    }
}

}  // namespace draftlift_tool::step

namespace draftlift_tool::step {

bool HasDimensionItems(const gdt::Annotation& model) {
    return model.dimension || model.kind == gdt::AnnotationKind::Note || !model.notes.empty();
}

void WriteNamePresentation(const PmiDocument& document, const Leader& leader, const PmiAnnotation& annotation) {
    WritePresentation(document, leader, leader.edge, annotation.model.name);
}

}  // namespace draftlift_tool::step
