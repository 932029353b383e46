// Where a command reads its part or scene from: a file named on the command
// line, the standard input ("-", or no argument while the standard input is
// not a terminal), or the example built into the tool (no argument at an
// interactive terminal).
#pragma once

#include <fstream>
#include <istream>
#include <optional>
#include <string>

namespace draftlift_tool {

class Input {
public:
    enum class Kind { File, StandardInput, BuiltIn };

    static Input Choose(const std::optional<std::string>& argument);

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
