// draftlift svg [PART.json] [-o FILE] [--png FILE]: imports a part and draws
// every annotation of the resulting scene as SVG, or as a PNG picture.
#include <fstream>
#include <iostream>

#include "tools/Commands.h"
#include "tools/Session.h"
#include "tools/SvgPng.h"
#include "tools/SvgWriter.h"

namespace draftlift_tool {
namespace {

class SvgCommand final : public Command {
public:
    void Configure(CLI::App& app) override {
        m_part = app.add_option("part", m_path, "Part file (JSON); the built-in sample without one");
        app.add_option("-o,--output", m_output, "Write the picture to this file instead of the standard output");
        app.add_option("--png", m_png, "Render the picture as PNG to this file (with rsvg-convert)");
    }

    int Run() override {
        try {
            const partfile::Part part = ReadPart(GivenArgument(*m_part, m_path));
            Session session(part);
            session.Import();
            if (!m_png.empty()) return SavePng(session.Scene());
            if (m_output.empty()) {
                WriteSceneSvg(session.Scene(), std::cout);
                return kExitSuccess;
            }
            return Save(session.Scene(), m_output);
        } catch (const partfile::PartFileError& error) {
            std::cerr << "draftlift svg: " << error.what() << '\n';
            return kExitBadInput;
        }
    }

private:
    static int Save(const KScene& scene, const std::string& path, PageSize* size = nullptr) {
        std::ofstream file(path, std::ios::binary);
        const PageSize written = WriteSceneSvg(scene, file);
        if (size != nullptr) *size = written;
        if (file.flush()) return kExitSuccess;
        std::cerr << "draftlift svg: cannot write " << path << '\n';
        return kExitBadInput;
    }

    // The SVG goes to -o when given, else to a temporary file.
    int SavePng(const KScene& scene) const {
        const TemporaryFile temporary(".svg");
        const std::string& svg = m_output.empty() ? temporary.Path() : m_output;
        PageSize size{};
        if (const int saved = Save(scene, svg, &size); saved != kExitSuccess) return saved;
        const std::string problem = RenderPng(svg, size.width, size.height, m_png);
        if (problem.empty()) return kExitSuccess;
        std::cerr << "draftlift svg: cannot make " << m_png << ": " << problem << '\n';
        return kExitBadInput;
    }

    CLI::Option* m_part = nullptr;
    std::string m_path;
    std::string m_output;
    std::string m_png;
};

const CommandRegistrar<SvgCommand> registrar{"svg", "Draw the imported annotations of a part as SVG"};

}  // namespace
}  // namespace draftlift_tool
