#include "tools/step/PartNotes.h"

#include <variant>

#include "tools/gdt/Tokens.h"
#include "tools/record/PartNotes.h"
#include "tools/record/RecordFromModel.h"

namespace draftlift_tool::step {
namespace {

// The annotation's note at its target point, or why it makes none.
std::variant<noterecord::PlacedNote, std::string> NoteOf(const PmiAnnotation& annotation) {
    const noterecord::ModelRecord record = noterecord::RecordFromModel(annotation.model);
    if (!record.record) return "no note record holds it: " + record.reason;
    noterecord::NoteWriting written = noterecord::WriteNote(*record.record);
    if (!written.Written()) return "no note record holds it: " + noterecord::Describe(*written.refusal);
    const p_3d base{annotation.target.x, annotation.target.y, annotation.target.z};
    noterecord::PlacedNote note{std::move(written.note), base};
    if (auto why = noterecord::WhyPartCannotHold(note)) return "the part cannot hold its note: " + *why;
    return note;
}

}  // namespace

PartFromPmi PartOf(const std::vector<PmiAnnotation>& annotations) {
    PartFromPmi result;
    result.part = {{"entities", nlohmann::json::array()}, {"memoryTables", nlohmann::json::object()}};
    std::vector<noterecord::PlacedNote> notes;
    std::vector<std::string> names;
    for (const PmiAnnotation& annotation : annotations) {
        auto note = NoteOf(annotation);
        if (auto* why = std::get_if<std::string>(&note)) {
            result.skipped.push_back({gdt::Utf8(annotation.model.name), std::move(*why)});
        } else {
            notes.push_back(std::move(std::get<noterecord::PlacedNote>(note)));
            names.push_back(gdt::Utf8(annotation.model.name));
        }
    }
    // Added in one pass: the part is read once for its table ids.
    if (const auto added = noterecord::AddNotesToPart(result.part, notes); added.problem) {
        for (std::string& name : names) {
            result.skipped.push_back({std::move(name), "the part cannot hold its note: " + *added.problem});
        }
    } else {
        result.notes = notes.size();
    }
    return result;
}

}  // namespace draftlift_tool::step
