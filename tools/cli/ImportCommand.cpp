// draftlift import [PART.json] [--json]: runs the import command on a part
// and reports what it made, or writes the resulting scene as JSON.
#include <iostream>

#include "standins/kscene/KSceneStandIn.h"
#include "standins/kscene/SceneJson.h"
#include "tools/cli/Commands.h"
#include "tools/cli/Session.h"
#include "tools/gdt/GdtJson.h"
#include "tools/io/Output.h"
#include "tools/io/StandardStreams.h"

namespace draftlift_tool {
namespace {

class ImportCommand final : public Command {
public:
    void Configure(CLI::App& app) override {
        m_part.Configure(app, "part", kPartHelp);
        app.add_flag("--json", m_json,
                     "Write the resulting scene as JSON, each annotation with its GD&T meaning, instead of a summary");
    }

    int Run() override {
        Progress progress = Progress::OnTerminal("draftlift import");
        Session session(ReadPart(m_part.Chosen(), progress));
        if (m_json) {
            session.Import(progress);
            WriteScene(progress);
        } else {
            const ImportSummary summary = session.ImportCounted(progress);
            progress.Clear();
            std::cout << Describe(summary) << '\n';
        }
        FinishStandardOutput();
        return kExitSuccess;
    }

private:
    // Progress shows while the text goes to a pipe or a file; on a terminal
    // it would fall between the lines.
    static void WriteScene(Progress& progress) {
        progress.Clear();
        progress.Stage("writing objects", standin::kscene::Entries().size());
        const bool shown = !IsTerminal(StandardStream::Output);
        // Each annotation gets its semantic form beside its raw fields.
        scenejson::WriteSceneJson(
            std::cout, [&progress, shown](std::size_t written) {
                if (shown) progress.Update(written);
            },
            gdt::WriteGdtMember);
        std::cout << '\n';
    }

    InputArgument m_part;
    bool m_json = false;
};

const CommandRegistrar<ImportCommand> registrar{"import",
                                                "Import the recorded notes of a part into the scene"};

}  // namespace
}  // namespace draftlift_tool
