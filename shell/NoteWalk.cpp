#include "shell/NoteWalk.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "host/WinTypes.h"
#include "host/kscene/KScene.h"
#include "import/Draftlifter.h"

namespace {

constexpr std::array<WCHAR, 5> kRecordPrefix = {u'~', u'M', u'0', u'1', u'|'};

struct Selection {
    std::uint16_t value;
    std::uint32_t mask;
};

constexpr Selection kDraftingNotes{256, 16};
constexpr Selection kHostEntities{1, 0x1F1FFF};

// One walk from db_start with a fresh cursor and a zeroed record buffer.
template <class Visit>
void Walk(Selection selection, Visit visit) {
    DB_LIST_ENT* cursor = db_start;
    DB_LIST_ENT* previous = nullptr;
    // 12 KB records: kept off the stack, which the host's callers share.
    // Value-initialised, so the buffer starts zeroed.
    const auto record = std::make_unique<ent>();
    bool success = false;
    do {
        get_raw_ent(false, &cursor, &previous, record.get(), selection.value, selection.mask,
                    &success);
        if (success) visit(*record);
    } while (success);
}

}  // namespace

bool HasRecordPrefix(const ent& record) {
    const NoteEnt* note = Cnc::Drafting::Note::GetNoteEntPointer(record);
    if (note == nullptr) return false;
    const WString text = note->GetText(true);
    for (std::size_t i = 0; i < kRecordPrefix.size(); ++i) {
        if (i >= text.size() || text[i] != kRecordPrefix[i]) return false;
    }
    return true;
}

void ImportRecordedNotes() {
    if (KD::GetScene() == nullptr) return;
    Draftlifter importer;
    // A refused record is skipped; the walk goes on.
    Walk(kDraftingNotes, [&](const ent& record) {
        if (HasRecordPrefix(record)) importer.ImportNote(record);
    });
    repaint_graphics();
}

void VisitHostEntities() {
    if (KD::GetScene() == nullptr) return;
    Walk(kHostEntities, [](const ent&) {});
    repaint_graphics();
}
