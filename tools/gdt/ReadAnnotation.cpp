#include "tools/gdt/ReadAnnotation.h"

#include "tools/gdt/ReadDatums.h"
#include "tools/gdt/ReadDimension.h"
#include "tools/gdt/ReadFrame.h"

namespace draftlift_tool::gdt {
namespace {

// Above the figure, then below it, as the drawing shows them.
std::vector<Note> TakeNotes(AnnotationFields& fields) {
    std::vector<Note> notes;
    const std::pair<TextSlot, FlaggedText*> slots[] = {{TextSlot::Text1, &fields.text1},
                                                       {TextSlot::Text5, &fields.text5},
                                                       {TextSlot::Text2, &fields.text2},
                                                       {TextSlot::Text3, &fields.text3}};
    for (const auto& [slot, text] : slots) {
        if (text->enabled) notes.push_back({slot, std::move(text->text)});
    }
    return notes;
}

AnnotationKind KindOf(const AnnotationFields& fields) {
    switch (fields.type) {
        case AnnotationClass::FeatureControlFrame:
            // A frame without rows shows only its texts.
            return fields.subFrames.empty() ? AnnotationKind::Note : AnnotationKind::FeatureControlFrame;
        case AnnotationClass::Datum: return AnnotationKind::DatumFeature;
        case AnnotationClass::DatumTarget: return AnnotationKind::DatumTarget;
        case AnnotationClass::Note: return AnnotationKind::Note;
        default: return AnnotationKind::Dimension;
    }
}

}  // namespace

Annotation ReadAnnotation(AnnotationFields fields) {
    Annotation annotation;
    annotation.type = fields.type;
    annotation.kind = KindOf(fields);
    annotation.link = fields.link;
    annotation.notes = TakeNotes(fields);
    switch (annotation.kind) {
        case AnnotationKind::FeatureControlFrame:
            annotation.frame = ReadFrame(std::move(fields.subFrames), annotation.unread);
            break;
        case AnnotationKind::DatumFeature:
            annotation.datum = ReadDatumFeature(ShownDatumLabel(fields), annotation.unread);
            break;
        case AnnotationKind::DatumTarget:
            annotation.target =
                ReadDatumTarget(ShownDatumLabel(fields), fields.datumTargetText, annotation.notes, annotation.unread);
            break;
        case AnnotationKind::Dimension:
            annotation.dimension = ReadDimension(fields, annotation.unread);
            break;
        case AnnotationKind::Note: break;
    }
    // A datum feature symbol carried beside a frame, a dimension or a note.
    const bool ownLabel =
        annotation.kind == AnnotationKind::DatumFeature || annotation.kind == AnnotationKind::DatumTarget;
    if (!ownLabel && fields.datumLabel.enabled) {
        annotation.datum = ReadDatumFeature(fields.datumLabel.text, annotation.unread);
    }
    annotation.name = std::move(fields.name);
    return annotation;
}

}  // namespace draftlift_tool::gdt
