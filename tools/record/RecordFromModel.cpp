// An annotation is recorded in steps, each of which may refuse it: what it
// could not read, its class and frame layout, whether it is what its texts
// say, then the record's parts, and last whether the record writer can
// write them.
#include "tools/record/RecordFromModel.h"

#include "tools/gdt/ModelCompare.h"
#include "tools/gdt/ReadAnnotation.h"
#include "tools/gdt/Tokens.h"
#include "tools/record/ModelParts.h"
#include "tools/record/RecordWriter.h"
#include "tools/record/ShownFields.h"

namespace noterecord {
namespace {

class Recorder {
public:
    explicit Recorder(const gdt::Annotation& annotation) : m_annotation(annotation) {}

    ModelRecord Record() {
        for (const auto step :
             {&Recorder::Read, &Recorder::Kind, &Recorder::AsItsTexts, &Recorder::Parts, &Recorder::Writable}) {
            if (ModelRefused refusal = (this->*step)()) return {std::nullopt, std::move(*refusal)};
        }
        return {std::move(m_composition.record), {}};
    }

private:
    ModelRefused Read() {
        if (m_annotation.unread.empty()) return std::nullopt;
        const gdt::Unread& first = m_annotation.unread.front();
        return Naming("unread[0]", first.where + " \"" + gdt::Utf8(first.text) + "\" was not read: " + first.reason);
    }

    ModelRefused Kind() {
        KindChoice choice = RecordKindOf(m_annotation);
        m_kind = choice.kind;
        return choice.refusal;
    }

    // A record carries the texts; members that are not what the texts read
    // as would come back otherwise.
    ModelRefused AsItsTexts() {
        const gdt::Annotation read = gdt::ReadAnnotation(ShownFields(m_annotation));
        const std::optional<std::string> field = gdt::FirstDifference(m_annotation, read);
        if (!field) return std::nullopt;
        return Naming(*field, "is not what the annotation's texts read as");
    }

    ModelRefused Parts() {
        if (m_annotation.frame) {
            if (auto refusal = AddFrame(*m_annotation.frame, m_composition)) return refusal;
        }
        if (auto refusal = AddDimension(m_annotation.dimension, m_composition)) return refusal;
        if (auto refusal = AddHeader(m_annotation, m_kind, m_composition)) return refusal;
        if (auto refusal = AddLabel(m_annotation, m_composition)) return refusal;
        return AddNotes(m_annotation.notes, m_composition);
    }

    // The record writer's refusal, named by the model field its record
    // field was made from.
    ModelRefused Writable() {
        WString text;
        std::optional<WriteRefusal> refusal = WriteRecord(m_composition.record, text);
        if (!refusal) return std::nullopt;
        refusal->field = ModelField(refusal->field);
        return Describe(*refusal);
    }

    std::string ModelField(const std::string& recordField) const {
        for (const auto& [record, model] : m_composition.origins) {
            const bool within = recordField.size() > record.size() && recordField[record.size()] == '.';
            if (recordField.compare(0, record.size(), record) == 0 && (within || recordField.size() == record.size())) {
                return model;
            }
        }
        return "the record's " + recordField;
    }

    const gdt::Annotation& m_annotation;
    std::int32_t m_kind = 0;
    Composition m_composition;
};

}  // namespace

ModelRecord RecordFromModel(const gdt::Annotation& annotation) { return Recorder(annotation).Record(); }

}  // namespace noterecord
