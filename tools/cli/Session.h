// What every subcommand that runs the library shares: the part to work on
// (a file, the standard input or the sample built into the tool), fresh
// stand-ins holding it, the library attached for the session's lifetime, and
// the import command.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "host/Mastercam.h"
#include "host/kscene/KScene.h"
#include "standins/mastercam/PartFile.h"
#include "tools/io/Input.h"
#include "tools/io/Progress.h"

namespace draftlift_tool {

// The sample part built into the tool (samples/sample-part.json).
const std::string& EmbeddedSamplePart();

// The part the input holds. Throws partfile::PartFileError naming the input
// and the place when it is unreadable or malformed.
partfile::Part ReadPart(const Input& input, Progress& progress);

// Visits every drafting note of the host in database order, reporting each
// to `progress`.
void ForEachNote(const std::function<void(const ent&)>& visit, Progress& progress);

struct ImportSummary {
    std::size_t recordedNotes = 0;
    std::size_t annotations = 0;    // objects the import added to the scene
    std::size_t refused = 0;        // records the import refused
    std::size_t withoutObject = 0;  // records whose kind makes no object
};

// "imported 15 annotations from 23 recorded notes: 7 refused, 1 without an object"
std::string Describe(const ImportSummary& summary);

// Resets every stand-in, hands the part over to the host, then attaches the
// library as the loader would; detaches when it ends. One at a time.
class Session {
public:
    explicit Session(partfile::Part part);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The host's notes, recorded or not.
    std::size_t NoteCount() const { return m_notes; }
    // m_open, then the import command m_Draftlift; returns how many objects
    // the import added to the scene.
    std::size_t Import(Progress& progress);
    // Checks every recorded note (see CheckRecordedNotes), then imports.
    ImportSummary ImportCounted(Progress& progress);
    KScene& Scene() const;

private:
    std::size_t m_notes = 0;
    HINSTANCE m_module = nullptr;
};

}  // namespace draftlift_tool
