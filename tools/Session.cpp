// Sessions run the library linked in statically, so the tool attaches it
// itself, exactly as the shared library's loader does.
#include "tools/Session.h"

#include <memory>
#include <stdexcept>

#include "platform/kscene/KSceneStandIn.h"
#include "platform/mastercam/HostStandIn.h"
#include "platform/orvanta/OrvantaStandIn.h"
#include "shell/EntryPoints.h"
#include "shell/LinkedAttach.h"
#include "shell/NoteWalk.h"

namespace draftlift_tool {
namespace {

void ResetStandIns() {
    standin::host::Reset();
    standin::kscene::Reset();
    standin::orvanta::Reset();
}

std::size_t SavedObjectCount() {
    std::size_t count = 0;
    for (const auto& entry : standin::kscene::Scene().impl().entries) count += entry.saved ? 1 : 0;
    return count;
}

// The walk of the import command: drafting notes only.
constexpr std::uint16_t kDraftingSelection = standin::host::SelectDrafting;
constexpr auto kNoteMask = static_cast<std::uint32_t>(standin::host::EntityType::Note);

}  // namespace

partfile::Part ReadPart(const std::optional<std::string>& path) {
    if (path) return partfile::ReadFile(*path);
    try {
        return partfile::Parse(EmbeddedSamplePart());
    } catch (const partfile::PartFileError& error) {
        throw partfile::PartFileError(std::string("embedded sample part: ") + error.what());
    }
}

void ForEachRecordedNote(const std::function<void(const ent&)>& visit) {
    DB_LIST_ENT* cursor = db_start;
    DB_LIST_ENT* previous = nullptr;
    const auto record = std::make_unique<ent>();
    bool success = false;
    do {
        get_raw_ent(false, &cursor, &previous, record.get(), kDraftingSelection, kNoteMask,
                    &success);
        if (success && HasRecordPrefix(*record)) visit(*record);
    } while (success);
}

Session::Session(const partfile::Part& part) {
    ResetStandIns();
    partfile::Load(part);
    m_module = AttachLinkedLibrary();
    if (m_module == nullptr) throw std::runtime_error("the library refused to attach");
}

Session::~Session() { DetachLinkedLibrary(m_module); }

ImportSummary Session::Import() {
    ImportSummary summary;
    ForEachRecordedNote([&summary](const ent&) { ++summary.recordedNotes; });
    const std::size_t before = SavedObjectCount();
    m_open();
    m_Draftlift();
    summary.annotations = SavedObjectCount() - before;
    return summary;
}

KScene& Session::Scene() const { return standin::kscene::Scene(); }

}  // namespace draftlift_tool
