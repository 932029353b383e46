// The tool's subcommands. Each lives in its own tools/<Name>Command.cpp and
// registers itself with a static CommandRegistrar, so a new subcommand needs
// no change anywhere else:
//
//   class SvgCommand final : public draftlift_tool::Command { ... };
//   const draftlift_tool::CommandRegistrar<SvgCommand> registrar{
//       "svg", "Draws the imported annotations as SVG"};
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace draftlift_tool {

// Exit codes shared by the subcommands.
enum ExitCode : int {
    kExitSuccess = 0,
    kExitBadInput = 1,  // the part file is unreadable or malformed
    kExitRefused = 2,   // lint: at least one record is refused
};

class Command {
public:
    virtual ~Command() = default;
    // Declares the subcommand's arguments and options on its own CLI11 app.
    virtual void Configure(CLI::App& app) = 0;
    // Runs once the command line is parsed; returns the exit code.
    virtual int Run() = 0;
};

// The value of an optional argument, or nothing when it was not given.
inline std::optional<std::string> GivenArgument(const CLI::Option& option, const std::string& value) {
    return option.count() > 0 ? std::optional<std::string>(value) : std::nullopt;
}

struct CommandEntry {
    std::string name;
    std::string summary;
    std::function<std::unique_ptr<Command>()> make;
};

// Every registered subcommand, in registration order.
const std::vector<CommandEntry>& RegisteredCommands();
void RegisterCommand(CommandEntry entry);

template <class Kind>
struct CommandRegistrar {
    CommandRegistrar(std::string name, std::string summary) {
        RegisterCommand({std::move(name), std::move(summary),
                         [] { return std::unique_ptr<Command>(std::make_unique<Kind>()); }});
    }
};

}  // namespace draftlift_tool
