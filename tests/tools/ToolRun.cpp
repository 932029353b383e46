#include "tests/tools/ToolRun.h"

#include <sys/wait.h>

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

}  // namespace

ToolResult RunTool(const std::vector<std::string>& arguments) {
    const std::string out = ::testing::TempDir() + "draftlift-out.txt";
    const std::string err = ::testing::TempDir() + "draftlift-err.txt";
    std::string command = Quoted(DRAFTLIFT_TOOL);
    for (const std::string& argument : arguments) command += " " + Quoted(argument);
    command += " >" + Quoted(out) + " 2>" + Quoted(err) + " </dev/null";
    const int status = std::system(command.c_str());
    ToolResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = Slurp(out);
    result.err = Slurp(err);
    return result;
}

std::string WritePart(const std::string& name, const std::string& contents) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << contents;
    return path;
}

}  // namespace tool_tests
