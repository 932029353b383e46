#include "tools/step/PartNotes.h"

#include "tools/gdt/Tokens.h"
#include "tools/record/PartNotes.h"
#include "tools/record/RecordFromModel.h"

namespace draftlift_tool::step {
namespace {

// Why the annotation makes no note; none once it is added.
std::optional<std::string> AddNote(const PmiAnnotation& annotation, nlohmann::json& part) {
    const noterecord::ModelRecord record = noterecord::RecordFromModel(annotation.model);
    if (!record.record) return "no note record holds it: " + record.reason;
    const noterecord::NoteWriting written = noterecord::WriteNote(*record.record);
    if (!written.Written()) return "no note record holds it: " + noterecord::Describe(*written.refusal);
    const p_3d base{annotation.target.x, annotation.target.y, annotation.target.z};
    const noterecord::PartNotesAdding added = noterecord::AddNotesToPart(part, {written.note}, base);
    if (added.problem) return "the part cannot hold its note: " + *added.problem;
    return std::nullopt;
}

}  // namespace

PartFromPmi PartOf(const std::vector<PmiAnnotation>& annotations) {
    PartFromPmi result;
    result.part = {{"entities", nlohmann::json::array()}, {"memoryTables", nlohmann::json::object()}};
    for (const PmiAnnotation& annotation : annotations) {
        if (auto why = AddNote(annotation, result.part)) {
            result.skipped.push_back({gdt::Utf8(annotation.model.name), std::move(*why)});
        } else {
            ++result.notes;
        }
    }
    return result;
}

}  // namespace draftlift_tool::step
