// Texts for the exported interface, which takes names as narrow texts in the
// active ANSI code page (Windows-1252 on a Western-European host and on the
// stand-in), from the tool's UTF-8.
#pragma once

#include <string>

namespace draftlift_tool {

struct AnsiText {
    std::string text;
    // Whether a character the code page lacks was replaced by '?'.
    bool replaced = false;
};

// UTF-8 to wide text, then wide text to the active ANSI code page.
AnsiText ToAnsiCodePage(const std::string& utf8);

}  // namespace draftlift_tool
