// Arbitrary bytes as a part file: the loader must never crash, and a refused
// file must leave the host empty while an accepted one loads every entity.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "standins/mastercam/PartFile.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    standin::host::Reset();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const partfile::Part part = partfile::Parse(text);
        partfile::Load(part);
        Require(standin::host::EntityCount() == part.entities.size());
    } catch (const partfile::PartFileError&) {
        Require(standin::host::EntityCount() == 0);
    }
    return 0;
}
