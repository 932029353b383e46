// A command's outputs. A file is written under a temporary name in its own
// folder and renamed into place only once every write, the flush and the
// close have succeeded; a failure leaves no partial file and an existing
// file untouched. "-" is the standard output, flushed and checked the same.
#pragma once

#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace draftlift_tool {

// Says which output failed and the system's reason.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Output {
public:
    // Checks the target (a directory is refused) and creates the temporary
    // file; throws OutputError.
    explicit Output(std::string path);
    // Removes the temporary file unless it was published.
    ~Output();
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    const std::string& Path() const { return m_path; }
    bool IsStandardOutput() const { return m_file == nullptr; }
    std::ostream& Stream();
    // Flushes and closes, checking both; throws OutputError.
    void Close();
    // Renames the closed temporary file into place; throws OutputError.
    void Publish();

private:
    std::string m_path;
    std::string m_target;     // the path, symbolic links followed
    std::string m_temporary;  // empty once published or removed
    std::unique_ptr<std::ofstream> m_file;
};

// Writes several outputs all or nothing: each is written, then all are
// closed, and only then are they published.
class OutputSet {
public:
    explicit OutputSet(const std::vector<std::string>& paths);
    std::vector<std::unique_ptr<Output>>& Outputs() { return m_outputs; }
    void CloseAndPublish();

private:
    std::vector<std::unique_ptr<Output>> m_outputs;
};

// While it lives, the standard output keeps the system's reason for its
// first failed write; one, made before anything is written.
class StandardOutputReasons {
public:
    StandardOutputReasons();
    // Flushes and gives the standard output its own buffer back.
    ~StandardOutputReasons();
    StandardOutputReasons(const StandardOutputReasons&) = delete;
    StandardOutputReasons& operator=(const StandardOutputReasons&) = delete;

private:
    std::unique_ptr<std::streambuf> m_buffer;
    std::streambuf* m_own;
};
// Flushes the standard output and checks that everything written reached it;
// throws OutputError with the reason.
void FinishStandardOutput();

}  // namespace draftlift_tool
