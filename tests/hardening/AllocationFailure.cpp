#include "tests/hardening/AllocationFailure.h"

#include <cstdlib>
#include <new>

namespace {

long countdown = -1;
bool failed = false;
long live = 0;

void* Allocate(std::size_t size) {
    if (countdown == 0) {
        countdown = -1;
        failed = true;
        throw std::bad_alloc();
    }
    if (countdown > 0) --countdown;
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) throw std::bad_alloc();
    ++live;
    return block;
}

void Release(void* block) noexcept {
    if (block == nullptr) return;
    --live;
    std::free(block);
}

}  // namespace

namespace allocation {

void FailAfter(long allowed) {
    countdown = allowed;
    failed = false;
}

void Disarm() { countdown = -1; }
bool Failed() { return failed; }
long LiveBlocks() { return live; }

}  // namespace allocation

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return operator new(size, tag);
}

void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t) noexcept { Release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Release(block); }
