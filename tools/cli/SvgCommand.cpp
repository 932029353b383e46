// draftlift svg [PART.json] [-o FILE] [--png FILE] [--check]: imports a part
// and draws every annotation of the resulting scene as SVG, or as a PNG
// picture; with --check, annotations with GD&T errors are outlined in red.
#include <fstream>
#include <memory>

#include "tools/cli/Commands.h"
#include "tools/cli/SceneCheck.h"
#include "tools/cli/Session.h"
#include "tools/io/Output.h"
#include "tools/svg/SvgPng.h"
#include "tools/svg/SvgWriter.h"

namespace draftlift_tool {
namespace {

class SvgCommand final : public Command {
public:
    void Configure(CLI::App& app) override {
        m_part.Configure(app, "part", kPartHelp);
        app.add_option("-o,--output", m_output,
                       "Write the picture to this file; - or none for the standard output");
        app.add_option("--png", m_png, "Render the picture as PNG to this file (with rsvg-convert)");
        app.add_flag("--check", m_check,
                     "Outline in red the annotations with GD&T errors (as draftlift check finds them)");
    }

    int Run() override {
        // A PNG alone is drawn from an SVG in a scratch file. Files that
        // cannot be written are known before the import.
        const TemporaryFile scratch(".svg");
        Output svg(!m_png.empty() && m_output == "-" ? scratch.Path() : m_output);
        std::unique_ptr<Output> png = m_png.empty() ? nullptr : std::make_unique<Output>(m_png);
        Progress progress = Progress::OnTerminal("draftlift svg");
        Session session(ReadPart(m_part.Chosen(), progress));
        session.Import(progress);
        progress.Clear();
        Outlined outlined;
        std::unordered_set<const KMBDBase*> flagged;
        if (m_check) {
            flagged = AnnotationsWithErrors(session.Scene());
            outlined = [&flagged](const KMBDBase& annotation) { return flagged.count(&annotation) > 0; };
        }
        const PageSize size = WriteSceneSvg(session.Scene(), svg.Stream(), outlined);
        svg.Close();
        svg.Publish();
        if (png) Render(svg.Path(), size, *png);
        return kExitSuccess;
    }

private:
    // rsvg-convert draws into a scratch file, which becomes the output whole.
    static void Render(const std::string& svgPath, const PageSize& size, Output& png) {
        const TemporaryFile picture(".png");
        const std::string problem = RenderPng(svgPath, size.width, size.height, picture.Path());
        if (!problem.empty()) throw OutputError("cannot make " + png.Path() + ": " + problem);
        png.Stream() << std::ifstream(picture.Path(), std::ios::binary).rdbuf();
        png.Close();
        png.Publish();
    }

    InputArgument m_part;
    std::string m_output = "-";
    std::string m_png;
    bool m_check = false;
};

const CommandRegistrar<SvgCommand> registrar{"svg", "Draw the imported annotations of a part as SVG"};

}  // namespace
}  // namespace draftlift_tool
