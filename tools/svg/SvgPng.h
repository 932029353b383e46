// The drawing as a PNG picture, rendered by rsvg-convert (Debian package
// librsvg2-bin), which must be on the PATH.
#pragma once

#include <string>

namespace draftlift_tool {

// Renders the SVG file at `svgPath`, whose page is `width` by `height`, to
// `pngPath`; pages larger than rsvg-convert's images are drawn smaller. An
// empty result means success, anything else says what went wrong.
std::string RenderPng(const std::string& svgPath, double width, double height, const std::string& pngPath);

// A file name in the temporary folder, removed with this object.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& suffix);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

}  // namespace draftlift_tool
