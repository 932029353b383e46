// The scene's objects by address: an open-addressing table of address and
// position pairs in one array, so that a scene of many objects costs no
// allocation per object and a lookup touches one or two cache lines.
#pragma once

#include <cstddef>
#include <vector>

class AddressIndex {
public:
    static constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);

    std::size_t size() const { return m_size; }
    // The position stored for the address, or kAbsent.
    std::size_t Find(const void* address) const;
    // Stores a new address; the index is unchanged should growing it throw.
    void Insert(const void* address, std::size_t position);
    void Erase(const void* address);
    // Gives the memory back too.
    void Clear();

private:
    struct Slot {
        const void* address = nullptr;
        std::size_t position = 0;
    };

    std::size_t Home(const void* address) const;
    std::size_t Next(std::size_t slot) const { return (slot + 1) & (m_slots.size() - 1); }
    std::size_t SlotOf(const void* address) const;
    void Grow();
    void Place(Slot slot);

    // A power of two in size, at most half full; a null address marks a
    // free slot.
    std::vector<Slot> m_slots;
    std::size_t m_size = 0;
};
