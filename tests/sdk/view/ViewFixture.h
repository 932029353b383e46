// Shared ground for the view tests: fresh stand-ins, objects put straight
// into the scene, and a readable form of a visibility set.
#pragma once

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

#include <boost/make_shared.hpp>

#include "draftlift/draftlift.h"
#include "host/kscene/KCapturedView.h"
#include "host/kscene/KScene.h"
#include "platform/kscene/KSceneStandIn.h"
#include "tests/support/StandIns.h"

namespace view_tests {

// A drawable object that is not an annotation.
class PlainSceneObject : public KSceneObject {};

// (shown, object) pairs, sorted by object address then flag.
using Entries = std::vector<std::pair<bool, const KObject*>>;

inline Entries EntriesOf(const KCapturedView::VisibilitySet& set) {
    Entries entries;
    for (const auto& [shown, object] : set) entries.emplace_back(shown, object.lock().get());
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return std::tie(a.second, a.first) < std::tie(b.second, b.first); });
    return entries;
}

inline Entries Sorted(Entries entries) {
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return std::tie(a.second, a.first) < std::tie(b.second, b.first); });
    return entries;
}

class ViewTest : public testing_support::FreshHost {
protected:
    template <class T>
    boost::shared_ptr<T> Add() {
        auto object = boost::make_shared<T>();
        standin::kscene::Scene().AddObject(object);
        return object;
    }

    static KSDKHandle HandleOf(const boost::shared_ptr<KObject>& object) { return object.get(); }

    static KCapturedView& ViewAt(KSDKHandle handle) {
        return *dynamic_cast<KCapturedView*>(static_cast<KObject*>(handle));
    }

    static int Notices(KSDKHandle handle) {
        return standin::kscene::Scene().impl().ModifiedCount(static_cast<const KObject*>(handle));
    }
};

}  // namespace view_tests
