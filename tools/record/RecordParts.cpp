// The parts of a record around its frame rows: the header with the host
// ids, the dimension's lines, the datum label and the texts.
#include <algorithm>
#include <limits>

#include "tools/gdt/Vocabulary.h"
#include "tools/record/ModelParts.h"

namespace noterecord {
namespace {

using noteimport::RecordLimits;
using Ids = std::numeric_limits<std::int32_t>;

// A dimension type whose record carries the label, value and extra lines.
constexpr std::int32_t kValueLinesType = 1;

// The import gives a two-point dimension a label, a number and values only
// from its value lines.
bool CarriesValues(const gdt::Dimension& dimension) {
    return !dimension.label.empty() || dimension.number != 0 || !dimension.text1.empty() || !dimension.text2.empty();
}

// The note text is cut into lines as long as a line may be; an empty text
// still takes one.
std::int32_t LinesFor(const WString& text) {
    const std::size_t lines = std::max<std::size_t>(1, (text.size() + RecordLimits::kLine - 1) / RecordLimits::kLine);
    return static_cast<std::int32_t>(std::min<std::size_t>(lines, Ids::max()));
}

// The label shown by a datum or datum target, which the import shows from
// the name unless a label line says otherwise.
struct OwnLabel {
    const WString* label = nullptr;
    const char* field = "";
};

OwnLabel OwnLabelOf(const gdt::Annotation& annotation) {
    if (annotation.kind == gdt::AnnotationKind::DatumFeature && annotation.datum) {
        return {&annotation.datum->label, "datum.label"};
    }
    if (annotation.kind == gdt::AnnotationKind::DatumTarget && annotation.target) {
        return {&annotation.target->label, "target.label"};
    }
    return {};
}

}  // namespace

ModelRefused AddDimension(const std::optional<gdt::Dimension>& dimension, Composition& composition) {
    if (!dimension || !CarriesValues(*dimension)) return std::nullopt;
    if (dimension->tolerance != gdt::DimensionTolerance::Limits) {
        return Naming("dimension.tolerance", "a record's dimension values are an upper and a lower limit");
    }
    noteimport::NoteRecord& record = composition.record;
    record.layout = noteimport::SettingsLayout::Layout125;
    record.flags.dimension = true;
    noteimport::DimensionPart& part = record.dimension.emplace();
    part.type = kValueLinesType;
    part.number = dimension->number;
    part.hasValueLines = true;
    part.label = dimension->label;
    part.value1 = dimension->text1;
    part.value2 = dimension->text2;
    composition.origins.emplace_back("dimension.label", "dimension.label");
    composition.origins.emplace_back("dimension.value1", "dimension.text1");
    composition.origins.emplace_back("dimension.value2", "dimension.text2");
    return std::nullopt;
}

ModelRefused AddHeader(const gdt::Annotation& annotation, std::int32_t kind, Composition& composition) {
    noteimport::NoteRecord& record = composition.record;
    record.headerRead = true;
    record.name = annotation.name;
    record.kind = kind;
    composition.origins.emplace_back("name", "name");
    const std::optional<gdt::HostLink>& link = annotation.link;
    if (!link) return Naming("link", "none, and the import ties every annotation to its note's host entity");
    if (record.flags.dimension) {
        if (link->groupId == 0 && link->entityId == 0) return std::nullopt;
        return Naming("link", "a dimension with values keeps no host entity, and its record has none to give");
    }
    // The lowest id has no magnitude that fits and stays as it is.
    if (link->groupId != 0 && link->entityId < 0 && link->entityId != Ids::min()) {
        return Naming("link.entityId", "below 0, and with a group id the import keeps the entity id's magnitude");
    }
    record.groupId = link->groupId;
    record.entityId = link->entityId;
    return std::nullopt;
}

ModelRefused AddLabel(const gdt::Annotation& annotation, Composition& composition) {
    if (annotation.target && !annotation.target->sizeText.empty()) {
        return Naming("target.sizeText", "the import gives a datum target no size (a target text is not applied)");
    }
    OwnLabel label = OwnLabelOf(annotation);
    if (label.label != nullptr && *label.label == annotation.name) return std::nullopt;
    if (label.label == nullptr && annotation.datum) label = {&annotation.datum->label, "datum.label"};
    if (label.label == nullptr) return std::nullopt;
    composition.record.datumLabel = *label.label;
    composition.record.flags.datumLabel = true;
    composition.origins.emplace_back("datumLabel", label.field);
    return std::nullopt;
}

ModelRefused AddNotes(const std::vector<gdt::Note>& notes, Composition& composition) {
    noteimport::NoteRecord& record = composition.record;
    for (std::size_t n = 0; n < notes.size(); ++n) {
        const std::string field = "notes[" + std::to_string(n) + "]";
        switch (notes[n].slot) {
            case gdt::TextSlot::Text5:
                record.text5 = notes[n].text;
                record.flags.text5 = true;
                composition.origins.emplace_back("text5", field + ".text");
                break;
            case gdt::TextSlot::Text2:
                record.noteText = notes[n].text;
                record.flags.textLineCount = LinesFor(notes[n].text);
                composition.origins.emplace_back("noteText", field + ".text");
                break;
            case gdt::TextSlot::Text1:
            case gdt::TextSlot::Text3:
                return Naming(field + ".slot", std::string(gdt::NameOf(notes[n].slot)) +
                                                   ", which a record has no line for (it carries text5 and text2)");
        }
    }
    return std::nullopt;
}

}  // namespace noterecord
