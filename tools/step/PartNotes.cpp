#include "tools/step/PartNotes.h"

#include <variant>

#include "tools/gdt/Tokens.h"
#include "tools/record/PartNotes.h"
#include "tools/record/RecordFromModel.h"

namespace draftlift_tool::step {
namespace {

// The annotation's note at its target point, or why no record holds it.
std::variant<noterecord::PlacedNote, std::string> NoteOf(const PmiAnnotation& annotation) {
    const noterecord::ModelRecord record = noterecord::RecordFromModel(annotation.model);
    if (!record.record) return "no note record holds it: " + record.reason;
    noterecord::NoteWriting written = noterecord::WriteNote(*record.record);
    if (!written.Written()) return "no note record holds it: " + noterecord::Describe(*written.refusal);
    const p_3d base{annotation.target.x, annotation.target.y, annotation.target.z};
    return noterecord::PlacedNote{std::move(written.note), base};
}

}  // namespace

PartFromPmi PartOf(const std::vector<PmiAnnotation>& annotations) {
    PartFromPmi result;
    result.part = {{"entities", nlohmann::json::array()}, {"memoryTables", nlohmann::json::object()}};
    std::vector<noterecord::PlacedNote> notes;
    std::vector<const PmiAnnotation*> noted;
    for (const PmiAnnotation& annotation : annotations) {
        auto note = NoteOf(annotation);
        if (auto* why = std::get_if<std::string>(&note)) {
            result.skipped.push_back({gdt::Utf8(annotation.model.name), std::move(*why)});
        } else {
            notes.push_back(std::move(std::get<noterecord::PlacedNote>(note)));
            noted.push_back(&annotation);
        }
    }
    // A part of its own notes alone refuses them only all together (a base
    // point that is not finite, a text UTF-8 cannot carry): then each is
    // added alone, so that only the ones at fault are skipped.
    if (!noterecord::AddNotesToPart(result.part, notes).problem) {
        result.notes = notes.size();
        return result;
    }
    for (std::size_t n = 0; n < notes.size(); ++n) {
        if (const auto added = noterecord::AddNotesToPart(result.part, {notes[n]}); added.problem) {
            result.skipped.push_back({gdt::Utf8(noted[n]->model.name), "the part cannot hold its note: " + *added.problem});
        } else {
            ++result.notes;
        }
    }
    return result;
}

}  // namespace draftlift_tool::step
