// Numbers as the annotations show them, and wide texts as the number reader
// takes them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "host/WinTypes.h"
#include "import/RecordReader.h"

namespace noteimport {

// The value clamped to -999999999 .. 9999999999 (not-a-number passes), then
// written with "%.*f" and the given number of decimals.
WString FormatValue(double value, int decimals);

// UTF-8 of the whole wide text; a lone surrogate becomes U+FFFD, as the
// system's UTF-8 conversion writes it.
std::string ToUtf8(WStringView text);

// Writes the UTF-8 of the text to out, which must hold three bytes per code
// unit; returns the number of bytes written.
std::size_t EncodeUtf8(WStringView text, char* out);

// Truncation toward zero to 32 bits as the 64-bit host's conversion does it:
// not-a-number and values beyond the range give the lowest value.
std::int32_t ToInt32(double value);

}  // namespace noteimport
