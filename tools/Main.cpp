// draftlift: runs the library on the stand-in host from the command line.
// One subcommand per registered Command.
#include <algorithm>
#include <iostream>

#include "tools/Commands.h"

namespace {

using draftlift_tool::CommandEntry;

std::vector<CommandEntry> SortedCommands() {
    std::vector<CommandEntry> commands = draftlift_tool::RegisteredCommands();
    std::sort(commands.begin(), commands.end(),
              [](const CommandEntry& a, const CommandEntry& b) { return a.name < b.name; });
    return commands;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Draftlift on the stand-in host: import recorded notes, check part files"};
    app.require_subcommand(1);
    std::vector<std::pair<CLI::App*, std::unique_ptr<draftlift_tool::Command>>> commands;
    for (const CommandEntry& entry : SortedCommands()) {
        CLI::App* sub = app.add_subcommand(entry.name, entry.summary);
        auto command = entry.make();
        command->Configure(*sub);
        commands.emplace_back(sub, std::move(command));
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error);
    }
    for (auto& [sub, command] : commands) {
        if (sub->parsed()) return command->Run();
    }
    return draftlift_tool::kExitSuccess;
}
