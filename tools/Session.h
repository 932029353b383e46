// What every subcommand that runs the library shares: the part to work on
// (a file or the sample built into the tool), fresh stand-ins holding it, the
// library attached for the session's lifetime, and the import command.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "host/Mastercam.h"
#include "host/kscene/KScene.h"
#include "platform/mastercam/PartFile.h"

namespace draftlift_tool {

// The sample part built into the tool (samples/sample-part.json).
const std::string& EmbeddedSamplePart();

// The part file at `path`, or the embedded sample without one. Throws
// partfile::PartFileError naming the place when it is unreadable or malformed.
partfile::Part ReadPart(const std::optional<std::string>& path);

// Visits, in database order, every note whose text carries the record prefix.
void ForEachRecordedNote(const std::function<void(const ent&)>& visit);

struct ImportSummary {
    std::size_t recordedNotes = 0;
    std::size_t annotations = 0;  // objects the import added to the scene
};

// Resets every stand-in, loads the part into the host, then attaches the
// library as the loader would; detaches when it ends. One at a time.
class Session {
public:
    explicit Session(const partfile::Part& part);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // m_open, then the import command m_Draftlift.
    ImportSummary Import();
    KScene& Scene() const;

private:
    HINSTANCE m_module = nullptr;
};

}  // namespace draftlift_tool
