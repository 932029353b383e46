// The tool's subcommands. Each lives in its own tools/cli/<Name>Command.cpp and
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

#include "tools/io/Input.h"

namespace draftlift_tool {

// Exit codes shared by the subcommands.
enum ExitCode : int {
    kExitSuccess = 0,
    kExitBadInput = 1,  // an input is unreadable or malformed
    kExitUsage = 2,     // the command line is wrong
    kExitRefused = 3,   // lint: a record is refused; check: an error is found
    kExitOutput = 4,    // an output cannot be written
};

// A command line the parser accepted but the command cannot use, such as an
// output whose format is not known.
class UsageError : public std::runtime_error {
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

// The input argument of a command that reads one part or scene: a file, -
// for the standard input, or --sample for the example built into the tool.
class InputArgument {
public:
    // Declares the positional argument `name` and the --sample flag.
    void Configure(CLI::App& app, const std::string& name, const std::string& help);
    Input Chosen() const;

private:
    CLI::Option* m_option = nullptr;
    std::string m_path;
    bool m_sample = false;
};

// Any number of part files, the standard input where none is given, or the
// example under --sample.
class PartsArgument {
public:
    void Configure(CLI::App& app);
    std::vector<Input> Chosen() const;

private:
    std::vector<std::string> m_paths;
    bool m_sample = false;
};

// How a part argument is described in every command's help.
constexpr char kPartHelp[] = "Part file (JSON), - for the standard input; see INPUT below";
constexpr char kSampleHelp[] = "Use the example built into the tool; see INPUT below";

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
