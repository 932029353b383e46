// Sessions run the library linked in statically, so the tool attaches it
// itself, exactly as the shared library's loader does.
#include "tools/cli/Session.h"

#include <memory>
#include <stdexcept>

#include "standins/kscene/KSceneStandIn.h"
#include "standins/mastercam/HostStandIn.h"
#include "standins/orvanta/OrvantaStandIn.h"
#include "shell/EntryPoints.h"
#include "standins/windows/LinkedAttach.h"
#include "tools/cli/RecordCheck.h"
#include "tools/io/Printable.h"

namespace draftlift_tool {
namespace {

void ResetStandIns() {
    standin::host::Reset();
    standin::kscene::Reset();
    standin::orvanta::Reset();
}

std::size_t SavedObjectCount() {
    std::size_t count = 0;
    for (const auto& entry : standin::kscene::Entries()) count += entry.saved ? 1 : 0;
    return count;
}

// The walk of the import command: drafting notes only.
constexpr std::uint16_t kDraftingSelection = standin::host::SelectDrafting;
constexpr auto kNoteMask = static_cast<std::uint32_t>(standin::host::EntityType::Note);

// Reports the host walks to a progress while it lives.
class WalkReport {
public:
    explicit WalkReport(Progress& progress) {
        standin::host::SetWalkObserver([&progress, walked = std::size_t{0}](std::int32_t) mutable {
            progress.Update(++walked);
        });
    }
    ~WalkReport() { standin::host::SetWalkObserver(nullptr); }
    WalkReport(const WalkReport&) = delete;
    WalkReport& operator=(const WalkReport&) = delete;
};

std::string Counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

partfile::Part ReadPart(const Input& input, Progress& progress) {
    progress.Stage("reading " + Printable(input.Name("sample part")) + ", entities");
    const partfile::ReadProgress report = [&progress](std::size_t entities) { progress.Update(entities); };
    switch (input.GetKind()) {
        case Input::Kind::File:
            return partfile::ReadFile(input.Path(), report);
        case Input::Kind::StandardInput:
            try {
                return partfile::Read(Input::StandardInput(), report);
            } catch (const partfile::PartFileError& error) {
                throw partfile::PartFileError(input.Name("") + ": " + error.what());
            }
        case Input::Kind::BuiltIn:
            break;
    }
    try {
        return partfile::Parse(EmbeddedSamplePart());
    } catch (const partfile::PartFileError& error) {
        throw partfile::PartFileError(input.Name("sample part") + ": " + error.what());
    }
}

void ForEachNote(const std::function<void(const ent&)>& visit, Progress& progress) {
    DB_LIST_ENT* cursor = db_start;
    DB_LIST_ENT* previous = nullptr;
    const auto record = std::make_unique<ent>();
    bool success = false;
    std::size_t walked = 0;
    for (;;) {
        get_raw_ent(false, &cursor, &previous, record.get(), kDraftingSelection, kNoteMask, &success);
        if (!success) return;
        visit(*record);
        progress.Update(++walked);
    }
}

std::string Describe(const ImportSummary& summary) {
    return "imported " + Counted(summary.annotations, "annotation", "annotations") + " from " +
           Counted(summary.recordedNotes, "recorded note", "recorded notes") + ": " +
           std::to_string(summary.refused) + " refused, " + std::to_string(summary.withoutObject) +
           " without an object";
}

Session::Session(partfile::Part part) : m_notes(part.NoteCount()) {
    ResetStandIns();
    partfile::Load(std::move(part));
    m_module = AttachLinkedLibrary();
    if (m_module == nullptr) throw std::runtime_error("the library refused to attach");
}

Session::~Session() { DetachLinkedLibrary(m_module); }

std::size_t Session::Import(Progress& progress) {
    const std::size_t before = SavedObjectCount();
    m_open();
    progress.Stage("importing notes", m_notes);
    const WalkReport report(progress);
    m_Draftlift();
    return SavedObjectCount() - before;
}

ImportSummary Session::ImportCounted(Progress& progress) {
    progress.Stage("checking notes", m_notes);
    const NoteCounts counts = CheckRecordedNotes([](const UnimportedNote&) {}, progress);
    ImportSummary summary;
    summary.recordedNotes = counts.recorded;
    summary.refused = counts.refused;
    summary.withoutObject = counts.withoutObject;
    summary.annotations = Import(progress);
    return summary;
}

KScene& Session::Scene() const { return standin::kscene::Scene(); }

}  // namespace draftlift_tool
