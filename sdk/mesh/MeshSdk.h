// What the cloud and mesh functions share: their result codes, the step that
// reports a change, and colour conversion.
#pragma once

#include <cmath>
#include <cstdint>

#include "host/kscene/KObject.h"
#include "host/kscene/KScene.h"

namespace sdk::mesh {

enum Result : std::int32_t { kSuccess = 0, kFailure = -1 };

// Tells the scene the object changed, if the scene holds it; an unfinished
// object changes silently.
inline void ReportChange(KScene& scene, const void* handle) {
    if (const boost::shared_ptr<KObject> held = scene.GetObjectPtr(handle)) scene.ObjectModified(held);
}

// Products from here on (and NaN) fit no 64-bit integer.
constexpr float kBeyondInt64 = 9223372036854775808.0f;  // 2^63

// 0.0 to 1.0 to a byte: times 255 in single precision, truncated, low eight
// bits kept (no clamping). A product the truncation cannot hold, NaN and the
// infinities included, gives 0: the low byte of any finite product from 2^31
// up is 0 anyway.
inline std::uint8_t ColorByte(float component) {
    const float product = component * 255.0f;
    if (!(std::fabs(product) < kBeyondInt64)) return 0;
    return static_cast<std::uint8_t>(static_cast<std::int64_t>(product));
}

inline KColor ColorOf(const float* rgba) {
    return {ColorByte(rgba[0]), ColorByte(rgba[1]), ColorByte(rgba[2]), ColorByte(rgba[3])};
}

}  // namespace sdk::mesh
