// The maker's extension-framework base class of an add-in's application object.
#pragma once

#include <cstdint>

class KExtBase {
public:
    virtual ~KExtBase() = default;
    // The framework hands over a block of 64-bit words; word 2 is the
    // add-in's resource module.
    virtual bool Initialize(std::uint64_t* block) = 0;
};
