#include "tests/tools/ToolRun.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace tool_tests {
namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Single quotes keep every argument whole in the shell.
std::string Quoted(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// CTest runs tests side by side: every file of a test carries its process id.
std::string ScratchPath(const std::string& name) {
    return ::testing::TempDir() + "draftlift-" + std::to_string(getpid()) + "-" + name;
}

}  // namespace

ToolResult RunTool(const std::vector<std::string>& arguments) {
    const std::string out = ScratchPath("out.txt");
    const std::string err = ScratchPath("err.txt");
    std::string command = Quoted(DRAFTLIFT_TOOL);
    for (const std::string& argument : arguments) command += " " + Quoted(argument);
    command += " >" + Quoted(out) + " 2>" + Quoted(err) + " </dev/null";
    const int status = std::system(command.c_str());
    ToolResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = Slurp(out);
    result.err = Slurp(err);
    std::remove(out.c_str());
    std::remove(err.c_str());
    return result;
}

std::string WritePart(const std::string& name, const std::string& contents) {
    const std::string path = ScratchPath(name);
    std::ofstream(path, std::ios::binary) << contents;
    return path;
}

}  // namespace tool_tests
