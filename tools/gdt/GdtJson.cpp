#include "tools/gdt/GdtJson.h"

#include "tools/gdt/FromAnnotation.h"
#include "tools/gdt/ReadAnnotation.h"
#include "tools/gdt/Vocabulary.h"

namespace draftlift_tool::gdt {
namespace {

using scenejson::JsonOut;

void WriteValue(JsonOut& out, const Value& value) {
    out.BeginObject();
    out.Member("text", value.text);
    out.Member("value", value.number);
    out.Member("decimals", static_cast<std::int32_t>(value.decimals));
    out.EndObject();
}

void OptionalValue(JsonOut& out, const char* key, const std::optional<Value>& value) {
    out.Key(key);
    if (value) {
        WriteValue(out, *value);
    } else {
        out.Null();
    }
}

void Values(JsonOut& out, const char* key, const std::vector<Value>& values) {
    out.Key(key).BeginArray();
    for (const Value& value : values) WriteValue(out, value);
    out.EndArray();
}

void Modifiers(JsonOut& out, const std::vector<Modifier>& modifiers) {
    out.Key("modifiers").BeginArray();
    for (const Modifier modifier : modifiers) out.String(NameOf(modifier));
    out.EndArray();
}

void Texts(JsonOut& out, const char* key, const std::vector<WString>& texts) {
    out.Key(key).BeginArray();
    for (const WString& text : texts) out.Text(text);
    out.EndArray();
}

void Datum(JsonOut& out, const DatumReference& reference) {
    out.BeginObject();
    out.Member("compartment", reference.compartment);
    out.Member("text", reference.text);
    Texts(out, "labels", reference.labels);
    Modifiers(out, reference.modifiers);
    out.EndObject();
}

void Row(JsonOut& out, const ToleranceRow& row) {
    out.BeginObject();
    out.Key("place").BeginObject();
    out.Member("segment", row.place.segment);
    out.Member("row", row.place.row);
    out.Member("frameRow", row.place.frameRow);
    out.EndObject();
    out.Key("characteristic");
    if (row.characteristic) {
        out.String(NameOf(*row.characteristic));
    } else {
        out.Null();
    }
    out.Member("text", row.text);
    out.Member("zone", NameOf(row.zone));
    OptionalValue(out, "tolerance", row.tolerance);
    Values(out, "perUnit", row.perUnit);
    OptionalValue(out, "unequal", row.unequal);
    OptionalValue(out, "projectedHeight", row.projectedHeight);
    Modifiers(out, row.modifiers);
    Texts(out, "words", row.words);
    out.Key("datums").BeginArray();
    for (const DatumReference& reference : row.datums) Datum(out, reference);
    out.EndArray();
    out.Member("extra", row.extra);
    out.EndObject();
}

void Frame(JsonOut& out, const FeatureControlFrame& frame) {
    out.BeginObject();
    out.Member("stacked", frame.Stacked());
    out.Key("segments").BeginArray();
    for (const FrameSegment& segment : frame.segments) {
        out.BeginObject();
        out.Member("symbol", segment.symbol);
        out.Member("composite", segment.Composite());
        out.Key("rows").BeginArray();
        for (const ToleranceRow& row : segment.rows) Row(out, row);
        out.EndArray();
        out.EndObject();
    }
    out.EndArray();
    out.EndObject();
}

void Target(JsonOut& out, const DatumTarget& target) {
    out.BeginObject();
    out.Member("label", target.label);
    out.Member("letters", target.letters);
    out.Key("number");
    if (target.number) {
        out.Int(*target.number);
    } else {
        out.Null();
    }
    out.Member("kind", NameOf(target.kind));
    out.Member("sizeText", target.sizeText);
    out.Member("circular", target.circular);
    Values(out, "size", target.size);
    out.EndObject();
}

void WriteDimension(JsonOut& out, const Dimension& dimension) {
    out.BeginObject();
    out.Member("type", NameOf(dimension.type));
    out.Member("label", dimension.label);
    out.Member("number", dimension.number);
    out.Member("text1", dimension.text1);
    out.Member("text2", dimension.text2);
    out.Key("sign");
    if (dimension.sign) {
        out.String(EntryOf(*dimension.sign).name);
    } else {
        out.Null();
    }
    OptionalValue(out, "nominal", dimension.nominal);
    out.Member("tolerance", NameOf(dimension.tolerance));
    OptionalValue(out, "upperDeviation", dimension.upperDeviation);
    OptionalValue(out, "lowerDeviation", dimension.lowerDeviation);
    OptionalValue(out, "upperLimit", dimension.upperLimit);
    OptionalValue(out, "lowerLimit", dimension.lowerLimit);
    out.EndObject();
}

// The member `key`: the part written by `write`, or null.
template <class Part, class Write>
void OptionalPart(JsonOut& out, const char* key, const std::optional<Part>& part, Write write) {
    out.Key(key);
    if (part) {
        write(out, *part);
    } else {
        out.Null();
    }
}

void Link(JsonOut& out, const HostLink& link) {
    out.BeginObject();
    out.Member("groupId", link.groupId);
    out.Member("entityId", link.entityId);
    out.EndObject();
}

void Notes(JsonOut& out, const std::vector<Note>& notes) {
    out.Key("notes").BeginArray();
    for (const Note& note : notes) {
        out.BeginObject();
        out.Member("slot", NameOf(note.slot));
        out.Member("text", note.text);
        out.EndObject();
    }
    out.EndArray();
}

void UnreadParts(JsonOut& out, const std::vector<Unread>& unread) {
    out.Key("unread").BeginArray();
    for (const Unread& part : unread) {
        out.BeginObject();
        out.Member("where", part.where.c_str());
        out.Member("text", part.text);
        out.Member("reason", part.reason.c_str());
        out.EndObject();
    }
    out.EndArray();
}

}  // namespace

void WriteAnnotationJson(JsonOut& out, const Annotation& annotation) {
    out.BeginObject();
    out.Member("kind", NameOf(annotation.kind));
    OptionalPart(out, "frame", annotation.frame, Frame);
    OptionalPart(out, "datum", annotation.datum, [](JsonOut& o, const DatumFeature& datum) {
        o.BeginObject();
        o.Member("label", datum.label);
        o.EndObject();
    });
    OptionalPart(out, "target", annotation.target, Target);
    OptionalPart(out, "dimension", annotation.dimension, WriteDimension);
    Notes(out, annotation.notes);
    OptionalPart(out, "link", annotation.link, Link);
    UnreadParts(out, annotation.unread);
    out.EndObject();
}

void WriteGdtMember(JsonOut& out, const KObject& object) {
    const std::optional<AnnotationFields> fields = FieldsOfObject(object);
    if (!fields) return;
    out.Key("gdt");
    WriteAnnotationJson(out, ReadAnnotation(*fields));
}

void WriteFindingJson(JsonOut& out, const Finding& finding, const std::string* part) {
    out.BeginObject();
    if (part != nullptr) out.Member("part", part->c_str());
    out.Key("entity");
    if (finding.subject->entity) {
        out.Int(*finding.subject->entity);
    } else {
        out.Null();
    }
    out.Member("name", finding.subject->name);
    out.Member("rule", finding.rule->id);
    out.Member("severity", NameOf(finding.rule->severity));
    out.Member("message", finding.what.c_str());
    out.Member("why", finding.rule->why);
    out.EndObject();
}

}  // namespace draftlift_tool::gdt
