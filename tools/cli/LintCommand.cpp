// draftlift lint [PART.json...]: reads every recorded note of each part and
// names each refused record with its place and reason.
#include <iostream>

#include "tools/cli/Commands.h"
#include "tools/cli/RecordCheck.h"
#include "tools/cli/Session.h"
#include "tools/io/Output.h"
#include "tools/io/Printable.h"

namespace draftlift_tool {
namespace {

class LintCommand final : public Command {
public:
    void Configure(CLI::App& app) override {
        m_parts.Configure(app);
        app.add_flag("-v,--verbose", m_verbose, "Also list the recorded notes whose kind makes no object");
    }

    int Run() override {
        const std::vector<Input> inputs = m_parts.Chosen();
        int result = kExitSuccess;
        for (const Input& input : inputs) {
            const int code = Lint(input, inputs.size() > 1);
            // An unreadable part outweighs refused records elsewhere.
            if (code == kExitBadInput || result == kExitSuccess) result = code;
        }
        FinishStandardOutput();
        return result;
    }

private:
    int Lint(const Input& input, bool named) const {
        const std::string prefix = named ? Printable(input.Name("sample part")) + ": " : "";
        try {
            Progress progress = Progress::OnTerminal("draftlift lint");
            const Session session(ReadPart(input, progress));
            progress.Stage("checking notes", session.NoteCount());
            const NoteCounts counts = CheckRecordedNotes([&](const UnimportedNote& note) {
                if (!note.refusal && !m_verbose) return;
                progress.Clear();
                std::cout << prefix << Describe(note) << '\n';
            }, progress);
            return counts.refused > 0 ? kExitRefused : kExitSuccess;
        } catch (const partfile::PartFileError& error) {
            std::cout.flush();
            std::cerr << "draftlift lint: " << Printable(error.what()) << '\n';
            return kExitBadInput;
        }
    }

    PartsArgument m_parts;
    bool m_verbose = false;
};

const CommandRegistrar<LintCommand> registrar{"lint",
                                              "List the recorded notes whose records are refused"};

}  // namespace
}  // namespace draftlift_tool
