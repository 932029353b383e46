#include "tests/tools/record/RecordGenerator.h"

#include <array>
#include <limits>

#include "import/LineReaders.h"
#include "import/SymbolCodes.h"
#include "import/ValueText.h"
#include "tests/support/WideText.h"

namespace record_tests {
namespace {

using noteimport::RecordLimits;
using Limits = std::numeric_limits<std::int32_t>;

constexpr std::int32_t kLastKind = 15;
constexpr std::int32_t kLastSymbolCode = 47;
constexpr std::int32_t kNoSymbol = 46;
// Longest note text made, beyond one line and short of many.
constexpr std::size_t kLongestNoteText = 2500;

}  // namespace

bool RecordGenerator::Chance(double p) { return std::bernoulli_distribution(p)(m_random); }

std::int32_t RecordGenerator::Between(std::int32_t low, std::int32_t high) {
    return std::uniform_int_distribution<std::int32_t>(low, high)(m_random);
}

std::int32_t RecordGenerator::Integer() {
    const std::array<std::int32_t, 5> edges = {0, -1, 1, Limits::min(), Limits::max()};
    if (Chance(0.3)) return edges[std::size_t(Between(0, edges.size() - 1))];
    return Chance(0.5) ? Between(-1000, 1000) : Between(Limits::min(), Limits::max());
}

// Any code a frame row can give back: 46 reads as 0.
std::int32_t RecordGenerator::SymbolCode() {
    const std::int32_t code = Chance(0.1) ? Integer() : Between(0, kLastSymbolCode + 2);
    return code == kNoSymbol ? 0 : code;
}

WCHAR RecordGenerator::Character(bool separators) {
    for (;;) {
        WCHAR c = 0;
        switch (Between(0, 5)) {
            case 0: c = WCHAR(Between(0x01, 0x1F)); break;                       // controls
            case 1: c = noteimport::HostSymbolChar(Between(0, kLastSymbolCode)); break;
            case 2: c = WCHAR(Between(0xA0, 0xD7FF)); break;                     // the rest of the BMP
            case 3: c = WCHAR(Between(0xD800, 0xDFFF)); break;                   // lone surrogates
            default: c = WCHAR(Between(0x20, 0x7E)); break;
        }
        if (c != u'\r' && c != u'\n' && (separators || c != u'|')) return c;
    }
}

WString RecordGenerator::Text(std::size_t limit, bool separators) {
    std::size_t length = 0;
    if (Chance(0.15)) {
        length = limit;
    } else if (!Chance(0.2)) {
        length = std::size_t(Between(1, std::int32_t(std::min<std::size_t>(limit, 40))));
    }
    WString text;
    while (text.size() < length) {
        if (length - text.size() >= 2 && Chance(0.05)) {
            text += u"\U0001F600"_w;  // a surrogate pair
        } else {
            text.push_back(Character(separators));
        }
    }
    return text;
}

// Spans as the reader writes them, values that read as zero, values with a
// length, and texts that are no number.
WString RecordGenerator::ValueText() {
    static const std::array<WString, 9> fixed = {u"0"_w,   u"-0"_w,     u"0.00000000"_w, u"-0.00000000"_w, u"0.05"_w,
                                                 u"abc"_w, u"0.1/25"_w, u" 0"_w,         u""_w};
    switch (Between(0, 3)) {
        case 0: return fixed[std::size_t(Between(0, fixed.size() - 1))];
        case 1: return noteimport::FormatValue(std::uniform_real_distribution<double>(-2e10, 2e10)(m_random), 8);
        case 2: return noteimport::FormatValue(std::uniform_real_distribution<double>(-1.0, 1.0)(m_random), 8);
        default: return Text(RecordLimits::kRowText);
    }
}

// Values the calculator gives, clamped and negative zero included.
WString RecordGenerator::DimensionValue() {
    const std::array<double, 5> edges = {0.0, -0.0, -0.00001, 1e12, -5e9};
    const double value = Chance(0.3) ? edges[std::size_t(Between(0, edges.size() - 1))]
                                     : std::uniform_real_distribution<double>(-1e6, 1e6)(m_random);
    return noteimport::FormatValue(value, 4);
}

// Letters, with a modifier's character appended half the time; its code may
// stand for a space or for '|'.
WString RecordGenerator::DatumRef() {
    if (Chance(0.2)) return {};
    const bool appended = Chance(0.5);
    WString ref = Text(RecordLimits::kDatumRef - (appended ? 1 : 0));
    if (appended) ref.push_back(noteimport::HostSymbolChar(Between(1, kLastSymbolCode)));
    return ref;
}

noteimport::FrameRow RecordGenerator::Row() {
    noteimport::FrameRow row;
    row.read = true;
    row.symbol = SymbolCode();
    row.modifierBefore = SymbolCode();
    row.modifierAfter1 = SymbolCode();
    row.modifierAfter2 = SymbolCode();
    row.valueText = ValueText();
    row.textAfter1 = Text(RecordLimits::kRowText);
    row.textAfter2 = Text(RecordLimits::kRowText);
    row.hasDatumRefs = Chance(0.5);
    if (row.hasDatumRefs) {
        for (WString& ref : row.datumRefs) ref = DatumRef();
    }
    return row;
}

noteimport::DimensionPart RecordGenerator::Dimension() {
    noteimport::DimensionPart dimension;
    dimension.type = Chance(0.1) ? Integer() : Between(-1, 10);
    dimension.number = Integer();
    dimension.hasValueLines = noteimport::HasValueLines(dimension.type);
    if (dimension.hasValueLines) {
        dimension.label = Text(RecordLimits::kDimensionLabel);
        dimension.value1 = DimensionValue();
        dimension.value2 = DimensionValue();
    }
    return dimension;
}

void RecordGenerator::Flags(noteimport::NoteRecord& record) {
    const bool layout125 = record.layout == noteimport::SettingsLayout::Layout125;
    auto& flags = record.flags;
    for (std::size_t n = 0; n < flags.rows.size(); ++n) flags.rows[n] = (n < 3 || layout125) && Chance(0.75);
    flags.datumLabel = Chance(0.4);
    flags.text5 = Chance(0.4);
    flags.dimension = layout125 && Chance(0.3);
    const std::array<std::int32_t, 6> counts = {0, 1, 2, 3, -2, Limits::max()};
    flags.textLineCount = Chance(0.5) ? 0 : counts[std::size_t(Between(0, counts.size() - 1))];
    if (flags.dimension) record.dimension = Dimension();
}

// The parts after the settings in their order; any part the reader reads
// only when a line remains may be where the text ended.
void RecordGenerator::Body(noteimport::NoteRecord& record) {
    const auto ends = [this] { return m_ended = m_ended || Chance(0.08); };
    bool reached = true;
    for (std::size_t n = 0; n < record.rows.size(); ++n) {
        reached = reached && record.flags.rows[n];
        if (reached && !ends()) record.rows[n] = Row();
    }
    if (record.flags.datumLabel && !ends()) record.datumLabel = Text(RecordLimits::kLabelText);
    if (record.flags.text5 && !ends()) record.text5 = Text(RecordLimits::kLabelText);
    // Kind 11 takes a target text line, or consumes another line in its place.
    if (record.kind == 11 && !ends() && Chance(0.6)) record.targetText = Text(RecordLimits::kTargetText);
    const std::int32_t count = record.flags.textLineCount;
    if (count > 0 && !ends()) {
        const std::size_t most = std::min(std::size_t(count) * RecordLimits::kLine, kLongestNoteText);
        record.noteText = Chance(0.2) ? Text(most, true) : Text(40, true);
    }
}

noteimport::NoteRecord RecordGenerator::Next() {
    noteimport::NoteRecord record;
    m_ended = false;
    record.headerRead = true;
    record.name = Text(RecordLimits::kName);
    record.kind = Chance(0.05) ? Integer() : Between(-1, kLastKind);
    record.groupId = Integer();
    record.entityId = Integer();
    record.layout = Chance(0.5) ? noteimport::SettingsLayout::Layout101 : noteimport::SettingsLayout::Layout125;
    Flags(record);
    Body(record);
    return record;
}

}  // namespace record_tests
