// Texts from files made safe to show on a terminal: no name, text or file
// name can carry a control character, and with it an escape sequence that
// moves the cursor or recolours the screen.
#pragma once

#include <string>
#include <string_view>

namespace draftlift_tool {

// UTF-8 text with every control character (C0, DEL and C1) written as an
// escape: \t, \n, \r, \xHH for the others below 0x80, \u0080 to \u009F above.
// A byte that is not part of valid UTF-8 is written as \xHH too.
std::string Printable(std::string_view text);
// Printable text in double quotes, with quotes and backslashes escaped.
std::string QuotedPrintable(std::string_view text);

}  // namespace draftlift_tool
