// The semantic model of an annotation written back as the note record whose
// import gives the same model back, or the reason no record does.
#pragma once

#include <optional>
#include <string>

#include "import/RecordReader.h"
#include "tools/gdt/Model.h"

namespace noterecord {

struct ModelRecord {
    std::optional<noteimport::NoteRecord> record;
    std::string reason;
};

ModelRecord RecordFromModel(const draftlift_tool::gdt::Annotation& annotation);

}  // namespace noterecord
