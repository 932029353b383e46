#include "tools/record/ShownFields.h"

namespace noterecord {
namespace {

namespace gdt = draftlift_tool::gdt;

gdt::FlaggedText& SlotOf(gdt::TextSlot slot, gdt::AnnotationFields& fields) {
    switch (slot) {
        case gdt::TextSlot::Text1: return fields.text1;
        case gdt::TextSlot::Text5: return fields.text5;
        case gdt::TextSlot::Text3: return fields.text3;
        case gdt::TextSlot::Text2: break;
    }
    return fields.text2;
}

gdt::SubFrameFields SubFrameOf(const gdt::FrameSegment& segment) {
    gdt::SubFrameFields subFrame{segment.symbol, {}};
    for (const gdt::ToleranceRow& row : segment.rows) {
        gdt::ControlFields control{row.text, {}, row.extra};
        for (const gdt::DatumReference& reference : row.datums) {
            if (reference.compartment < control.datumRefs.size())
                control.datumRefs[reference.compartment] = reference.text;
        }
        subFrame.controls.push_back(std::move(control));
    }
    return subFrame;
}

void ShowDimension(const gdt::Dimension& dimension, gdt::AnnotationFields& fields) {
    fields.dimensionLabel = {true, dimension.label};
    fields.dimensionValue1 = dimension.text1;
    fields.dimensionValue2 = dimension.text2;
    fields.dimensionNumber2 = dimension.number;
}

}  // namespace

gdt::AnnotationFields ShownFields(const gdt::Annotation& annotation) {
    gdt::AnnotationFields fields;
    fields.type = annotation.type;
    fields.name = annotation.name;
    fields.link = annotation.link;
    for (const gdt::Note& note : annotation.notes) SlotOf(note.slot, fields) = {true, note.text};
    if (annotation.datum) fields.datumLabel = {true, annotation.datum->label};
    switch (annotation.kind) {
        case gdt::AnnotationKind::FeatureControlFrame:
            if (annotation.frame) {
                for (const gdt::FrameSegment& segment : annotation.frame->segments) {
                    fields.subFrames.push_back(SubFrameOf(segment));
                }
            }
            break;
        case gdt::AnnotationKind::DatumTarget:
            if (annotation.target) {
                fields.datumLabel = {true, annotation.target->label};
                fields.datumTargetText = annotation.target->sizeText;
            }
            break;
        case gdt::AnnotationKind::Dimension:
            if (annotation.dimension) ShowDimension(*annotation.dimension, fields);
            break;
        case gdt::AnnotationKind::DatumFeature:
        case gdt::AnnotationKind::Note: break;
    }
    return fields;
}

}  // namespace noterecord
