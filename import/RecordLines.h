// A record text cut into lines, and a line cut into positional fields.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "host/WinTypes.h"
#include "import/RecordReader.h"

namespace noteimport {

// The lines of a record: line feeds removed wherever they are, split at
// carriage returns, blank lines dropped, each line cut to its 999 units.
// Views into the text given (or a cleaned copy), so the text must outlive it.
class RecordLines {
public:
    explicit RecordLines(WStringView text);
    RecordLines(const RecordLines&) = delete;
    RecordLines& operator=(const RecordLines&) = delete;

    std::size_t size() const { return m_lines.size(); }
    WStringView operator[](std::size_t index) const { return m_lines[index].text; }

private:
    // A type of the library's own, so the vector's code stays inside it.
    struct Line {
        WStringView text;
    };

    bool Split(WStringView text);

    // Only made when the text holds line feeds.
    WString m_cleaned;
    std::vector<Line> m_lines;
};

// The positional fields of a line: field n is the text after the n-th '|'.
// A field beyond the last '|' reads as empty, so nothing past the line's end
// is ever read; an integer read from it is 0.
class LineFields {
public:
    static constexpr std::size_t kMaxFields = 24;

    // Only the first fieldCount fields are cut out; later ones read empty.
    explicit LineFields(WStringView line, std::size_t fieldCount = kMaxFields);

    WStringView operator[](std::size_t n) const { return n < kMaxFields ? m_fields[n] : WStringView(); }
    // The field cut to at most limit units.
    WString Text(std::size_t n, std::size_t limit) const;
    // The field read with _wtoi.
    std::int32_t Integer(std::size_t n) const;

private:
    std::array<WStringView, kMaxFields> m_fields{};
};

// The value of a text of at most nine plain digits (always within 32 bits),
// as every number reader here gives it; nothing for any other text.
std::optional<std::int32_t> ShortDigitRun(WStringView text);

// _wtoi and _wtof of a text that need not end in a zero.
std::int32_t WideInteger(WStringView text);
double WideDouble(WStringView text);

}  // namespace noteimport
