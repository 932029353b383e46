// draftlift svg [PART.json] [-o FILE]: imports a part and draws every
// annotation of the resulting scene as SVG.
#include <fstream>
#include <iostream>

#include "tools/Commands.h"
#include "tools/Session.h"
#include "tools/SvgWriter.h"

namespace draftlift_tool {
namespace {

class SvgCommand final : public Command {
public:
    void Configure(CLI::App& app) override {
        m_part = app.add_option("part", m_path, "Part file (JSON); the built-in sample without one");
        app.add_option("-o,--output", m_output, "Write the picture to this file instead of the standard output");
    }

    int Run() override {
        try {
            const partfile::Part part = ReadPart(GivenArgument(*m_part, m_path));
            Session session(part);
            session.Import();
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
    static int Save(const KScene& scene, const std::string& path) {
        std::ofstream file(path, std::ios::binary);
        WriteSceneSvg(scene, file);
        if (file.flush()) return kExitSuccess;
        std::cerr << "draftlift svg: cannot write " << path << '\n';
        return kExitBadInput;
    }

    CLI::Option* m_part = nullptr;
    std::string m_path;
    std::string m_output;
};

const CommandRegistrar<SvgCommand> registrar{"svg", "Draw the imported annotations of a part as SVG"};

}  // namespace
}  // namespace draftlift_tool
