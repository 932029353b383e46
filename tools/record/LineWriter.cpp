#include "tools/record/LineWriter.h"

#include <array>
#include <charconv>

namespace noterecord {
namespace {

constexpr WCHAR kCarriageReturn = u'\r';
constexpr WCHAR kLineFeed = u'\n';
// A sign and ten digits hold every 32-bit integer.
constexpr std::size_t kDecimalDigits = 11;

}  // namespace

LineWriter& LineWriter::Line(std::int32_t first) {
    Separate();
    Decimal(first);
    return *this;
}

LineWriter& LineWriter::Line(WStringView whole) {
    Separate();
    m_out.append(whole);
    return *this;
}

LineWriter& LineWriter::Numbers(std::size_t count, std::int32_t value) {
    for (std::size_t k = 0; k < count; ++k) Number(value);
    return *this;
}

LineWriter& LineWriter::Text(WStringView text) {
    m_out.push_back(kFieldSeparator);
    m_out.append(text);
    return *this;
}

// Lines are separated, not terminated: the record's last line ends the text.
void LineWriter::Separate() {
    if (m_out.size() == m_start) return;
    m_out.push_back(kCarriageReturn);
    m_out.push_back(kLineFeed);
}

void LineWriter::LongDecimal(std::int32_t value) {
    std::array<char, kDecimalDigits> digits;
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    m_out.append(digits.data(), end);
}

}  // namespace noterecord
