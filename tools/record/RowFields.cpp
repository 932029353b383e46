#include "tools/record/RowFields.h"

#include <algorithm>
#include <array>

#include "import/SymbolCodes.h"
#include "import/ValueText.h"
#include "tools/record/LineWriter.h"

namespace noterecord {
namespace {

constexpr WCHAR kValueLengthSeparator = u'/';
constexpr int kRowValueDecimals = 8;
constexpr std::size_t kValueBuffer = noteimport::RecordLimits::kRowText + 1;
const WString kZeroLower = Literal(u"0");
const WString kOtherLower = Literal(u"1");

// Codes past the last one with a character give a space, as 0 does.
constexpr std::int32_t kLastSymbolCode = 47;
constexpr WCHAR kNoCharacter = u' ';

struct Modifier {
    WCHAR character;
    std::int32_t code;
};

// Every code above 0 that stands for a character of its own, from the
// importer's own table.
struct ModifierTable {
    ModifierTable() {
        for (std::int32_t code = 1; code <= kLastSymbolCode; ++code) {
            const WCHAR c = noteimport::HostSymbolChar(code);
            if (c != kNoCharacter) entries[count++] = {c, code};
        }
    }
    std::array<Modifier, kLastSymbolCode> entries{};
    std::size_t count = 0;
};

std::int32_t ModifierCodeOf(WCHAR c) {
    static const ModifierTable table;
    const auto end = table.entries.begin() + table.count;
    const auto found = std::find_if(table.entries.begin(), end, [c](const Modifier& m) { return m.character == c; });
    return found == end ? 0 : found->code;
}

// As the reader converts field 3: _wtof of a zero-terminated copy.
double ReadValue(WStringView valueText) {
    std::array<WCHAR, kValueBuffer> terminated{};
    std::copy_n(valueText.begin(), std::min(valueText.size(), kValueBuffer - 1), terminated.begin());
    return _wtof(terminated.data());
}

// A plain decimal with a digit other than 0 is never read as zero: at 31
// characters it is far from the smallest double. Most values are such, and
// need no conversion.
bool PlainNonZero(WStringView text) {
    if (!text.empty() && text.front() == u'-') text.remove_prefix(1);
    bool point = false;
    bool nonZero = false;
    for (const WCHAR c : text) {
        if (c == u'.' && !point) {
            point = true;
        } else if (c >= u'0' && c <= u'9') {
            nonZero = nonZero || c != u'0';
        } else {
            return false;
        }
    }
    return nonZero;
}

}  // namespace

// The reader makes a span of a value equal to the lower value's magnitude,
// so a lower value of 0 is only safe for a value that does not read as zero,
// or whose span with 0 is the value text itself.
WStringView LowerValueFor(WStringView valueText) {
    if (PlainNonZero(valueText) || valueText.find(kValueLengthSeparator) != WStringView::npos) return kZeroLower;
    const double upper = ReadValue(valueText);
    if (upper != 0.0) return kZeroLower;
    const double lower = 0.0;
    return noteimport::FormatValue(upper - lower, kRowValueDecimals) == valueText ? kZeroLower : kOtherLower;
}

DatumRefFields SplitDatumRef(WStringView ref) {
    if (ref.empty()) return {};
    const std::int32_t modifier = ModifierCodeOf(ref.back());
    if (modifier == 0) return {ref, 0};
    return {ref.substr(0, ref.size() - 1), modifier};
}

}  // namespace noterecord
