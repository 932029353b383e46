// Narrow texts of the exported interface to the scene's wide strings.
#pragma once

#include "host/WinTypes.h"

namespace sdk {

// Widens a zero-terminated text from the active ANSI code page. Throws
// std::runtime_error when the system refuses the conversion.
WString AnsiToWide(const char* text);

}  // namespace sdk
