// draftlift check [PART.json...] [--json]: reads every recorded note of each
// part, builds its annotation one at a time as the import would, and checks
// what it means against the GD&T rules (tools/gdt/Rules.cpp).
#include <iostream>
#include <memory>

#include "standins/kscene/SceneJsonWriter.h"
#include "tools/cli/Commands.h"
#include "tools/cli/RecordCheck.h"
#include "tools/cli/Session.h"
#include "tools/gdt/Check.h"
#include "tools/gdt/FromAnnotation.h"
#include "tools/gdt/GdtJson.h"
#include "tools/gdt/ReadAnnotation.h"
#include "tools/io/Output.h"
#include "tools/io/Printable.h"

namespace draftlift_tool {
namespace {

// "(23 recorded notes: 7 refused, 1 without an object)"
std::string NotesChecked(const NoteCounts& counts) {
    return "(" + std::to_string(counts.recorded) + (counts.recorded == 1 ? " recorded note: " : " recorded notes: ") +
           std::to_string(counts.refused) + " refused, " + std::to_string(counts.withoutObject) + " without an object)";
}

class CheckCommand final : public Command {
public:
    void Configure(CLI::App& app) override {
        m_parts.Configure(app);
        app.add_flag("--json", m_json, "Write the findings as a JSON list");
    }

    int Run() override {
        const std::vector<Input> inputs = m_parts.Chosen();
        if (m_json) {
            m_out = std::make_unique<scenejson::JsonOut>(std::cout);
            m_out->BeginArray();
        }
        int result = kExitSuccess;
        for (const Input& input : inputs) {
            const int code = Check(input, inputs.size() > 1);
            // An unreadable part outweighs errors found elsewhere.
            if (code == kExitBadInput || result == kExitSuccess) result = code;
        }
        if (m_out) {
            m_out->EndArray();
            m_out.reset();
            std::cout << '\n';
        }
        FinishStandardOutput();
        return result;
    }

private:
    int Check(const Input& input, bool named) {
        const std::string part = Printable(input.Name("sample part"));
        const std::string prefix = named ? part + ": " : "";
        try {
            Progress progress = Progress::OnTerminal("draftlift check");
            const Session session(ReadPart(input, progress));
            progress.Stage("checking notes", session.NoteCount());
            gdt::PartCheck check;
            const gdt::PartCheck::Visit report = [&](const gdt::Finding& finding) {
                progress.Clear();
                if (m_out) {
                    gdt::WriteFindingJson(*m_out, finding, named ? &part : nullptr);
                } else {
                    std::cout << prefix << gdt::Describe(finding) << '\n';
                }
            };
            std::size_t index = 0;
            const NoteCounts notes = BuildRecordedAnnotations([&](std::int32_t entity, const KMBDBase& annotation) {
                gdt::Annotation model = gdt::ReadAnnotation(gdt::FieldsOf(annotation));
                // The findings name the annotation; the rules need no name.
                const gdt::Subject subject{entity, std::move(model.name), index++};
                check.Check(model, subject, report);
            }, progress);
            check.Finish(report);
            progress.Clear();
            if (!m_out) std::cout << prefix << gdt::Describe(check.Counts()) << ' ' << NotesChecked(notes) << '\n';
            return check.Counts().errors > 0 ? kExitRefused : kExitSuccess;
        } catch (const partfile::PartFileError& error) {
            std::cout.flush();
            std::cerr << "draftlift check: " << Printable(error.what()) << '\n';
            return kExitBadInput;
        }
    }

    PartsArgument m_parts;
    bool m_json = false;
    std::unique_ptr<scenejson::JsonOut> m_out;
};

const CommandRegistrar<CheckCommand> registrar{"check", "Check the imported annotations of parts against GD&T rules"};

}  // namespace
}  // namespace draftlift_tool
