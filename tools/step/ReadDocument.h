// The PMI items of a document read from a file, gathered by the leader each
// is attached to, in the leaders' order; items on shapes of other files
// stand alone, after them.
#pragma once

#include <vector>

#include "tools/step/Document.h"
#include "tools/step/Items.h"

namespace draftlift_tool::step {

std::vector<ItemGroup> GatherItems(const PmiDocument& document);

}  // namespace draftlift_tool::step
