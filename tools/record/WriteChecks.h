// Whether a text reads back whole from where the writer puts it, and the
// refusals that name a field when it does not. Field names are made only
// for a refusal, so that writing allocates nothing else.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "tools/record/RecordWriter.h"

namespace noterecord {

using Refused = std::optional<WriteRefusal>;

// A text read as one positional field, cut by the reader at limit.
std::optional<WriteProblem> FieldTextProblem(WStringView text, std::size_t limit);
// A text taken as whole lines: it may hold separators, not line breaks.
std::optional<WriteProblem> LineTextProblem(WStringView text);

// The limit is kept for TooLong only.
Refused Refuse(std::string field, WriteProblem problem, std::size_t limit = 0);
Refused CheckField(WStringView text, std::size_t limit, const char* field);

// "member[n]", and "rows[n].member".
std::string Indexed(const char* member, std::size_t n);
std::string RowField(std::size_t n, const std::string& member);

}  // namespace noterecord
