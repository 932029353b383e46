// Defaults of the cloud and mesh records. Field by field: the alignment
// gaps of the caller's record are left alone.
#include <algorithm>
#include <iterator>

#include "draftlift/draftlift.h"

namespace {

constexpr float kWhite[4] = {1.0f, 1.0f, 1.0f, 1.0f};

}  // namespace

extern "C" {

KSDK_API void KSDKInitGeneralInfo(KSDKGeneralInfo* info) {
    if (info == nullptr) return;
    info->name = nullptr;
    info->hasColor = 0;
    std::copy(std::begin(kWhite), std::end(kWhite), info->color);
}

KSDK_API void KSDKInitVertices(KSDKVertices* vertices) {
    if (vertices == nullptr) return;
    vertices->points = nullptr;
    vertices->count = 0;
    vertices->normals = nullptr;
    vertices->scalars = nullptr;
    vertices->colors = nullptr;
}

KSDK_API void KSDKInitFaces(KSDKFaces* faces) {
    if (faces == nullptr) return;
    faces->indices = nullptr;
    faces->count = 0;
    faces->reserved = nullptr;
}

KSDK_API void KSDKInitTransform(KSDKTransform* transform) {
    if (transform == nullptr) return;
    for (int k = 0; k < 16; ++k) transform->m[k] = k % 5 == 0 ? 1.0 : 0.0;
}

}  // extern "C"
