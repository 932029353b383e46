#include "tools/io/Input.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "tools/io/StandardStreams.h"

namespace draftlift_tool {

Input Input::Choose(const std::optional<std::string>& argument) {
    if (argument && *argument == "-") return Input(Kind::StandardInput, *argument);
    if (argument) return Input(Kind::File, *argument);
    // A pipe or a redirected file is what the user gave; the built-in example
    // is only for trying the tool out at a terminal.
    return IsTerminal(StandardStream::Input) ? BuiltIn() : Input(Kind::StandardInput, "-");
}

std::string Input::Name(const std::string& builtIn) const {
    switch (m_kind) {
        case Kind::File: return m_path;
        case Kind::StandardInput: return "standard input";
        case Kind::BuiltIn: return "built-in " + builtIn;
    }
    return m_path;
}

std::ifstream Input::OpenFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) throw InputError(path + ": is a directory");
    std::ifstream file(path, std::ios::binary);
    if (!file) throw InputError(path + ": cannot be read: " + std::strerror(errno));
    return file;
}

std::istream& Input::StandardInput() {
    UseBinaryMode(StandardStream::Input);
    return std::cin;
}

}  // namespace draftlift_tool
