// Records filled with a marker byte before their Init runs, so that a test
// can tell which bytes Init wrote and which it must leave alone.
#pragma once

#include <algorithm>
#include <cstring>

namespace testing_support {

constexpr unsigned char kFill = 0xAB;

// Init on a record full of kFill; a null record must be ignored.
template <class Record>
Record InitFilled(void (*init)(Record*)) {
    Record record;
    std::memset(&record, kFill, sizeof record);
    init(&record);
    init(nullptr);
    return record;
}

// Whether the bytes first..last of the record still hold kFill.
template <class Record>
bool Untouched(const Record& record, int first, int last) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
    return std::all_of(bytes + first, bytes + last + 1, [](unsigned char b) { return b == kFill; });
}

}  // namespace testing_support
