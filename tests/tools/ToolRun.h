// Runs the draftlift executable as a user would and collects what it says.
#pragma once

#include <string>
#include <vector>

namespace tool_tests {

struct ToolResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

ToolResult RunTool(const std::vector<std::string>& arguments);
// Writes a part file into the test's temporary folder and returns its path.
std::string WritePart(const std::string& name, const std::string& contents);

}  // namespace tool_tests
