#include "sdk/view/LevelQuery.h"

#include <cstddef>
#include <stdexcept>

namespace sdk::view {

std::vector<std::int32_t> QueryLevels(LevelQuery query, std::int32_t& count) {
    query(&count, nullptr);
    if (count < 0) throw std::length_error("negative level count");
    std::vector<std::int32_t> levels(static_cast<std::size_t>(count), 0);
    if (count != 0) query(&count, levels.data());
    return levels;
}

}  // namespace sdk::view
