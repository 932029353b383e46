// Writing an annotation's semantic form as a note record: the record whose
// import gives back the same annotation, member by member. What no record
// carries is not bent to fit: the annotation gets no record, and the reason
// names the model's field.
#pragma once

#include <optional>
#include <string>

#include "import/RecordReader.h"
#include "tools/gdt/Model.h"

namespace noterecord {

struct ModelRecord {
    std::optional<noteimport::NoteRecord> record;  // set when the annotation can be recorded
    std::string reason;                            // otherwise why not, naming the field
};

ModelRecord RecordFromModel(const draftlift_tool::gdt::Annotation& annotation);

}  // namespace noterecord
