// How a named-view record becomes what the view keeps: the view description
// and the visibility set built from the record's two handle lists.
#pragma once

#include "draftlift/draftlift.h"
#include "host/kscene/KCapturedView.h"
#include "host/kscene/KScene.h"

namespace sdk::view {

// The record's 3 x 3 orientation in a 4 x 4 matrix without translation,
// followed by the three view values unchanged.
KCapturedView::KView DescribeView(const KSDKNamedViewData& data);

// One pair per distinct scene object of each list: shown for the first list,
// hidden for the second. Handles the scene does not hold as scene objects
// are skipped.
KCapturedView::VisibilitySet ListedVisibility(const KScene& scene, const KSDKNamedViewData& data);

}  // namespace sdk::view
