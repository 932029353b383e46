// The registry behind CommandRegistrar. A function-local list, so that
// registrars in any translation unit may run first.
#include "tools/cli/Commands.h"

namespace draftlift_tool {
namespace {

std::vector<CommandEntry>& Registry() {
    static std::vector<CommandEntry> commands;
    return commands;
}

}  // namespace

const std::vector<CommandEntry>& RegisteredCommands() { return Registry(); }

void RegisterCommand(CommandEntry entry) { Registry().push_back(std::move(entry)); }

void InputArgument::Configure(CLI::App& app, const std::string& name, const std::string& help) {
    m_option = app.add_option(name, m_path, help);
    app.add_flag("--sample", m_sample, kSampleHelp)->excludes(m_option);
}

Input InputArgument::Chosen() const {
    if (m_sample) return Input::BuiltIn();
    return Input::Choose(m_option->count() > 0 ? std::optional<std::string>(m_path) : std::nullopt);
}

void PartsArgument::Configure(CLI::App& app) {
    CLI::Option* parts =
        app.add_option("parts", m_paths, "Part files (JSON), - for the standard input; see INPUT below");
    app.add_flag("--sample", m_sample, kSampleHelp)->excludes(parts);
}

std::vector<Input> PartsArgument::Chosen() const {
    std::vector<Input> inputs;
    for (const std::string& path : m_paths) inputs.push_back(Input::Choose(path));
    if (inputs.empty()) inputs.push_back(m_sample ? Input::BuiltIn() : Input::Choose(std::nullopt));
    return inputs;
}

}  // namespace draftlift_tool
