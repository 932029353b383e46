// The scene's MBD symbol characters: each symbol has a narrow stand-in
// character for texts and a wide display character.
#include <array>

#include "host/kscene/KMBD.h"
#include "standins/kscene/Failing.h"

namespace {

constexpr unsigned char kFirstSymbolByte = 0x80;

// Display characters, in KMBDBase::MBDSymbol order.
constexpr std::array<WCHAR, KMBDBase::SymbolCount> kDisplay = {
    0xFFC9, 0xFFDC, 0xFFD8, 0xFFED, 0xFFEC, 0xFFEE, 0xFFEF, 0xFFEA, 0xFFEB,
    0xFFF5, 0xFFF6, 0xFFF4, 0xFFF1, 0xFFF3, 0xFFF2, 0xFFFA, 0xFFF9, 0xFFDB,
    0xFFDA, 0xFFC5, 0xFFBF, 0xFFE0, 0xFFC4, 0xFFE2, 0xFFB1, 0xFFB0, 0xFFD1,
    0xFFD6, 0xFFE1, 0xFFC7, 0x007C, 0xFFE5, 0xFFD9};

// Bytes 0xA0 and up that are not symbols are Latin-1 characters.
WCHAR Widen(unsigned char byte) {
    const unsigned index = byte - kFirstSymbolByte;
    if (byte >= kFirstSymbolByte && index < kDisplay.size()) return kDisplay[index];
    return byte;
}

}  // namespace

char KMBDBase::GetNonUnicodeSymbol(MBDSymbol symbol) {
    standin::kscene::detail::ThrowIfFailing();
    if (symbol < 0 || symbol >= SymbolCount) return ' ';
    return static_cast<char>(kFirstSymbolByte + symbol);
}

WString KTextObject::ConvertMBDsymbolText(const std::string& text) {
    standin::kscene::detail::ThrowIfFailing();
    WString wide;
    wide.reserve(text.size());
    for (const char c : text) wide.push_back(Widen(static_cast<unsigned char>(c)));
    return wide;
}
