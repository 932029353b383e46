// The registry behind CommandRegistrar. A function-local list, so that
// registrars in any translation unit may run first.
#include "tools/Commands.h"

namespace draftlift_tool {
namespace {

std::vector<CommandEntry>& Registry() {
    static std::vector<CommandEntry> commands;
    return commands;
}

}  // namespace

const std::vector<CommandEntry>& RegisteredCommands() { return Registry(); }

void RegisterCommand(CommandEntry entry) { Registry().push_back(std::move(entry)); }

}  // namespace draftlift_tool
