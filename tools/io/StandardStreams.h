// The standard streams as the tool uses them, the same way on every system.
#pragma once

namespace draftlift_tool {

enum class StandardStream { Input, Output, Error };

// Whether the stream is an interactive terminal.
bool IsTerminal(StandardStream stream);
// Binary input or output (no line-end translation) where the system has a
// text mode; part files, scenes and meshes pass through as they are.
void UseBinaryMode(StandardStream stream);

}  // namespace draftlift_tool
