// The value expressions of a dimension's value line. The reader keeps only
// what the host calculator makes of an expression, written with four
// decimals; the writer puts the value text itself as its expression.
#pragma once

#include "import/RecordReader.h"

namespace noterecord {

using noteimport::WStringView;

// Whether the calculator, given the value text as the expression, gives the
// same text back. Not-a-number, and any text FormatValue does not write,
// never does.
bool CalculatorGivesBack(WStringView valueText);

}  // namespace noterecord
