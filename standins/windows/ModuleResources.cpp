// Resources bound into a module where no resource compiler does it: the
// module's loader registers its table under the module's handle.
#include <map>
#include <vector>

#include "standins/windows/ModuleResources.h"

namespace standin::windows {
namespace {

std::map<HMODULE, std::vector<ResourceEntry>>& Tables() {
    static std::map<HMODULE, std::vector<ResourceEntry>> tables;
    return tables;
}

}  // namespace

void RegisterModuleResources(HMODULE module, const ResourceEntry* entries, std::size_t count) {
    Tables()[module].assign(entries, entries + count);
}

const ResourceEntry* FindModuleResource(HMODULE module, ResourceType type, std::uint16_t id) {
    const auto found = Tables().find(module);
    if (found == Tables().end()) return nullptr;
    for (const ResourceEntry& entry : found->second) {
        if (entry.type == type && entry.id == id) return &entry;
    }
    return nullptr;
}

}  // namespace standin::windows
