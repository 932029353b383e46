// The tool's version line.
#pragma once

#include <string>

namespace draftlift_tool {

// "draftlift 21.0.0.2 (annotation interface 2.7, cloud and mesh interface 1.0)"
std::string VersionText();

}  // namespace draftlift_tool
