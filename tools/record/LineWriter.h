// Lines of a record text as they are appended: fields separated by '|',
// lines by "\r\n", numbers in decimal. The texts given are put in as they
// are; whether they can stand in a field is checked by FieldText.
#pragma once

#include <cstddef>
#include <cstdint>

#include "import/RecordReader.h"

namespace noterecord {

using noteimport::WStringView;

// A wide text from a UTF-16 literal, whichever type WCHAR is.
template <std::size_t N>
WString Literal(const char16_t (&text)[N]) {
    return WString(text, text + N - 1);
}

class LineWriter {
public:
    explicit LineWriter(WString& out) : m_out(out), m_start(out.size()) {}

    // Starts a line whose field 0 is a number (a line code, or 0).
    LineWriter& Line(std::int32_t first);
    // Starts a line that is taken whole (a note text line).
    LineWriter& Line(WStringView whole);
    LineWriter& Number(std::int32_t value) {
        m_out.push_back(kFieldSeparator);
        Decimal(value);
        return *this;
    }
    LineWriter& Flag(bool value) { return Number(value ? 1 : 0); }
    // The same number in count fields.
    LineWriter& Numbers(std::size_t count, std::int32_t value);
    LineWriter& Text(WStringView text);

    // Drops everything appended since construction.
    void Undo() { m_out.resize(m_start); }

private:
    static constexpr WCHAR kFieldSeparator = u'|';

    void Separate();
    // Most numbers of a record are flags and codes of one digit.
    void Decimal(std::int32_t value) {
        if (value >= 0 && value <= 9) {
            m_out.push_back(WCHAR(u'0' + value));
        } else {
            LongDecimal(value);
        }
    }
    void LongDecimal(std::int32_t value);

    WString& m_out;
    const std::size_t m_start;
};

}  // namespace noterecord
