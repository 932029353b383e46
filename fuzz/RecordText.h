// Fuzz input bytes as a record text: bytes widen one to one, so seeds stay
// readable; a byte from 0xF0 up introduces one raw code unit in the next two
// bytes (high byte first), for symbol characters, surrogates and the rest of
// UTF-16. The seed corpora of the record fuzzers are written this way.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/WinTypes.h"

namespace fuzz_input {

inline WString RecordText(const std::uint8_t* data, std::size_t size) {
    constexpr std::uint8_t kRawUnit = 0xF0;
    WString text;
    text.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] >= kRawUnit && i + 2 < size) {
            text.push_back(static_cast<WCHAR>((data[i + 1] << 8) | data[i + 2]));
            i += 2;
        } else {
            text.push_back(data[i]);
        }
    }
    return text;
}

}  // namespace fuzz_input
