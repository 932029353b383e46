// Part files: a host database written as JSON (entities, memory tables and
// level state), read into the host stand-in so the library can run on it.
//
// { "entities": [ { "type": "note", "text": "~M01|...", "basePoint": [x, y, z],
//                   "memoryTable": 7 }, { "type": "line" } ],
//   "memoryTables": { "7": "line one\r\nline two" },
//   "levels": { "active": [1, 2], "visible": [1], "main": 1 } }
//
// Texts are UTF-8 in the file and UTF-16 in the host. The file is read as a
// stream of parser events, never as a whole document: only the converted
// entities and tables are kept. A part file is checked whole before anything
// reaches the host: a malformed one loads nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "standins/mastercam/HostStandIn.h"

namespace partfile {

// Names the place (entity index, field) where the part file went wrong.
class PartFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Entity {
    standin::host::EntityType type = standin::host::EntityType::Other;
    // Meaningful for notes only.
    standin::host::NoteData note;
};

struct Part {
    std::vector<Entity> entities;
    std::unordered_map<std::int32_t, WString> memoryTables;
    std::optional<standin::host::Levels> levels;

    std::size_t NoteCount() const;
};

// Called now and then while a part is read, with the entities read so far.
using ReadProgress = std::function<void(std::size_t entities)>;

// Parses and checks a part file's text; touches no host state.
Part Parse(std::string_view text);
// Reads a part from a stream (opened in binary mode) to its end.
Part Read(std::istream& in, const ReadProgress& progress = {});
// Reads a file; an unreadable file is a PartFileError naming the file and
// the system's reason, and every other error names the file too.
Part ReadFile(const std::string& path, const ReadProgress& progress = {});
// Hands the part's entities, tables and levels over to the host stand-in.
void Load(Part part);

}  // namespace partfile
