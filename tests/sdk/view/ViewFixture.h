// Shared ground for the view tests: fresh stand-ins, objects put straight
// into the scene, and a visibility set as sorted (shown, object) pairs.
#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include <boost/make_shared.hpp>

#include "draftlift/draftlift.h"
#include "host/kscene/KCapturedView.h"
#include "standins/kscene/KSceneStandIn.h"
#include "tests/support/StandIns.h"

namespace view_tests {

// A drawable object that is not an annotation.
class PlainSceneObject : public KSceneObject {};

using Pairs = std::vector<std::pair<bool, const KObject*>>;

inline Pairs Sorted(Pairs entries) {
    std::sort(entries.begin(), entries.end());
    return entries;
}

inline Pairs PairsOf(const KCapturedView::VisibilitySet* set) {
    Pairs entries;
    if (set != nullptr) for (const auto& [shown, object] : *set) entries.emplace_back(shown, object.lock().get());
    return Sorted(entries);
}

class ViewTest : public testing_support::FreshHost {
protected:
    template <class T>
    static boost::shared_ptr<T> Add() {
        auto object = boost::make_shared<T>();
        standin::kscene::Scene().AddObject(object);
        return object;
    }
    static KCapturedView& ViewAt(KSDKHandle handle) { return dynamic_cast<KCapturedView&>(*static_cast<KObject*>(handle)); }
};

}  // namespace view_tests
