// Building note record texts for the tests: lines joined with carriage
// returns, and a header and settings lines from their few meaningful values.
#pragma once

#include <initializer_list>
#include <string>

#include "host/WinTypes.h"
#include "tests/support/WideText.h"

namespace import_tests {

inline WString Lines(std::initializer_list<WString> lines) {
    WString text;
    for (const WString& line : lines) {
        if (!text.empty()) text += u'\r';
        text += line;
    }
    return text;
}

inline WString Number(long long value) {
    const std::string digits = std::to_string(value);
    return WString(digits.begin(), digits.end());
}

inline WString Header(const WString& name, int kind, int groupId = 0, int entityId = 0) {
    return u"0|"_w + name + u"|"_w + Number(kind) + u"|"_w + Number(groupId) + u"|"_w + Number(entityId) + u"|0|0||0|0"_w;
}

struct Settings {
    bool row1 = false, row2 = false, row3 = false, row4 = false, row5 = false;
    bool datumLabel = false, text5 = false, dimension = false;
    int textLines = 0;

    Settings& Row(int n) {
        bool* rows[] = {&row1, &row2, &row3, &row4, &row5};
        *rows[n - 1] = true;
        return *this;
    }
    Settings& Label() { datumLabel = true; return *this; }
    Settings& Text5() { text5 = true; return *this; }
    Settings& Dimension() { dimension = true; return *this; }
    Settings& TextLines(int count) { textLines = count; return *this; }
};

// Layout 101 carries no rows 4 and 5 and no dimension flag.
inline WString Settings101(const Settings& s) {
    return u"101|0|0|0|"_w + Number(s.row1) + u"|"_w + Number(s.row2) + u"|"_w + Number(s.row3) + u"|"_w +
           Number(s.datumLabel) + u"|"_w + Number(s.text5) + u"|"_w + Number(s.textLines);
}

// The long layout 125 (eighteen numbers).
inline WString Settings125(const Settings& s) {
    return u"125|0|0|0|"_w + Number(s.row1) + u"|"_w + Number(s.row2) + u"|"_w + Number(s.row3) + u"|"_w +
           Number(s.row4) + u"|"_w + Number(s.row5) + u"|0|0|0|0|0|"_w + Number(s.datumLabel) + u"|"_w +
           Number(s.text5) + u"|"_w + Number(s.textLines) + u"|"_w + Number(s.dimension);
}

inline WString DimensionHeader(int type, bool row1, bool row2, bool row3, int number, bool datumLabel,
                               int textLines) {
    return u"126|0|"_w + Number(type) + u"|0|0|0|"_w + Number(row1) + u"|"_w + Number(row2) + u"|"_w + Number(row3) +
           u"|"_w + Number(number) + u"|"_w + Number(datumLabel) + u"|"_w + Number(textLines);
}

// A label line with the label in field 20.
inline WString DimensionLabel(const WString& label) {
    WString line = u"0"_w;
    for (int field = 1; field < 20; ++field) line += u"|0"_w;
    return line + u"|"_w + label + u"|0|0"_w;
}

inline WString DimensionValues(const WString& first, const WString& second) {
    return u"1|0|0|0|0|"_w + first + u"|"_w + second + u"|0"_w;
}

}  // namespace import_tests
