// Where a note entity keeps its record: the note, its base point and the
// text of its memory table.
#pragma once

#include <optional>

#include "host/Mastercam.h"
#include "import/RecordReader.h"

namespace noteimport {

struct NoteSource {
    // Set when the entity carries no record text.
    std::optional<RefusalReason> missing;
    WStringView text;
    p_3d basePoint{};
};

NoteSource FindNoteSource(const ent& entity);

}  // namespace noteimport
