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
#include <stdexcept>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace draftlift_tool {

// Exit codes shared by the subcommands.
enum ExitCode : int {
    kExitSuccess = 0,
    kExitBadInput = 1,  // an input is unreadable or malformed
    kExitUsage = 2,     // the command line is wrong
    kExitRefused = 3,   // lint: at least one record is refused
    kExitOutput = 4,    // an output cannot be written
};

// A command line the parser accepted but the command cannot use, such as an
// output whose format is not known.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An input other than a part file that is unreadable or malformed; the
// message names the input and the place.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Command {
public:
    virtual ~Command() = default;
    // Declares the subcommand's arguments and options on its own CLI11 app.
    virtual void Configure(CLI::App& app) = 0;
    // Runs once the command line is parsed; returns the exit code. Errors
    // come as UsageError, InputError, partfile::PartFileError or OutputError.
    virtual int Run() = 0;
};

// The value of an optional argument, or nothing when it was not given.
inline std::optional<std::string> GivenArgument(const CLI::Option& option, const std::string& value) {
    return option.count() > 0 ? std::optional<std::string>(value) : std::nullopt;
}

// How an input argument is described in every command's help.
constexpr char kPartHelp[] = "Part file (JSON), - for the standard input; see INPUT below";

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
