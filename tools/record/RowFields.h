// The frame row and datum reference fields that the reader does not give
// back as they stand: the lower value, which decides whether a value is
// read as a span, and the modifier appended to a datum reference.
#pragma once

#include <cstdint>

#include "import/RecordReader.h"

namespace noterecord {

using noteimport::WStringView;

// Field 4 for a value text of at most 31 characters without '|': "0", or
// "1" where a lower value of 0 would turn the value into a span.
WStringView LowerValueFor(WStringView valueText);

// A datum reference as its reference line holds it.
struct DatumRefFields {
    WStringView letters;
    // A symbol code whose character the reader appends; 0 for none.
    std::int32_t modifier = 0;
};

// A reference that ends in a modifier character (one that a symbol code
// above 0 stands for, '|' included) is its letters and that code; any other
// is letters alone.
DatumRefFields SplitDatumRef(WStringView ref);

}  // namespace noterecord
