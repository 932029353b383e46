// draftlift: runs the library on the stand-in host from the command line.
// One subcommand per registered Command; every failure becomes one line on
// standard error and an exit code of its own.
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <new>

#include "standins/mastercam/HostStandIn.h"
#include "standins/mastercam/PartFile.h"
#include "tools/cli/Commands.h"
#include "tools/cli/Version.h"
#include "tools/io/Output.h"
#include "tools/io/Printable.h"

namespace {

using draftlift_tool::CommandEntry;

constexpr char kInput[] =
    "INPUT: a part file (or a scene for export-mesh) named on the command line, or - for\n"
    "the standard input; --sample for the example built into the tool (the sample part;\n"
    "export-mesh's demo scene). Without any the standard input is read when it is a pipe\n"
    "or a file, and the example is used at an interactive terminal.";

constexpr char kExitCodes[] =
    "Exit codes:\n"
    "  0  success\n"
    "  1  an input is unreadable or malformed (the message names the place), or memory\n"
    "     runs out\n"
    "  2  usage error: no or an unknown command, extra arguments, unknown options\n"
    "  3  lint: at least one record is refused; check: at least one error is found\n"
    "  4  an output cannot be written (nothing is left half written)";

// Parts bigger than this are left for the system to reclaim at exit.
constexpr std::size_t kFreedByTheSystem = 100000;

std::vector<CommandEntry> SortedCommands() {
    std::vector<CommandEntry> commands = draftlift_tool::RegisteredCommands();
    std::sort(commands.begin(), commands.end(),
              [](const CommandEntry& a, const CommandEntry& b) { return a.name < b.name; });
    return commands;
}

// CLI11 starts its messages with a capital and ends some with a new line.
std::string Sentence(std::string message) {
    while (!message.empty() && (message.back() == '\n' || message.back() == '.')) message.pop_back();
    if (!message.empty() && message[0] >= 'A' && message[0] <= 'Z') message[0] = char(message[0] - 'A' + 'a');
    return message;
}

// The first word, when it names no command, says more than CLI11's message.
std::optional<std::string> UnknownCommand(const CLI::App& app, int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '-') return std::nullopt;
    for (const CLI::App* sub : app.get_subcommands({})) {
        if (sub->get_name() == argv[1]) return std::nullopt;
    }
    std::string names;
    for (const CommandEntry& entry : SortedCommands()) names += (names.empty() ? "" : ", ") + entry.name;
    return "unknown command " + draftlift_tool::QuotedPrintable(argv[1]) + " (commands: " + names + ")";
}

std::string CommandName(CLI::App& app) {
    const std::vector<CLI::App*> chosen = app.get_subcommands();
    return chosen.empty() ? "draftlift" : "draftlift " + chosen.front()->get_name();
}

int UsageFailure(const std::string& command, const std::string& message) {
    std::cerr << command << ": " << draftlift_tool::Printable(Sentence(message)) << "; see '" << command
              << " --help'\n";
    return draftlift_tool::kExitUsage;
}

int Failure(const std::string& command, const std::string& message, int code) {
    std::cerr << command << ": " << draftlift_tool::Printable(message) << '\n';
    return code;
}

// Freeing a big part's host database and scene object by object takes
// seconds and changes nothing anyone sees, so the system reclaims them
// instead. Small sessions end as usual, which keeps leak checkers watching.
int Finish(int code) {
    std::cout.flush();
    std::cerr.flush();
    if (standin::host::EntityCount() > kFreedByTheSystem) std::_Exit(code);
    return code;
}

int Run(const std::string& command, draftlift_tool::Command& chosen) {
    try {
        return chosen.Run();
    } catch (const draftlift_tool::UsageError& error) {
        return UsageFailure(command, error.what());
    } catch (const partfile::PartFileError& error) {
        return Failure(command, error.what(), draftlift_tool::kExitBadInput);
    } catch (const draftlift_tool::InputError& error) {
        return Failure(command, error.what(), draftlift_tool::kExitBadInput);
    } catch (const draftlift_tool::OutputError& error) {
        return Failure(command, error.what(), draftlift_tool::kExitOutput);
    } catch (const std::bad_alloc&) {
        return Failure(command, "out of memory", draftlift_tool::kExitBadInput);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // The tool uses no C stdio; its own stream buffers read and write faster.
    std::ios::sync_with_stdio(false);
    const draftlift_tool::StandardOutputReasons reasons;
    CLI::App app{
        "Draftlift on the stand-in host: import recorded notes, check part files and their GD&T, export meshes"};
    app.set_version_flag("--version", draftlift_tool::VersionText());
    app.require_subcommand(1);
    // Options are written with dashes everywhere: a path such as /tmp/part.json
    // is an argument on Windows too.
    app.allow_windows_style_options(false);
    // Subcommands' help ends with this too.
    app.footer(std::string(kInput) + "\n\n" + kExitCodes);
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
        if (error.get_exit_code() == 0) return app.exit(error);  // --help, --version
        const std::string command = CommandName(app);
        const std::optional<std::string> unknown = UnknownCommand(app, argc, argv);
        return UsageFailure(command, command == "draftlift" && unknown ? *unknown : error.what());
    }
    for (auto& [sub, command] : commands) {
        if (sub->parsed()) return Finish(Run("draftlift " + sub->get_name(), *command));
    }
    return draftlift_tool::kExitSuccess;
}
