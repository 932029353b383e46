// The PMI items of a document read from a file, gathered by the leader each
// is attached to, in the leaders' order; items on shapes of other files
// stand alone, after them.
#pragma once

#include <vector>

#include "tools/step/Document.h"
#include "tools/step/Items.h"
#include "tools/step/LooseDatums.h"

namespace draftlift_tool::step {

// `loose`: datum features read from the file's entities, for the leaders
// whose feature the document lacks.
std::vector<ItemGroup> GatherItems(const PmiDocument& document, const std::vector<LooseDatum>& loose);

}  // namespace draftlift_tool::step
