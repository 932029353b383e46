// The host's level-list queries: the count with a null array first, then
// the levels only when there are some.
#pragma once

#include <cstdint>
#include <vector>

namespace sdk::view {

// get_active_levels or get_visible_levels.
using LevelQuery = void (*)(std::int32_t* count, std::int32_t* levels);

// Asks for the count through `count` (which the caller may share between
// queries), then fills a list of that length. The list keeps that length
// whatever the second call writes into the count. A negative count throws
// std::length_error.
std::vector<std::int32_t> QueryLevels(LevelQuery query, std::int32_t& count);

}  // namespace sdk::view
