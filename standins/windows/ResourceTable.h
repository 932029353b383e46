// The add-in's own resources where no resource compiler binds them into the
// module: the loader registers this table under the module's handle.
#pragma once

#include <cstddef>
#include <cstdint>

#include "standins/windows/ModuleResources.h"

namespace ResourceId {
constexpr std::uint16_t AddinName = 1;
constexpr std::uint16_t ImportCommand = 2;
constexpr std::uint16_t SmallBitmap = 18001;
constexpr std::uint16_t LargeBitmap = 18002;
constexpr std::uint16_t SmallPng = 18003;
constexpr std::uint16_t LargePng = 18004;
constexpr std::uint16_t Version = 1;
}  // namespace ResourceId

const standin::windows::ResourceEntry* DraftliftResources();
std::size_t DraftliftResourceCount();
