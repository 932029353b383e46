// Host symbol codes as the wide characters the annotations store, and the
// tolerance compartment text assembled from them.
#pragma once

#include <cstdint>

#include "host/WinTypes.h"
#include "import/RecordReader.h"

namespace noteimport {

// The character of a host symbol code; a space for codes without one.
WCHAR HostSymbolChar(std::int32_t code);

// Modifier, value, then each following modifier and text, space-separated;
// codes of 0 and empty texts take no part (the value always does).
WString BuildToleranceText(std::int32_t codeA, WStringView valueText, std::int32_t codeB,
                           WStringView textB, std::int32_t codeC, WStringView textC);

}  // namespace noteimport
