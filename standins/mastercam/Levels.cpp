// The host's level state: active and visible level lists and the main level.
#include <algorithm>

#include "standins/mastercam/HostStandIn.h"

std::int32_t main_level = 0;

namespace {

standin::host::Levels& Current() {
    static standin::host::Levels levels;
    return levels;
}

std::vector<standin::host::LevelQuery>& Queries() {
    static std::vector<standin::host::LevelQuery> queries;
    return queries;
}

// Count query with a null array, copy into an array of that size otherwise.
void Report(const std::vector<std::int32_t>& list, std::int32_t* count, std::int32_t* levels) {
    if (levels == nullptr) {
        *count = static_cast<std::int32_t>(list.size());
        return;
    }
    const auto n = std::min<std::size_t>(list.size(), static_cast<std::size_t>(std::max(*count, 0)));
    std::copy_n(list.begin(), n, levels);
}

}  // namespace

void get_active_levels(std::int32_t* count, std::int32_t* levels) {
    Queries().push_back({false, levels != nullptr, levels != nullptr ? *count : 0});
    Report(Current().active, count, levels);
}

void get_visible_levels(std::int32_t* count, std::int32_t* levels) {
    Queries().push_back({true, levels != nullptr, levels != nullptr ? *count : 0});
    Report(Current().visible, count, levels);
}

namespace standin::host {

void SetLevels(const Levels& levels) {
    Current() = levels;
    main_level = levels.main;
    Queries().clear();
}

const std::vector<LevelQuery>& LevelQueries() { return Queries(); }

}  // namespace standin::host
