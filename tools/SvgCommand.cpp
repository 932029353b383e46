// draftlift svg [PART.json] [-o FILE]: imports a part and draws every
// annotation of the resulting scene as SVG.
#include "tools/Commands.h"
#include "tools/Output.h"
#include "tools/Session.h"
#include "tools/SvgWriter.h"

namespace draftlift_tool {
namespace {

class SvgCommand final : public Command {
public:
    void Configure(CLI::App& app) override {
        m_part = app.add_option("part", m_path, kPartHelp);
        app.add_option("-o,--output", m_output,
                       "Write the picture to this file; - or none for the standard output");
    }

    int Run() override {
        // A file that cannot be written is known before the import.
        Output output(m_output);
        Progress progress = Progress::OnTerminal("draftlift svg");
        Session session(ReadPart(Input::Choose(GivenArgument(*m_part, m_path)), progress));
        session.Import(progress);
        progress.Clear();
        output.Stream() << SceneSvg(session.Scene());
        output.Close();
        output.Publish();
        return kExitSuccess;
    }

private:
    CLI::Option* m_part = nullptr;
    std::string m_path;
    std::string m_output = "-";
};

const CommandRegistrar<SvgCommand> registrar{"svg", "Draw the imported annotations of a part as SVG"};

}  // namespace
}  // namespace draftlift_tool
