// Whether a text reads back whole from where the writer puts it: in a field
// of its own, or as note text lines taken whole.
#pragma once

#include <cstddef>
#include <optional>

#include "tools/record/RecordWriter.h"

namespace noterecord {

// A text read as one positional field, cut by the reader at limit.
std::optional<WriteProblem> FieldTextProblem(WStringView text, std::size_t limit);

// A text taken as whole lines: it may hold separators, not line breaks.
std::optional<WriteProblem> LineTextProblem(WStringView text);

}  // namespace noterecord
