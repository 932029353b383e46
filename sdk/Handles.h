// Handles of the exported interface and the failure rules every exported
// function shares: a handle of the wrong run-time type is raised as the
// integer 0 and caught, with everything else, by the function that raised it.
#pragma once

#include "host/kscene/KObject.h"

namespace sdk {

// The value a wrong or null handle is raised as.
constexpr int kWrongHandle = 0;

// The handles tested by type name the scene library's objects (annotations,
// their targets, named views, clouds and meshes), each rooted in KObject at
// its own address, which makes the run-time type test possible.
template <class T>
T& Expect(void* handle) {
    T* object = handle != nullptr ? dynamic_cast<T*>(static_cast<KObject*>(handle)) : nullptr;
    if (object == nullptr) throw kWrongHandle;
    return *object;
}

// The object as T, or null when the handle names something else.
template <class T>
T* Find(void* handle) {
    return handle != nullptr ? dynamic_cast<T*>(static_cast<KObject*>(handle)) : nullptr;
}

// Runs the body and swallows whatever it throws: the setters' rule.
template <class Body>
void Guarded(Body&& body) noexcept {
    try {
        body();
    } catch (...) {
    }
}

// Runs the body and gives its result, or the failure value if it throws.
template <class Result, class Body>
Result Guarded(Result failure, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return failure;
    }
}

}  // namespace sdk
