// Where a command reads its part or scene from: a file named on the command
// line, the standard input ("-", or no argument while the standard input is
// not a terminal), or the example built into the tool (no argument at an
// interactive terminal).
#pragma once

#include <fstream>
#include <istream>
#include <optional>
#include <stdexcept>
#include <string>

namespace draftlift_tool {

// An input other than a part file that is unreadable or malformed; the
// message names the input and the place.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Input {
public:
    enum class Kind { File, StandardInput, BuiltIn };

    static Input Choose(const std::optional<std::string>& argument);
    // The example built into the tool, whatever the standard input is.
    static Input BuiltIn() { return Input(Kind::BuiltIn, ""); }

    Kind GetKind() const { return m_kind; }
    const std::string& Path() const { return m_path; }
    // How messages name it: the path, "standard input" or "built-in <what>".
    std::string Name(const std::string& builtIn) const;
    // The standard input in binary mode.
    static std::istream& StandardInput();
    // A file opened to be read in binary mode. Throws InputError naming the
    // file and why it cannot be read ("is a directory", the system's reason).
    static std::ifstream OpenFile(const std::string& path);

private:
    Input(Kind kind, std::string path) : m_kind(kind), m_path(std::move(path)) {}

    Kind m_kind;
    std::string m_path;
};

}  // namespace draftlift_tool
