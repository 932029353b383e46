// Finding a handle among the scene's objects of one class, as the finishing
// functions do: the scene lists them, one walk keeps the match.
#pragma once

#include <algorithm>
#include <list>

#include <boost/shared_ptr.hpp>

#include "host/kscene/KObject.h"
#include "host/kscene/KScene.h"

namespace sdk {

// The scene's pointer to the object of class T at `handle`; empty when the
// scene holds none there. A failure of the listing reaches the caller.
template <class T>
boost::shared_ptr<KObject> ListedObject(const KScene& scene, const void* handle) {
    std::list<boost::shared_ptr<KObject>> listed;
    scene.GetAllObjectsOfType(listed, is_kind_of<T>());
    const auto found = std::find_if(listed.begin(), listed.end(),
                                    [&](const auto& object) { return object.get() == handle; });
    return found != listed.end() ? *found : boost::shared_ptr<KObject>();
}

}  // namespace sdk
