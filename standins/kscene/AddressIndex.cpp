#include "standins/kscene/AddressIndex.h"

#include <cstdint>

namespace {

constexpr std::size_t kFirstCapacity = 16;
// Fibonacci hashing spreads the aligned, clustered addresses of one heap.
constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;

}  // namespace

std::size_t AddressIndex::Home(const void* address) const {
    const auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(address));
    return static_cast<std::size_t>((bits * kMultiplier) >> 32) & (m_slots.size() - 1);
}

// The slot holding the address, or the free slot where the probe ends.
std::size_t AddressIndex::SlotOf(const void* address) const {
    std::size_t slot = Home(address);
    while (m_slots[slot].address != nullptr && m_slots[slot].address != address) slot = Next(slot);
    return slot;
}

std::size_t AddressIndex::Find(const void* address) const {
    if (m_size == 0 || address == nullptr) return kAbsent;
    const Slot& slot = m_slots[SlotOf(address)];
    return slot.address == address ? slot.position : kAbsent;
}

void AddressIndex::Place(Slot slot) { m_slots[SlotOf(slot.address)] = slot; }

void AddressIndex::Grow() {
    AddressIndex bigger;
    bigger.m_slots.resize(m_slots.empty() ? kFirstCapacity : 2 * m_slots.size());
    for (const Slot& slot : m_slots) {
        if (slot.address != nullptr) bigger.Place(slot);
    }
    m_slots.swap(bigger.m_slots);
}

void AddressIndex::Insert(const void* address, std::size_t position) {
    if (2 * (m_size + 1) > m_slots.size()) Grow();
    Place({address, position});
    ++m_size;
}

// Linear probing cannot leave holes: later members of the probe run move up
// into the freed slot when their home allows it.
void AddressIndex::Erase(const void* address) {
    if (Find(address) == kAbsent) return;
    std::size_t hole = SlotOf(address);
    for (std::size_t slot = Next(hole); m_slots[slot].address != nullptr; slot = Next(slot)) {
        const std::size_t home = Home(m_slots[slot].address);
        // Movable unless its home lies cyclically within (hole, slot].
        const bool homeAfterHole = hole <= slot ? (home > hole && home <= slot) : (home > hole || home <= slot);
        if (homeAfterHole) continue;
        m_slots[hole] = m_slots[slot];
        hole = slot;
    }
    m_slots[hole] = Slot{};
    --m_size;
}

void AddressIndex::Clear() {
    std::vector<Slot>().swap(m_slots);
    m_size = 0;
}
