#include "tools/gdt/ModelCompare.h"

#include "tools/gdt/Comparison.h"

namespace draftlift_tool::gdt {
namespace {

void CompareValue(Comparison& c, const Value& a, const Value& b, const std::string& name) {
    c.Check(a.text, b.text, name + ".text").Check(a.number, b.number, name + ".number");
    c.Check(a.decimals, b.decimals, name + ".decimals");
}

void CompareOptionalValue(Comparison& c, const std::optional<Value>& a, const std::optional<Value>& b,
                          const std::string& name) {
    c.Optional(a, b, name, CompareValue);
}

void CompareDatumReference(Comparison& c, const DatumReference& a, const DatumReference& b, const std::string& name) {
    c.Check(a.compartment, b.compartment, name + ".compartment").Check(a.text, b.text, name + ".text");
    c.Check(a.labels, b.labels, name + ".labels").Check(a.modifiers, b.modifiers, name + ".modifiers");
}

void CompareRow(Comparison& c, const ToleranceRow& a, const ToleranceRow& b, const std::string& name) {
    c.Check(a.place.segment, b.place.segment, name + ".place.segment");
    c.Check(a.place.row, b.place.row, name + ".place.row")
        .Check(a.place.frameRow, b.place.frameRow, name + ".place.frameRow");
    c.Check(a.characteristic, b.characteristic, name + ".characteristic").Check(a.text, b.text, name + ".text");
    c.Check(a.zone, b.zone, name + ".zone");
    CompareOptionalValue(c, a.tolerance, b.tolerance, name + ".tolerance");
    c.Each(a.perUnit, b.perUnit, name + ".perUnit", CompareValue);
    CompareOptionalValue(c, a.unequal, b.unequal, name + ".unequal");
    CompareOptionalValue(c, a.projectedHeight, b.projectedHeight, name + ".projectedHeight");
    c.Check(a.modifiers, b.modifiers, name + ".modifiers").Check(a.words, b.words, name + ".words");
    c.Each(a.datums, b.datums, name + ".datums", CompareDatumReference);
    c.Check(a.extra, b.extra, name + ".extra");
}

void CompareSegment(Comparison& c, const FrameSegment& a, const FrameSegment& b, const std::string& name) {
    c.Check(a.symbol, b.symbol, name + ".symbol").Each(a.rows, b.rows, name + ".rows", CompareRow);
}

void CompareFrame(Comparison& c, const FeatureControlFrame& a, const FeatureControlFrame& b, const std::string& name) {
    c.Each(a.segments, b.segments, name + ".segments", CompareSegment);
}

void CompareTarget(Comparison& c, const DatumTarget& a, const DatumTarget& b, const std::string& name) {
    c.Check(a.label, b.label, name + ".label").Check(a.letters, b.letters, name + ".letters");
    c.Check(a.number, b.number, name + ".number").Check(a.kind, b.kind, name + ".kind");
    c.Check(a.sizeText, b.sizeText, name + ".sizeText").Check(a.circular, b.circular, name + ".circular");
    c.Each(a.size, b.size, name + ".size", CompareValue);
}

void CompareDimension(Comparison& c, const Dimension& a, const Dimension& b, const std::string& name) {
    c.Check(a.type, b.type, name + ".type").Check(a.label, b.label, name + ".label");
    c.Check(a.number, b.number, name + ".number").Check(a.text1, b.text1, name + ".text1");
    c.Check(a.text2, b.text2, name + ".text2").Check(a.sign, b.sign, name + ".sign");
    CompareOptionalValue(c, a.nominal, b.nominal, name + ".nominal");
    c.Check(a.tolerance, b.tolerance, name + ".tolerance");
    CompareOptionalValue(c, a.upperDeviation, b.upperDeviation, name + ".upperDeviation");
    CompareOptionalValue(c, a.lowerDeviation, b.lowerDeviation, name + ".lowerDeviation");
    CompareOptionalValue(c, a.upperLimit, b.upperLimit, name + ".upperLimit");
    CompareOptionalValue(c, a.lowerLimit, b.lowerLimit, name + ".lowerLimit");
}

void CompareNote(Comparison& c, const Note& a, const Note& b, const std::string& name) {
    c.Check(a.slot, b.slot, name + ".slot").Check(a.text, b.text, name + ".text");
}

void CompareLink(Comparison& c, const HostLink& a, const HostLink& b, const std::string& name) {
    c.Check(a.groupId, b.groupId, name + ".groupId").Check(a.entityId, b.entityId, name + ".entityId");
}

void CompareUnread(Comparison& c, const Unread& a, const Unread& b, const std::string& name) {
    c.Check(a.where, b.where, name + ".where").Check(a.text, b.text, name + ".text");
    c.Check(a.reason, b.reason, name + ".reason");
}

}  // namespace

std::optional<std::string> FirstDifference(const Annotation& a, const Annotation& b) {
    Comparison c;
    c.Check(a.kind, b.kind, "kind").Check(a.type, b.type, "type").Check(a.name, b.name, "name");
    c.Optional(a.frame, b.frame, "frame", CompareFrame);
    c.Optional(a.datum, b.datum, "datum",
               [](Comparison& c, const DatumFeature& x, const DatumFeature& y, const std::string& name) {
                   c.Check(x.label, y.label, name + ".label");
               });
    c.Optional(a.target, b.target, "target", CompareTarget);
    c.Optional(a.dimension, b.dimension, "dimension", CompareDimension);
    c.Each(a.notes, b.notes, "notes", CompareNote);
    c.Optional(a.link, b.link, "link", CompareLink);
    c.Each(a.unread, b.unread, "unread", CompareUnread);
    return c.First();
}

}  // namespace draftlift_tool::gdt
