#include "tools/record/RecordCompare.h"

#include "tools/gdt/Comparison.h"

namespace noterecord {
namespace {

using noteimport::DimensionPart;
using noteimport::FrameRow;
using noteimport::NoteRecord;
using noteimport::RecordFlags;

using draftlift_tool::gdt::Comparison;

void CompareFlags(Comparison& c, const RecordFlags& a, const RecordFlags& b) {
    c.Each(a.rows, b.rows, "flags.rows", [](Comparison& c, bool x, bool y, const std::string& name) { c.Check(x, y, name); });
    c.Check(a.datumLabel, b.datumLabel, "flags.datumLabel").Check(a.text5, b.text5, "flags.text5");
    c.Check(a.dimension, b.dimension, "flags.dimension").Check(a.textLineCount, b.textLineCount, "flags.textLineCount");
}

void CompareDimension(Comparison& c, const DimensionPart& a, const DimensionPart& b, const std::string& name) {
    c.Check(a.type, b.type, name + ".type").Check(a.number, b.number, name + ".number");
    c.Check(a.hasValueLines, b.hasValueLines, name + ".hasValueLines").Check(a.label, b.label, name + ".label");
    c.Check(a.value1, b.value1, name + ".value1").Check(a.value2, b.value2, name + ".value2");
}

void CompareRow(Comparison& c, const FrameRow& a, const FrameRow& b, const std::string& row) {
    c.Check(a.read, b.read, row + ".read").Check(a.symbol, b.symbol, row + ".symbol");
    c.Check(a.modifierBefore, b.modifierBefore, row + ".modifierBefore");
    c.Check(a.modifierAfter1, b.modifierAfter1, row + ".modifierAfter1");
    c.Check(a.modifierAfter2, b.modifierAfter2, row + ".modifierAfter2");
    c.Check(a.valueText, b.valueText, row + ".valueText").Check(a.textAfter1, b.textAfter1, row + ".textAfter1");
    c.Check(a.textAfter2, b.textAfter2, row + ".textAfter2").Check(a.hasDatumRefs, b.hasDatumRefs, row + ".hasDatumRefs");
    c.Each(a.datumRefs, b.datumRefs, row + ".datumRefs",
           [](Comparison& c, const WString& x, const WString& y, const std::string& name) { c.Check(x, y, name); });
}

}  // namespace

std::optional<std::string> FirstDifference(const NoteRecord& a, const NoteRecord& b) {
    Comparison c;
    c.Check(a.headerRead, b.headerRead, "headerRead").Check(a.name, b.name, "name").Check(a.kind, b.kind, "kind");
    c.Check(a.groupId, b.groupId, "groupId").Check(a.entityId, b.entityId, "entityId").Check(a.layout, b.layout, "layout");
    CompareFlags(c, a.flags, b.flags);
    c.Optional(a.dimension, b.dimension, "dimension", CompareDimension);
    c.Each(a.rows, b.rows, "rows", CompareRow);
    c.Check(a.datumLabel, b.datumLabel, "datumLabel").Check(a.text5, b.text5, "text5");
    c.Check(a.targetText, b.targetText, "targetText").Check(a.noteText, b.noteText, "noteText");
    return c.First();
}

}  // namespace noterecord
