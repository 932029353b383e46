#include "tools/cli/RecordCheck.h"

#include <map>

#include "import/AnnotationBuilder.h"
#include "import/NoteSource.h"
#include "standins/kscene/SceneJsonParts.h"
#include "standins/mastercam/HostStandIn.h"
#include "shell/NoteWalk.h"
#include "tools/cli/Session.h"
#include "tools/io/Printable.h"

namespace draftlift_tool {
namespace {

using noteimport::Refusal;
using noteimport::RefusalReason;

std::string Code(std::int32_t code) { return std::to_string(code); }

// "<what> expected (code N), found M"
std::string WrongCode(const std::string& what, const Refusal& refusal) {
    return what + " expected (code " + Code(refusal.expectedCode) + "), found " +
           Code(refusal.foundCode);
}

// Whether the importer makes an object of a record of this kind; asked of
// the importer itself once per kind.
class ObjectKinds {
public:
    bool MakesObject(std::int32_t kind) {
        const auto known = m_answers.find(kind);
        if (known != m_answers.end()) return known->second;
        noteimport::NoteRecord record;
        record.kind = kind;
        const bool makes = noteimport::BuildAnnotation(std::move(record), p_3d{}) != nullptr;
        m_answers.emplace(kind, makes);
        return makes;
    }

private:
    std::map<std::int32_t, bool> m_answers;
};

}  // namespace

NoteCounts CheckRecordedNotes(const std::function<void(const UnimportedNote&)>& visit, Progress& progress) {
    NoteCounts counts;
    ObjectKinds kinds;
    ForEachNote([&](const ent& entity) {
        if (!HasRecordPrefix(entity)) return;
        ++counts.recorded;
        noteimport::RecordReading reading = noteimport::ReadNoteRecord(entity);
        if (reading.Decoded() && kinds.MakesObject(reading.record.kind)) return;
        UnimportedNote note;
        note.entityIndex = standin::host::EntityIndexOf(entity);
        if (reading.record.headerRead) {
            note.name = std::move(reading.record.name);
            note.kind = reading.record.kind;
        }
        note.refusal = reading.refusal;
        ++(note.refusal ? counts.refused : counts.withoutObject);
        visit(note);
    }, progress);
    return counts;
}

NoteCounts BuildRecordedAnnotations(const std::function<void(std::int32_t, const KMBDBase&)>& visit,
                                    Progress& progress) {
    NoteCounts counts;
    ForEachNote([&](const ent& entity) {
        if (!HasRecordPrefix(entity)) return;
        ++counts.recorded;
        const noteimport::NoteSource source = noteimport::FindNoteSource(entity);
        if (source.missing) {
            ++counts.refused;
            return;
        }
        noteimport::RecordReading reading = noteimport::ReadRecord(source.text);
        if (!reading.Decoded()) {
            ++counts.refused;
            return;
        }
        const auto annotation = noteimport::BuildAnnotation(std::move(reading.record), source.basePoint);
        if (!annotation) {
            ++counts.withoutObject;
            return;
        }
        visit(standin::host::EntityIndexOf(entity), *annotation);
    }, progress);
    return counts;
}

std::string DescribeReason(const Refusal& refusal) {
    switch (refusal.reason) {
    case RefusalReason::NotANote:
        return "not a note";
    case RefusalReason::NoMemoryTable:
        return "the note has no memory table";
    case RefusalReason::NoTableData:
        return "the note's memory table holds no data";
    case RefusalReason::NoLines:
        return "the record has no line";
    case RefusalReason::NoSettingsLine:
        return "settings line expected, the record ends";
    case RefusalReason::UnknownSettingsLayout:
        return "settings layout 101 or 125 expected, found " + Code(refusal.foundCode);
    case RefusalReason::MissingDimensionHeader:
        return "dimension header expected (code 126), the record ends";
    case RefusalReason::WrongDimensionHeader:
        return WrongCode("dimension header", refusal);
    case RefusalReason::MissingDimensionLines:
        return "dimension label, value and extra lines expected, the record ends";
    case RefusalReason::WrongFrameRow:
        return WrongCode("frame row " + std::to_string(refusal.row), refusal);
    case RefusalReason::WrongDatumLabel:
        return WrongCode("datum label", refusal);
    case RefusalReason::WrongText5:
        return WrongCode("text5", refusal);
    case RefusalReason::WrongNoteText:
        return WrongCode("note text block", refusal);
    }
    return "refused";
}

std::string Describe(const UnimportedNote& note) {
    std::string text = "entity " + std::to_string(note.entityIndex);
    if (note.name) text += " " + QuotedPrintable(scenejson::Utf8(*note.name));
    text += ": ";
    if (!note.refusal) return text + "record kind " + Code(note.kind) + " makes no object";
    if (note.refusal->line > 0) text += "line " + std::to_string(note.refusal->line) + ": ";
    return text + DescribeReason(*note.refusal);
}

}  // namespace draftlift_tool
