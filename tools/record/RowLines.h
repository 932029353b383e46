// A frame row's lines: the frame row line and, when the row has them, its
// datum reference line.
#pragma once

#include <optional>
#include <string>

#include "tools/record/LineWriter.h"
#include "tools/record/WriteChecks.h"

namespace noterecord {

// Row n (0 to 4) as read.
Refused WriteRowLines(LineWriter& line, std::size_t n, const noteimport::FrameRow& row);

// The first member of a row that holds a value: none for a row as the
// reader leaves one it does not read.
std::optional<std::string> FirstFilledMember(const noteimport::FrameRow& row);

}  // namespace noterecord
