// draftlift import [PART.json] [--json]: runs the import command on a part
// and reports what it made, or writes the resulting scene as JSON.
#include <iostream>

#include "platform/kscene/SceneJson.h"
#include "tools/Commands.h"
#include "tools/RecordCheck.h"
#include "tools/Session.h"

namespace draftlift_tool {
namespace {

class ImportCommand final : public Command {
public:
    void Configure(CLI::App& app) override {
        m_part = app.add_option("part", m_path, "Part file (JSON); the built-in sample without one");
        app.add_flag("--json", m_json, "Write the resulting scene as JSON instead of a summary");
    }

    int Run() override {
        try {
            const partfile::Part part = ReadPart(GivenArgument(*m_part, m_path));
            Session session(part);
            const ImportSummary summary = session.Import();
            if (m_json) {
                std::cout << scenejson::SceneJsonText() << '\n';
            } else {
                std::cout << "imported " << summary.annotations << " annotations from "
                          << summary.recordedNotes << " recorded notes, "
                          << RefusedRecords().size() << " refused\n";
            }
            return kExitSuccess;
        } catch (const partfile::PartFileError& error) {
            std::cerr << "draftlift import: " << error.what() << '\n';
            return kExitBadInput;
        }
    }

private:
    CLI::Option* m_part = nullptr;
    std::string m_path;
    bool m_json = false;
};

const CommandRegistrar<ImportCommand> registrar{"import",
                                                "Import the recorded notes of a part into the scene"};

}  // namespace
}  // namespace draftlift_tool
