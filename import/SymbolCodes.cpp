#include "import/SymbolCodes.h"

#include <array>
#include <cstddef>

namespace noteimport {
namespace {

constexpr WCHAR kSpace = u' ';
constexpr std::int32_t kHighestCode = 47;

// Indexed by code; 0 marks the codes that have no character of their own.
constexpr std::array<WCHAR, kHighestCode + 1> kSymbolChars = [] {
    std::array<WCHAR, kHighestCode + 1> chars{};
    chars[6] = 0xFFC9;
    chars[8] = 0xFFDC;
    chars[10] = 0xFFD8;
    chars[12] = 0xFFED;
    chars[13] = 0xFFEC;
    chars[14] = 0xFFEE;
    chars[16] = 0xFFEF;
    chars[19] = 0xFFEA;
    chars[20] = 0xFFEB;
    chars[22] = 0xFFF5;
    chars[23] = 0xFFF6;
    chars[24] = 0xFFF4;
    chars[26] = 0xFFF1;
    chars[27] = 0xFFF3;
    chars[28] = 0xFFF2;
    chars[29] = 0xFFFA;
    chars[30] = 0xFFF9;
    chars[31] = 0xFFDB;
    chars[32] = 0xFFDA;
    chars[33] = 0xFFC5;
    chars[34] = 0xFFBF;
    chars[35] = 0xFFE0;
    chars[36] = 0xFFC4;
    chars[37] = 0xFFE2;
    chars[38] = 0xFFB1;
    chars[39] = 0xFFB0;
    chars[40] = 0xFFD1;
    chars[41] = 0xFFD6;
    chars[42] = 0xFFE1;
    chars[43] = 0xFFC7;
    chars[44] = u'|';
    chars[45] = 0xFFE5;
    chars[47] = 0xFFD9;
    return chars;
}();

void AppendCode(WString& text, std::int32_t code) { text.push_back(HostSymbolChar(code)); }

}  // namespace

WCHAR HostSymbolChar(std::int32_t code) {
    // Negative codes count as beyond the table.
    if (code < 0 || code > kHighestCode) return kSpace;
    const WCHAR c = kSymbolChars[static_cast<std::size_t>(code)];
    return c != 0 ? c : kSpace;
}

WString BuildToleranceText(std::int32_t codeA, WStringView valueText, std::int32_t codeB,
                           WStringView textB, std::int32_t codeC, WStringView textC) {
    WString text;
    text.reserve(valueText.size() + textB.size() + textC.size() + 8);
    if (codeA != 0) {
        AppendCode(text, codeA);
        text.push_back(kSpace);
    }
    text.append(valueText);
    if (codeB != 0) {
        text.push_back(kSpace);
        AppendCode(text, codeB);
    }
    if (!textB.empty()) {
        text.push_back(kSpace);
        text.append(textB);
    }
    if (codeC != 0) {
        text.push_back(kSpace);
        AppendCode(text, codeC);
    }
    if (!textC.empty()) {
        text.push_back(kSpace);
        text.append(textC);
    }
    return text;
}

}  // namespace noteimport
