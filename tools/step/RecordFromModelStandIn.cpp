// STAND-IN, to be deleted when tools/record's own RecordFromModel lands: the
// least of it that the STEP bridge needs, for frames of the record layouts,
// datums, datum targets, dimensions of two limits or none, and notes.
#include <array>
#include <utility>

#include "import/ValueText.h"
#include "tools/gdt/Vocabulary.h"
#include "tools/record/RecordFromModel.h"

namespace noterecord {
namespace {

namespace gdt = draftlift_tool::gdt;
using noteimport::FrameRow;
using noteimport::NoteRecord;

enum RecordKind : std::int32_t {
    kNoteKind = 0,
    kDatumKind = 7,
    kTargetKind = 10,
    kDimensionKind = 12,
};
constexpr std::int32_t kDimensionWithValues = 1;
constexpr std::int32_t kDimensionWithout = 5;
constexpr int kDimensionDecimals = 4;

// Rows per segment, and the record kind that lays the frame out so.
const std::array<std::pair<std::vector<std::size_t>, std::int32_t>, 6> kLayouts = {{
    {{1}, 1}, {{2}, 2}, {{2, 1}, 3}, {{1, 1}, 4}, {{1, 1, 1}, 5}, {{3}, 6},
}};

std::int32_t CodeOf(gdt::Symbol symbol) { return gdt::EntryOf(symbol).code; }

// The items after the value fill the row's code, text, code, text fields
// in order.
bool Place(const std::vector<std::pair<std::int32_t, WString>>& items, FrameRow& row) {
    std::size_t at = 0;
    for (const auto& [code, text] : items) {
        if (code != 0) {
            if (at > 2) return false;
            (at == 0 ? row.modifierAfter1 : row.modifierAfter2) = code;
            at = at == 0 ? 1 : 3;
        } else {
            if (at > 3) return false;
            (at <= 1 ? row.textAfter1 : row.textAfter2) = text;
            at = at <= 1 ? 2 : 4;
        }
    }
    return true;
}

std::optional<std::string> RowOf(const gdt::ToleranceRow& model, FrameRow& row) {
    if (!model.characteristic || !model.tolerance) return "a row without a characteristic or value";
    row.read = true;
    row.symbol = CodeOf(gdt::SymbolOf(*model.characteristic));
    if (model.zone == gdt::ZoneShape::Diameter) row.modifierBefore = CodeOf(gdt::Symbol::Diameter);
    if (model.zone == gdt::ZoneShape::SphericalDiameter) row.modifierBefore = CodeOf(gdt::Symbol::SphericalDiameter);
    row.valueText = model.tolerance->text;
    for (std::size_t n = 0; n < model.perUnit.size(); ++n) row.valueText += (n == 0 ? u"/" : u"X") + model.perUnit[n].text;
    std::vector<std::pair<std::int32_t, WString>> items;
    for (const gdt::Modifier modifier : model.modifiers) {
        const auto symbol = gdt::SymbolOf(modifier);
        items.push_back(symbol ? std::make_pair(CodeOf(*symbol), WString()) : std::make_pair(0, WString(u"ST")));
        if (modifier == gdt::Modifier::ProjectedZone && model.projectedHeight) items.push_back({0, model.projectedHeight->text});
        if (modifier == gdt::Modifier::UnequallyDisposed && model.unequal) items.push_back({0, model.unequal->text});
    }
    for (const WString& word : model.words) items.push_back({0, word});
    if (!Place(items, row)) return "more modifiers and words than a row holds";
    for (const gdt::DatumReference& datum : model.datums) {
        row.hasDatumRefs = true;
        row.datumRefs[datum.compartment] = datum.text;
    }
    return std::nullopt;
}

std::optional<std::string> FrameOf(const gdt::FeatureControlFrame& frame, NoteRecord& record) {
    std::vector<std::size_t> layout;
    for (const gdt::FrameSegment& segment : frame.segments) layout.push_back(segment.rows.size());
    record.kind = -1;
    for (const auto& [rows, kind] : kLayouts) {
        if (rows == layout) record.kind = kind;
    }
    if (record.kind < 0) return "no record kind lays out this frame";
    std::size_t n = 0;
    std::optional<std::string> problem;
    gdt::ForEachRow(frame, [&](const gdt::ToleranceRow& row) {
        record.flags.rows[n] = true;
        if (!problem) problem = RowOf(row, record.rows[n]);
        ++n;
    });
    return problem;
}

std::optional<std::string> DimensionOf(const gdt::Dimension& dimension, NoteRecord& record) {
    record.kind = kDimensionKind;
    record.layout = noteimport::SettingsLayout::Layout125;
    record.flags.dimension = true;
    noteimport::DimensionPart part;
    part.number = dimension.number;
    part.label = dimension.label;
    if (dimension.tolerance == gdt::DimensionTolerance::Limits && dimension.upperLimit && dimension.lowerLimit) {
        part.type = kDimensionWithValues;
        part.hasValueLines = true;
        part.value1 = noteimport::FormatValue(dimension.upperLimit->number, kDimensionDecimals);
        part.value2 = noteimport::FormatValue(dimension.lowerLimit->number, kDimensionDecimals);
    } else if (!dimension.nominal && dimension.tolerance == gdt::DimensionTolerance::None) {
        part.type = kDimensionWithout;
        if (!dimension.label.empty()) return "a dimension without values has no label line";
    } else {
        return "a record's dimension holds two limits or nothing";
    }
    record.dimension = std::move(part);
    return std::nullopt;
}

std::optional<std::string> NotesOf(const std::vector<gdt::Note>& notes, NoteRecord& record) {
    for (const gdt::Note& note : notes) {
        if (note.slot == gdt::TextSlot::Text5) {
            record.flags.text5 = true;
            record.text5 = note.text;
        } else if (note.slot == gdt::TextSlot::Text2) {
            const std::size_t lines = (note.text.size() + noteimport::RecordLimits::kLine - 1) / noteimport::RecordLimits::kLine;
            record.flags.textLineCount = std::int32_t(std::max<std::size_t>(lines, 1));
            record.noteText = note.text;
        } else {
            return std::string("a record has no ") + gdt::NameOf(note.slot);
        }
    }
    return std::nullopt;
}

std::optional<std::string> Fill(const gdt::Annotation& annotation, NoteRecord& record) {
    record.headerRead = true;
    record.name = annotation.name;
    if (annotation.link) {
        record.groupId = annotation.link->groupId;
        record.entityId = annotation.link->entityId;
    }
    if (!annotation.unread.empty()) return "it holds what could not be read: " + annotation.unread.front().reason;
    std::optional<std::string> problem;
    switch (annotation.kind) {
        case gdt::AnnotationKind::FeatureControlFrame: problem = FrameOf(*annotation.frame, record); break;
        case gdt::AnnotationKind::DatumFeature: record.kind = kDatumKind; break;
        case gdt::AnnotationKind::DatumTarget:
            if (!annotation.target->size.empty()) return "the import applies no datum target's size";
            record.kind = kTargetKind;
            record.flags.datumLabel = true;
            record.datumLabel = annotation.target->label;
            break;
        case gdt::AnnotationKind::Dimension: problem = DimensionOf(*annotation.dimension, record); break;
        case gdt::AnnotationKind::Note: record.kind = kNoteKind; break;
    }
    if (problem) return problem;
    if (annotation.datum) {
        record.flags.datumLabel = true;
        record.datumLabel = annotation.datum->label;
    }
    return NotesOf(annotation.notes, record);
}

}  // namespace

ModelRecord RecordFromModel(const gdt::Annotation& annotation) {
    NoteRecord record;
    if (auto problem = Fill(annotation, record)) return {std::nullopt, std::move(*problem)};
    return {std::move(record), {}};
}

}  // namespace noterecord
