#include "tools/gdt/FromAnnotation.h"

#include "standins/kscene/Access.h"

namespace draftlift_tool::gdt {
namespace {

using standin::kscene::Access;

// The most derived class first: a datum target is a datum too.
AnnotationClass ClassOf(const KMBDBase& annotation) {
    if (dynamic_cast<const KMBDTicket*>(&annotation)) return AnnotationClass::FeatureControlFrame;
    if (dynamic_cast<const KMBDDatumTarget*>(&annotation)) return AnnotationClass::DatumTarget;
    if (dynamic_cast<const KMBDDatum*>(&annotation)) return AnnotationClass::Datum;
    if (dynamic_cast<const KMBDRadiusDimension*>(&annotation)) return AnnotationClass::RadiusDimension;
    if (dynamic_cast<const KMBDDiameterDimension*>(&annotation)) return AnnotationClass::DiameterDimension;
    if (dynamic_cast<const KMBDAngleDimension*>(&annotation)) return AnnotationClass::AngleDimension;
    if (dynamic_cast<const KMBDDimension*>(&annotation)) return AnnotationClass::LinearDimension;
    return AnnotationClass::Note;
}

FlaggedText Flagged(const KFlaggedText& text) { return {text.enabled, text.text}; }

SubFrameFields SubFrameOf(const KMBDSubFrame& subFrame) {
    SubFrameFields fields{subFrame.symbolText, {}};
    fields.controls.reserve(Access::Controls(subFrame).size());
    for (const auto& control : Access::Controls(subFrame)) {
        fields.controls.push_back({control->toleranceText,
                                   {control->datumRef1Text, control->datumRef2Text, control->datumRef3Text},
                                   control->controlText5});
    }
    return fields;
}

void CopyDimension(const KMBDDimension& dimension, AnnotationFields& fields) {
    fields.dimensionLabel = Flagged(dimension.dimensionText1);
    fields.dimensionValue1 = dimension.dimensionText2;
    fields.dimensionValue2 = dimension.dimensionText3;
    fields.dimensionNumber1 = dimension.dimensionNumber1;
    fields.dimensionNumber2 = dimension.dimensionNumber2;
}

}  // namespace

AnnotationFields FieldsOf(const KMBDBase& annotation) {
    AnnotationFields fields;
    fields.type = ClassOf(annotation);
    fields.name = annotation.GetName();
    fields.showName = annotation.showName;
    fields.text1 = Flagged(annotation.text1);
    fields.text2 = Flagged(annotation.text2);
    fields.text3 = Flagged(annotation.text3);
    fields.datumLabel = Flagged(annotation.datumLabel);
    fields.text5 = Flagged(annotation.text5);
    fields.subFrames.reserve(Access::SubFrames(annotation).size());
    for (const auto& subFrame : Access::SubFrames(annotation)) fields.subFrames.push_back(SubFrameOf(*subFrame));
    if (const auto* target = dynamic_cast<const KMBDDatumTarget*>(&annotation)) {
        fields.datumTargetText = target->datumTargetText;
    }
    if (const auto* dimension = dynamic_cast<const KMBDDimension*>(&annotation)) CopyDimension(*dimension, fields);
    if (!Access::Targets(annotation).empty()) {
        const KMBDTarget& first = *Access::Targets(annotation).front();
        fields.link = HostLink{Access::GroupId(first), Access::EntityId(first)};
    }
    return fields;
}

std::optional<AnnotationFields> FieldsOfObject(const KObject& object) {
    const auto* annotation = dynamic_cast<const KMBDBase*>(&object);
    if (annotation == nullptr) return std::nullopt;
    return FieldsOf(*annotation);
}

}  // namespace draftlift_tool::gdt
