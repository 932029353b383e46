// Annotations read from a file become recorded notes of a part: each one's
// record (the record whose import gives the same model back), written as a
// note at its target point. What no record holds is left out and said.
#pragma once

#include <vector>

#include <nlohmann/json.hpp>

#include "tools/step/Pmi.h"

namespace draftlift_tool::step {

struct PartFromPmi {
    nlohmann::json part;  // a part file's JSON: only the notes
    std::size_t notes = 0;
    std::vector<Loss> skipped;
};

PartFromPmi PartOf(const std::vector<PmiAnnotation>& annotations);

}  // namespace draftlift_tool::step
