// Frame rows from a feature control frame: the characteristic's host code,
// the tolerance compartment cut into the row's fields, and the datum
// references in their compartments.
#include "tools/gdt/Symbols.h"
#include "tools/gdt/Vocabulary.h"
#include "tools/record/CompartmentFields.h"
#include "tools/record/ModelParts.h"
#include "tools/record/WriteChecks.h"

namespace noterecord {
namespace {

std::string Member(const std::string& list, std::size_t n) { return list + "[" + std::to_string(n) + "]"; }

ModelRefused AddDatums(std::size_t n, const gdt::ToleranceRow& row, const std::string& field,
                       Composition& composition) {
    noteimport::FrameRow& out = composition.record.rows[n];
    for (std::size_t d = 0; d < row.datums.size(); ++d) {
        const gdt::DatumReference& reference = row.datums[d];
        const std::string datumField = Member(field + ".datums", d);
        if (reference.compartment >= out.datumRefs.size()) {
            return Naming(datumField + ".compartment", "a frame row has three datum compartments");
        }
        out.datumRefs[reference.compartment] = reference.text;
        composition.origins.emplace_back(RowField(n, Indexed("datumRefs", reference.compartment)),
                                         datumField + ".text");
    }
    out.hasDatumRefs = !row.datums.empty();
    return std::nullopt;
}

ModelRefused AddRow(std::size_t n, std::int32_t symbol, const gdt::ToleranceRow& row, const std::string& field,
                    Composition& composition) {
    if (!row.extra.empty()) return Naming(field + ".extra", "a record has no compartment after the datum references");
    if (auto problem = FieldTextProblem(row.text, row.text.size())) {
        return Describe(WriteRefusal{field + ".text", *problem, 0});
    }
    const std::optional<CompartmentFields> fields = FieldsOfCompartment(row.text);
    if (!fields) {
        return Naming(field + ".text",
                      "does not fit a frame row's fields: a symbol, a value, a symbol, a text, "
                      "a symbol and a text, the value and texts of at most " +
                          std::to_string(noteimport::RecordLimits::kRowText) + " characters");
    }
    noteimport::FrameRow& out = composition.record.rows[n];
    out.read = true;
    out.symbol = symbol;
    out.modifierBefore = fields->before;
    out.valueText = fields->value;
    out.modifierAfter1 = fields->after1;
    out.textAfter1 = fields->text1;
    out.modifierAfter2 = fields->after2;
    out.textAfter2 = fields->text2;
    composition.record.flags.rows[n] = true;
    if (auto refusal = AddDatums(n, row, field, composition)) return refusal;
    composition.origins.emplace_back(Indexed("rows", n), field + ".text");
    return std::nullopt;
}

// The import writes a sub-frame's symbol as the one character of its code.
ModelRefused SegmentCode(const gdt::FrameSegment& segment, const std::string& field, std::int32_t& code) {
    const std::optional<gdt::Characteristic> characteristic = segment.rows.front().characteristic;
    if (!characteristic) return Naming(field + ".rows[0].characteristic", "none, and a record's frame row has one");
    const gdt::SymbolEntry& entry = gdt::EntryOf(gdt::SymbolOf(*characteristic));
    if (segment.symbol != WString(1, entry.character)) {
        return Naming(field + ".symbol", "a record's characteristic compartment is its symbol character alone");
    }
    code = entry.code;
    return std::nullopt;
}

}  // namespace

ModelRefused AddFrame(const gdt::FeatureControlFrame& frame, Composition& composition) {
    std::size_t n = 0;
    for (std::size_t s = 0; s < frame.segments.size(); ++s) {
        const gdt::FrameSegment& segment = frame.segments[s];
        const std::string field = Member("frame.segments", s);
        std::int32_t code = 0;
        if (segment.rows.empty() || n + segment.rows.size() > noteimport::kFrameRowCount) {
            return Naming(field + ".rows", "not laid out by any record kind");
        }
        if (auto refusal = SegmentCode(segment, field, code)) return refusal;
        for (std::size_t r = 0; r < segment.rows.size(); ++r, ++n) {
            const std::string rowField = Member(field + ".rows", r);
            if (auto refusal = AddRow(n, code, segment.rows[r], rowField, composition)) return refusal;
        }
    }
    return std::nullopt;
}

}  // namespace noterecord
