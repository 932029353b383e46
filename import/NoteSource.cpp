#include "host/WinTypes.h"
#include "import/NoteSource.h"

#include <cstdint>

namespace noteimport {
namespace {

constexpr std::int32_t kNoMemoryTable = 0;

NoteSource Missing(RefusalReason reason) {
    NoteSource source;
    source.missing = reason;
    return source;
}

}  // namespace

NoteSource FindNoteSource(const ent& entity) {
    const NoteEnt* note = Cnc::Drafting::Note::GetNoteEntPointer(entity);
    if (note == nullptr) return Missing(RefusalReason::NotANote);
    const std::int32_t tableId = note->GetMemoryTableId(false);
    NoteSource source;
    source.basePoint = note->GetBasePointWorld();
    if (tableId == kNoMemoryTable) return Missing(RefusalReason::NoMemoryTable);
    const void* data = mTableFindData(tableId);
    if (data == nullptr) return Missing(RefusalReason::NoTableData);
    source.text = WStringView(static_cast<const WCHAR*>(data));
    return source;
}

}  // namespace noteimport
