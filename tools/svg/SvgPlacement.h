// Where each annotation's figure stands on the page: beside its anchor, on
// the far side from its targets; figures sharing an anchor stacked around
// it in an order whose leaders cross as little as can be found; and no
// figure over another.
#pragma once

#include <vector>

#include "host/kscene/KMBD.h"
#include "tools/svg/SvgAttachments.h"
#include "tools/svg/SvgLayout.h"

namespace draftlift_tool {

// One place per annotation, in the order given.
std::vector<Placed> PlaceFigures(const std::vector<const KMBDBase*>& annotations, const Projection& projection);

}  // namespace draftlift_tool
