// draftlift export-step [PART.json] -o FILE.stp: imports the part and writes
// its annotations as STEP AP242 with semantic PMI; says what the file
// cannot carry of them.
#include <iostream>

#include "tools/cli/Commands.h"
#include "tools/cli/Session.h"
#include "tools/io/Output.h"
#include "tools/io/Printable.h"
#include "tools/step/SceneAnnotations.h"
#include "tools/step/StepFile.h"

namespace draftlift_tool {
namespace {

class ExportStepCommand final : public Command {
public:
    void Configure(CLI::App& app) override {
        m_part.Configure(app, "part", kPartHelp);
        app.add_option("-o,--output", m_output, "STEP file to write, - for the standard output")->required();
    }

    int Run() override {
        if (!step::StepSupported()) throw UsageError("this build of draftlift has no STEP support");
        Progress progress = Progress::OnTerminal("draftlift export-step");
        Session session(ReadPart(m_part.Chosen(), progress));
        session.Import(progress);
        progress.Clear();
        const std::vector<step::PmiAnnotation> annotations = step::SceneAnnotations(session.Scene());
        Output output(m_output);
        std::vector<step::Loss> losses;
        try {
            losses = step::WriteStep(annotations, output.Stream());
        } catch (const step::StepError& error) {
            throw OutputError(m_output + ": " + error.what());
        }
        output.Close();
        output.Publish();
        Report(annotations.size(), losses, output.IsStandardOutput() ? std::cerr : std::cout);
        FinishStandardOutput();
        return kExitSuccess;
    }

private:
    void Report(std::size_t annotations, const std::vector<step::Loss>& losses, std::ostream& out) const {
        for (const step::Loss& loss : losses) {
            std::cerr << "draftlift export-step: left out: " << Printable(step::Describe(loss)) << '\n';
        }
        out << "exported " << annotations << (annotations == 1 ? " annotation to " : " annotations to ")
            << Printable(m_output) << ": " << losses.size() << (losses.size() == 1 ? " part" : " parts")
            << " left out\n";
    }

    InputArgument m_part;
    std::string m_output;
};

const CommandRegistrar<ExportStepCommand> registrar{
    "export-step", "Write the annotations of a part as STEP AP242 with semantic PMI"};

}  // namespace
}  // namespace draftlift_tool
