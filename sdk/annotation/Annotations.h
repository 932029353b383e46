// Annotation handles: the address of an annotation the scene holds.
//
// The run-time type test is made on the scene's own pointer for the address,
// never on the bare address: a sub-frame, control or balloon handle is not a
// KObject, and treating its address as one would be undefined. An address the
// scene does not hold (a target, a part, an object of a cleared scene) is
// refused like any other handle of the wrong type.
#pragma once

#include <boost/shared_ptr.hpp>

#include "draftlift/draftlift.h"
#include "host/kscene/KScene.h"
#include "sdk/Handles.h"

namespace sdk::annotation {

// The scene's pointer for the handle; empty for null, without a scene, or
// when the scene holds nothing at that address.
inline boost::shared_ptr<KObject> HeldObject(KSDKHandle handle) {
    if (handle == nullptr) return {};
    const KScene* scene = KD::GetScene();
    return scene != nullptr ? scene->GetObjectPtr(handle) : boost::shared_ptr<KObject>();
}

// The held object as T, or null. The scene keeps the object alive for the
// rest of the call.
template <class T>
T* FindAnnotation(KSDKHandle handle) {
    const boost::shared_ptr<KObject> held = HeldObject(handle);
    return held ? sdk::Find<T>(held.get()) : nullptr;
}

// The held object as T; raises the wrong-handle value otherwise.
template <class T>
T& ExpectAnnotation(KSDKHandle handle) {
    const boost::shared_ptr<KObject> held = HeldObject(handle);
    return sdk::Expect<T>(held.get());
}

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
