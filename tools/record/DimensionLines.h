// A dimension's lines: its header, then its label, value and extra lines, or
// the one line the reader skips for the other dimension types.
#pragma once

#include "tools/record/LineWriter.h"
#include "tools/record/WriteChecks.h"

namespace noterecord {

// The header carries the row 1 to 3 flags, the datum label flag and the text
// line count of the flags given.
Refused WriteDimensionLines(LineWriter& line, const noteimport::DimensionPart& dimension,
                            const noteimport::RecordFlags& flags);

}  // namespace noterecord
