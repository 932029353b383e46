// The number-list reader: a narrow text cut into tokens at any separator
// character, each token read as a number.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "import/RecordReader.h"

namespace noteimport {

// The reader works on a copy of this size; longer texts are cut to fit.
constexpr std::size_t kNumberListBuffer = 9999;
constexpr std::string_view kFieldSeparator = "|";

// Whether a token takes part in a number list: any token without the bytes
// 0x12 and 0x14, the empty one included.
bool IsNumericToken(const char* token);

// Stores up to maxCount numbers from text into numbers (all maxCount set to
// 0 first) and returns how many were stored. Runs of separators count as
// one; with skipNonNumeric, tokens IsNumericToken rejects are passed over;
// every other token is read like atof, so text that is no number gives 0.
std::uint16_t ParseNumberList(std::string_view text, std::string_view separators,
                              bool skipNonNumeric, std::uint16_t maxCount, double* numbers);

// The numbers of a record line: its UTF-8 read with separator "|", skipping
// non-numeric tokens. Absent numbers read as 0.
template <std::size_t N>
struct NumberList {
    std::array<double, N> d{};
    std::uint16_t count = 0;

    double operator[](std::size_t k) const { return k < N ? d[k] : 0.0; }
    // A flag is set when its number, truncated, is not 0.
    bool Flag(std::size_t k) const;
    std::int32_t Integer(std::size_t k) const;
};

std::uint16_t ReadLineNumbers(WStringView line, std::uint16_t maxCount, double* numbers);

template <std::size_t N>
NumberList<N> ReadNumberList(WStringView line) {
    NumberList<N> list;
    list.count = ReadLineNumbers(line, static_cast<std::uint16_t>(N), list.d.data());
    return list;
}

// The code of a record line: its first number, truncated; 0 without one.
std::int32_t LineCode(WStringView line);

}  // namespace noteimport

#include "import/ValueText.h"

template <std::size_t N>
bool noteimport::NumberList<N>::Flag(std::size_t k) const {
    return ToInt32((*this)[k]) != 0;
}

template <std::size_t N>
std::int32_t noteimport::NumberList<N>::Integer(std::size_t k) const {
    return ToInt32((*this)[k]);
}
