// draftlift import-step FILE.stp [-o PART.json]: reads the semantic PMI of a
// STEP AP242 file and writes a part with one recorded note per annotation,
// at its target point. What no note record holds is listed and skipped.
#include <iostream>

#include "tools/cli/Commands.h"
#include "tools/io/Output.h"
#include "tools/io/Printable.h"
#include "tools/step/PartNotes.h"
#include "tools/step/StepFile.h"

namespace draftlift_tool {
namespace {

constexpr int kJsonIndent = 2;

class ImportStepCommand final : public Command {
public:
    void Configure(CLI::App& app) override {
        app.add_option("file", m_file, "STEP file (AP242), - for the standard input")->required();
        app.add_option("-o,--output", m_output, "Part file (JSON) to write, - for the standard output (the default)");
    }

    int Run() override {
        if (!step::StepSupported()) throw UsageError("this build of draftlift has no STEP support");
        const step::StepReading reading = Read();
        const step::PartFromPmi part = step::PartOf(reading.annotations);
        Output output(m_output);
        output.Stream() << part.part.dump(kJsonIndent) << '\n';
        output.Close();
        output.Publish();
        Report(reading, part, output.IsStandardOutput() ? std::cerr : std::cout);
        FinishStandardOutput();
        return kExitSuccess;
    }

private:
    step::StepReading Read() const {
        const Input input = Input::Choose(m_file);
        std::ifstream file;
        if (input.GetKind() == Input::Kind::File) file = Input::OpenFile(input.Path());
        try {
            return step::ReadStep(file.is_open() ? file : Input::StandardInput(), input.Name("standard input"));
        } catch (const step::StepError& error) {
            throw InputError(error.what());
        }
    }

    void Report(const step::StepReading& reading, const step::PartFromPmi& part, std::ostream& out) const {
        for (const std::vector<step::Loss>* losses : {&reading.skipped, &part.skipped}) {
            for (const step::Loss& loss : *losses) {
                std::cerr << "draftlift import-step: skipped: " << Printable(step::Describe(loss)) << '\n';
            }
        }
        if (reading.annotations.empty()) {
            out << Printable(m_file) << " holds no PMI: the part has no notes\n";
            return;
        }
        const std::size_t skipped = reading.skipped.size() + part.skipped.size();
        out << "read " << reading.annotations.size() << " annotations from " << Printable(m_file) << ": "
            << part.notes << (part.notes == 1 ? " note" : " notes") << " written, " << skipped << " skipped\n";
    }

    std::string m_file;
    std::string m_output = "-";
};

const CommandRegistrar<ImportStepCommand> registrar{
    "import-step", "Read the semantic PMI of a STEP AP242 file into a part of recorded notes"};

}  // namespace
}  // namespace draftlift_tool
