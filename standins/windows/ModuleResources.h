// A module's resources where no resource compiler binds them into it: the
// module's loader registers a table under the module's handle, and lookups
// find them there as Windows finds them in the image.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/WinTypes.h"

namespace standin::windows {

// Resource types by their Windows numbers (RT_BITMAP, RT_STRING,
// RT_VERSION); the add-in's PNG images use a custom type.
enum class ResourceType : std::uint16_t { Bitmap = 2, String = 6, Version = 16, Png = 18000 };

struct ResourceEntry {
    ResourceType type;
    std::uint16_t id;
    std::uint16_t language;
    const unsigned char* data;
    std::size_t size;
};

void RegisterModuleResources(HMODULE module, const ResourceEntry* entries, std::size_t count);
// The resource of a module, or null.
const ResourceEntry* FindModuleResource(HMODULE module, ResourceType type, std::uint16_t id);

}  // namespace standin::windows
