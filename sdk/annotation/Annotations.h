// Annotation handles and the handles of an annotation's parts.
//
// An annotation handle is tested by run-time type on the object at its
// address (sdk::Expect, sdk::Find): no scene is needed, and an annotation
// keeps working while the scene library reports no scene. Only finishing
// looks an annotation up in the scene.
#pragma once

#include "draftlift/draftlift.h"
#include "host/kscene/KObject.h"
#include "sdk/Handles.h"

namespace sdk::annotation {

// The handle the interface gives out for an object.
inline KSDKHandle HandleOf(KObject* object) { return object; }

// Targets, sub-frames, controls and balloons are handed out as their own
// addresses and taken back without a type test: only null is refused.
template <class Part>
KSDKHandle PartHandle(Part* part) {
    return part;
}

template <class Part>
Part& ExpectPart(KSDKHandle handle) {
    if (handle == nullptr) throw sdk::kWrongHandle;
    return *static_cast<Part*>(handle);
}

}  // namespace sdk::annotation
