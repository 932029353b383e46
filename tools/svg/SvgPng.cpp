#include "tools/svg/SvgPng.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>

namespace draftlift_tool {
namespace {

constexpr double kLargestImage = 32000;  // pixels a side; rsvg-convert stops at 32767

// One argument for the platform's command interpreter.
std::string Quoted(const std::string& argument) {
#ifdef _WIN32
    return "\"" + argument + "\"";
#else
    std::string quoted = "'";
    for (const char c : argument) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
#endif
}

}  // namespace

std::string RenderPng(const std::string& svgPath, double width, double height, const std::string& pngPath) {
#ifdef _WIN32
    if (pngPath.find('"') != std::string::npos) return "a file name cannot hold '\"'";
#endif
    const double zoom = std::min(1.0, kLargestImage / std::max({width, height, 1.0}));
    const std::string command = "rsvg-convert -f png -z " + std::to_string(zoom) + " -o " + Quoted(pngPath) + " " +
                                Quoted(svgPath);
    if (std::system(command.c_str()) != 0) {
        return "rsvg-convert could not render it (it comes with the package librsvg2-bin)";
    }
    return {};
}

TemporaryFile::TemporaryFile(const std::string& suffix) {
    std::random_device random;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    const std::string name = "draftlift-" + std::to_string(random()) + "-" + std::to_string(now) + suffix;
    m_path = (std::filesystem::temp_directory_path() / name).string();
}

TemporaryFile::~TemporaryFile() {
    std::error_code ignored;
    std::filesystem::remove(m_path, ignored);
}

}  // namespace draftlift_tool
