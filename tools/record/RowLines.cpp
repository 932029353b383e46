#include "tools/record/RowLines.h"

#include <array>

#include "tools/record/RowFields.h"

namespace noterecord {
namespace {

using noteimport::FrameRow;
using noteimport::RecordCode;
using noteimport::RecordLimits;
using noteimport::kRowCodes;

constexpr std::int32_t kNoSymbol = 46;

Refused CheckRow(std::size_t n, const FrameRow& row) {
    const struct {
        std::int32_t code;
        const char* member;
    } codes[] = {{row.symbol, "symbol"},
                 {row.modifierBefore, "modifierBefore"},
                 {row.modifierAfter1, "modifierAfter1"},
                 {row.modifierAfter2, "modifierAfter2"}};
    for (const auto& c : codes) {
        if (c.code == kNoSymbol) return Refuse(RowField(n, c.member), WriteProblem::NoSymbolCode);
    }
    const struct {
        const WString& text;
        const char* member;
    } texts[] = {{row.valueText, "valueText"}, {row.textAfter1, "textAfter1"}, {row.textAfter2, "textAfter2"}};
    for (const auto& t : texts) {
        if (auto problem = FieldTextProblem(t.text, RecordLimits::kRowText)) {
            return Refuse(RowField(n, t.member), *problem, RecordLimits::kRowText);
        }
    }
    return std::nullopt;
}

Refused WriteDatumRefs(LineWriter& line, std::size_t n, const FrameRow& row) {
    if (!row.hasDatumRefs) {
        for (std::size_t k = 0; k < row.datumRefs.size(); ++k) {
            if (!row.datumRefs[k].empty()) return Refuse(RowField(n, Indexed("datumRefs", k)), WriteProblem::Unreachable);
        }
        return std::nullopt;
    }
    std::array<DatumRefFields, noteimport::kDatumRefCount> fields;
    for (std::size_t k = 0; k < fields.size(); ++k) {
        fields[k] = SplitDatumRef(row.datumRefs[k]);
        // The reader cuts the letters so that the modifier always fits.
        const std::size_t limit = RecordLimits::kDatumRef - (fields[k].modifier > 0 ? 1 : 0);
        if (auto problem = FieldTextProblem(fields[k].letters, limit)) {
            return Refuse(RowField(n, Indexed("datumRefs", k)), *problem, RecordLimits::kDatumRef);
        }
    }
    line.Line(Code(kRowCodes[n].datumRefs));
    for (const DatumRefFields& f : fields) line.Text(f.letters).Number(f.modifier);
    return std::nullopt;
}

}  // namespace

Refused WriteRowLines(LineWriter& line, std::size_t n, const FrameRow& row) {
    if (auto refusal = CheckRow(n, row)) return refusal;
    line.Line(Code(kRowCodes[n].frameRow)).Number(row.symbol).Number(row.modifierBefore);
    line.Text(row.valueText).Text(LowerValueFor(row.valueText)).Number(row.modifierAfter1);
    line.Text(row.textAfter1).Number(row.modifierAfter2).Text(row.textAfter2);
    return WriteDatumRefs(line, n, row);
}

std::optional<std::string> FirstFilledMember(const FrameRow& row) {
    // Most rows a record leaves unread hold nothing: named only when not.
    const bool blank = !row.read && row.symbol == 0 && row.modifierBefore == 0 && row.modifierAfter1 == 0 &&
                       row.modifierAfter2 == 0 && row.valueText.empty() && row.textAfter1.empty() &&
                       row.textAfter2.empty() && !row.hasDatumRefs && row.datumRefs[0].empty() &&
                       row.datumRefs[1].empty() && row.datumRefs[2].empty();
    if (blank) return std::nullopt;
    const struct {
        bool filled;
        const char* member;
    } members[] = {{row.read, "read"},
                   {row.symbol != 0, "symbol"},
                   {row.modifierBefore != 0, "modifierBefore"},
                   {row.modifierAfter1 != 0, "modifierAfter1"},
                   {row.modifierAfter2 != 0, "modifierAfter2"},
                   {!row.valueText.empty(), "valueText"},
                   {!row.textAfter1.empty(), "textAfter1"},
                   {!row.textAfter2.empty(), "textAfter2"},
                   {row.hasDatumRefs, "hasDatumRefs"}};
    for (const auto& m : members) {
        if (m.filled) return std::string(m.member);
    }
    for (std::size_t k = 0; k < row.datumRefs.size(); ++k) {
        if (!row.datumRefs[k].empty()) return Indexed("datumRefs", k);
    }
    return std::nullopt;
}

}  // namespace noterecord
