// Part-file reading: the parser's events go to a PartReader, which keeps only
// the converted entities and tables; only a complete Part is handed to the
// host stand-in.
#include "standins/mastercam/PartFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <streambuf>

#include "standins/mastercam/PartReader.h"

namespace partfile {
namespace {

// A read-only stream over text already in memory.
class MemoryBuffer : public std::streambuf {
public:
    explicit MemoryBuffer(std::string_view text) {
        char* begin = const_cast<char*>(text.data());
        setg(begin, begin, begin + text.size());
    }
};

// Large reads: a part file may be hundreds of megabytes.
constexpr std::size_t kReadBuffer = 1 << 16;

std::string SystemReason() { return std::strerror(errno); }

}  // namespace

std::size_t Part::NoteCount() const {
    std::size_t notes = 0;
    for (const Entity& entity : entities) notes += entity.type == standin::host::EntityType::Note ? 1 : 0;
    return notes;
}

Part Read(std::istream& in, const ReadProgress& progress) {
    if (in.peek() == std::char_traits<char>::eof()) {
        if (in.bad()) Fail("part file", "cannot be read: " + SystemReason());
        Fail("part file", "empty");
    }
    PartReader reader(progress);
    nlohmann::json::sax_parse(in, &reader);
    if (in.bad()) Fail("part file", "cannot be read: " + SystemReason());
    // The parser takes a NUL byte for the end of the input; the stream's end
    // is the only end a part file has.
    if (!in.eof()) Fail("part file", "a NUL byte after the JSON value");
    return reader.Finish();
}

Part Parse(std::string_view text) {
    MemoryBuffer buffer(text);
    std::istream in(&buffer);
    return Read(in);
}

Part ReadFile(const std::string& path, const ReadProgress& progress) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) throw PartFileError(path + ": is a directory");
    std::vector<char> buffer(kReadBuffer);
    std::ifstream in;
    in.rdbuf()->pubsetbuf(buffer.data(), std::streamsize(buffer.size()));
    in.open(path, std::ios::binary);
    if (!in) throw PartFileError(path + ": cannot be read: " + SystemReason());
    try {
        return Read(in, progress);
    } catch (const PartFileError& failure) {
        throw PartFileError(path + ": " + failure.what());
    }
}

void Load(Part part) {
    for (Entity& entity : part.entities) {
        if (entity.type == standin::host::EntityType::Note) {
            standin::host::AddNote(std::move(entity.note));
        } else {
            standin::host::AddEntity(entity.type);
        }
    }
    part.entities = {};
    for (auto& [id, text] : part.memoryTables) standin::host::SetMemoryTable(id, std::move(text));
    if (part.levels) standin::host::SetLevels(*part.levels);
}

}  // namespace partfile
