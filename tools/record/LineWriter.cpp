#include "tools/record/LineWriter.h"

#include <array>
#include <charconv>

namespace noterecord {
namespace {

constexpr WCHAR kFieldSeparator = u'|';
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

LineWriter& LineWriter::Number(std::int32_t value) {
    m_out.push_back(kFieldSeparator);
    Decimal(value);
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

// Most numbers of a record are flags and codes of one digit.
void LineWriter::Decimal(std::int32_t value) {
    if (value >= 0 && value <= 9) {
        m_out.push_back(WCHAR(u'0' + value));
        return;
    }
    std::array<char, kDecimalDigits> digits;
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    m_out.append(digits.data(), end);
}

}  // namespace noterecord
