// draftlift lint [PART.json]: reads every recorded note of a part and names
// each refused record with its place and reason.
#include <iostream>

#include "tools/Commands.h"
#include "tools/RecordCheck.h"
#include "tools/Session.h"

namespace draftlift_tool {
namespace {

class LintCommand final : public Command {
public:
    void Configure(CLI::App& app) override {
        m_part = app.add_option("part", m_path, "Part file (JSON); the built-in sample without one");
    }

    int Run() override {
        try {
            const Session session(ReadPart(GivenArgument(*m_part, m_path)));
            const std::vector<RefusedRecord> refused = RefusedRecords();
            for (const RefusedRecord& record : refused) std::cout << Describe(record) << '\n';
            return refused.empty() ? kExitSuccess : kExitRefused;
        } catch (const partfile::PartFileError& error) {
            std::cerr << "draftlift lint: " << error.what() << '\n';
            return kExitBadInput;
        }
    }

private:
    CLI::Option* m_part = nullptr;
    std::string m_path;
};

const CommandRegistrar<LintCommand> registrar{"lint",
                                              "List the recorded notes whose records are refused"};

}  // namespace
}  // namespace draftlift_tool
