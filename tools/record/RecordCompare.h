// Two decoded records compared field by field, as a record read back from
// its written text must equal the one written.
#pragma once

#include <optional>
#include <string>

#include "import/RecordReader.h"

namespace noterecord {

// The first member in which the records differ, named as in the record
// ("rows[2].valueText", "dimension"); nothing when they are equal.
std::optional<std::string> FirstDifference(const noteimport::NoteRecord& a, const noteimport::NoteRecord& b);

}  // namespace noterecord
