// Building note record texts for the tests: lines joined with carriage
// returns, and a header and settings lines from their few meaningful values.
#pragma once

#include <initializer_list>
#include <string>

#include "host/WinTypes.h"

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
    return u"0|" + name + u"|" + Number(kind) + u"|" + Number(groupId) + u"|" + Number(entityId) + u"|0|0||0|0";
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
    return u"101|0|0|0|" + Number(s.row1) + u"|" + Number(s.row2) + u"|" + Number(s.row3) + u"|" +
           Number(s.datumLabel) + u"|" + Number(s.text5) + u"|" + Number(s.textLines);
}

// The long layout 125 (eighteen numbers).
inline WString Settings125(const Settings& s) {
    return u"125|0|0|0|" + Number(s.row1) + u"|" + Number(s.row2) + u"|" + Number(s.row3) + u"|" +
           Number(s.row4) + u"|" + Number(s.row5) + u"|0|0|0|0|0|" + Number(s.datumLabel) + u"|" +
           Number(s.text5) + u"|" + Number(s.textLines) + u"|" + Number(s.dimension);
}

inline WString DimensionHeader(int type, bool row1, bool row2, bool row3, int number, bool datumLabel,
                               int textLines) {
    return u"126|0|" + Number(type) + u"|0|0|0|" + Number(row1) + u"|" + Number(row2) + u"|" + Number(row3) +
           u"|" + Number(number) + u"|" + Number(datumLabel) + u"|" + Number(textLines);
}

// A label line with the label in field 20.
inline WString DimensionLabel(const WString& label) {
    WString line = u"0";
    for (int field = 1; field < 20; ++field) line += u"|0";
    return line + u"|" + label + u"|0|0";
}

inline WString DimensionValues(const WString& first, const WString& second) {
    return u"1|0|0|0|0|" + first + u"|" + second + u"|0";
}

}  // namespace import_tests
