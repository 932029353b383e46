// Allocation failure on demand: this test program replaces the global
// allocation functions, counts the blocks alive and can make the n-th
// allocation from now throw std::bad_alloc.
#pragma once

namespace allocation {

// The allocation after `allowed` more succeed fails; negative disarms.
void FailAfter(long allowed);
void Disarm();
// Whether the armed failure has happened.
bool Failed();
long LiveBlocks();

}  // namespace allocation
