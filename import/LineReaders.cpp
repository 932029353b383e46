#include "import/LineReaders.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "host/Mastercam.h"
#include "import/NumberList.h"
#include "import/RecordLines.h"
#include "import/SymbolCodes.h"
#include "import/ValueText.h"

namespace noteimport {
namespace {

constexpr std::size_t kLineNumbers = 20;
constexpr std::uint16_t kLongSettingsLayout = 12;
constexpr std::int32_t kNoSymbol = 46;
constexpr int kRowValueDecimals = 8;
constexpr int kDimensionDecimals = 4;
constexpr WCHAR kValueLengthSeparator = u'/';

struct HeaderField {
    static constexpr std::size_t kName = 1;
    static constexpr std::size_t kKind = 2;
    static constexpr std::size_t kGroupId = 3;
    static constexpr std::size_t kEntityId = 4;
};

// Positions of the settings numbers; the long layout 125 moves the labels,
// the text line count and the dimension flag further back.
struct SettingsPositions {
    std::size_t firstRow;
    std::size_t rowCount;
    std::optional<std::size_t> datumLabel;
    std::optional<std::size_t> text5;
    std::optional<std::size_t> textLineCount;
    std::optional<std::size_t> dimension;
};

constexpr SettingsPositions kLayout101{4, 3, 7, 8, 9, std::nullopt};
constexpr SettingsPositions kShortLayout125{4, 5, 9, 10, std::nullopt, 11};
constexpr SettingsPositions kLongLayout125{4, 5, 14, 15, 16, 17};

struct DimensionHeaderNumber {
    static constexpr std::size_t kType = 2;
    static constexpr std::size_t kFirstRow = 6;
    static constexpr std::size_t kRowCount = 3;
    static constexpr std::size_t kNumber = 9;
    static constexpr std::size_t kDatumLabel = 10;
    static constexpr std::size_t kTextLineCount = 11;
};

constexpr std::size_t kDimensionLabelField = 20;
constexpr std::size_t kFirstValueField = 5;
constexpr std::size_t kSecondValueField = 6;

struct FrameRowField {
    static constexpr std::size_t kSymbol = 1;
    static constexpr std::size_t kModifierBefore = 2;
    static constexpr std::size_t kValue = 3;
    static constexpr std::size_t kLowerValue = 4;
    static constexpr std::size_t kModifierAfter1 = 5;
    static constexpr std::size_t kTextAfter1 = 6;
    static constexpr std::size_t kModifierAfter2 = 7;
    static constexpr std::size_t kTextAfter2 = 8;
};

constexpr std::size_t kLabelTextField = 1;

template <class Position>
bool FlagAt(const NumberList<kLineNumbers>& numbers, const Position& position) {
    return position && numbers.Flag(*position);
}

std::int32_t FrameSymbol(const LineFields& fields, std::size_t n) {
    const std::int32_t code = fields.Integer(n);
    return code == kNoSymbol ? 0 : code;
}

// A value with its lower value of the same size is written as the span
// between them; a value with a length ("0.1/25") stays as it is.
WString RowValueText(const LineFields& fields) {
    WString value = fields.Text(FrameRowField::kValue, RecordLimits::kRowText);
    if (value.find(kValueLengthSeparator) != WString::npos) return value;
    const double upper = WideDouble(value);
    const double lower = WideDouble(fields[FrameRowField::kLowerValue].substr(0, RecordLimits::kRowText));
    if (upper == std::fabs(lower)) return FormatValue(upper - lower, kRowValueDecimals);
    return value;
}

WString EvaluatedValue(WStringView expression) {
    std::array<WCHAR, RecordLimits::kValueExpression + 1> terminated;
    const WStringView cut = expression.substr(0, RecordLimits::kValueExpression);
    *std::copy(cut.begin(), cut.end(), terminated.begin()) = 0;
    bool flag = false;
    return FormatValue(calc(terminated.data(), &flag), kDimensionDecimals);
}

}  // namespace

void ReadHeaderLine(WStringView line, NoteRecord& record) {
    const LineFields fields(line, HeaderField::kEntityId + 1);
    record.name = fields.Text(HeaderField::kName, RecordLimits::kName);
    record.kind = fields.Integer(HeaderField::kKind);
    record.groupId = fields.Integer(HeaderField::kGroupId);
    record.entityId = fields.Integer(HeaderField::kEntityId);
    record.headerRead = true;
}

std::optional<SettingsLayout> SettingsLayoutOf(WStringView line) {
    switch (static_cast<RecordCode>(LineCode(line))) {
        case RecordCode::SettingsLayout101: return SettingsLayout::Layout101;
        case RecordCode::SettingsLayout125: return SettingsLayout::Layout125;
        default: return std::nullopt;
    }
}

RecordFlags ReadSettingsLine(WStringView line, SettingsLayout layout) {
    const auto numbers = ReadNumberList<kLineNumbers>(line);
    const SettingsPositions& at = layout == SettingsLayout::Layout101 ? kLayout101
                                  : numbers.count < kLongSettingsLayout ? kShortLayout125
                                                                         : kLongLayout125;
    RecordFlags flags;
    for (std::size_t row = 0; row < at.rowCount; ++row) flags.rows[row] = numbers.Flag(at.firstRow + row);
    flags.datumLabel = FlagAt(numbers, at.datumLabel);
    flags.text5 = FlagAt(numbers, at.text5);
    flags.dimension = FlagAt(numbers, at.dimension);
    flags.textLineCount = at.textLineCount ? numbers.Integer(*at.textLineCount) : 0;
    return flags;
}

void ReadDimensionHeader(WStringView line, RecordFlags& flags, DimensionPart& dimension) {
    using At = DimensionHeaderNumber;
    const auto numbers = ReadNumberList<kLineNumbers>(line);
    dimension.type = numbers.Integer(At::kType);
    dimension.number = numbers.Integer(At::kNumber);
    dimension.hasValueLines = HasValueLines(dimension.type);
    // The row 4 and 5 flags and the text5 flag keep their settings values.
    for (std::size_t row = 0; row < At::kRowCount; ++row) flags.rows[row] = numbers.Flag(At::kFirstRow + row);
    flags.datumLabel = numbers.Flag(At::kDatumLabel);
    flags.textLineCount = numbers.Integer(At::kTextLineCount);
}

bool HasValueLines(std::int32_t dimensionType) {
    switch (dimensionType) {
        case 1: case 2: case 3: case 4: case 7: case 8: return true;
        default: return false;
    }
}

// The line's other fields and its numbers are applied nowhere and not read.
void ReadDimensionLabel(WStringView line, DimensionPart& dimension) {
    dimension.label = LineFields(line, kDimensionLabelField + 1).Text(kDimensionLabelField, RecordLimits::kDimensionLabel);
}

// The line's leading numbers are applied nowhere and not read.
void ReadDimensionValues(WStringView line, DimensionPart& dimension) {
    const LineFields fields(line, kSecondValueField + 1);
    dimension.value1 = EvaluatedValue(fields[kFirstValueField]);
    dimension.value2 = EvaluatedValue(fields[kSecondValueField]);
}

void ReadFrameRow(WStringView line, FrameRow& row) {
    using F = FrameRowField;
    const LineFields fields(line, F::kTextAfter2 + 1);
    row.read = true;
    row.symbol = FrameSymbol(fields, F::kSymbol);
    row.modifierBefore = FrameSymbol(fields, F::kModifierBefore);
    row.modifierAfter1 = FrameSymbol(fields, F::kModifierAfter1);
    row.modifierAfter2 = FrameSymbol(fields, F::kModifierAfter2);
    row.valueText = RowValueText(fields);
    row.textAfter1 = fields.Text(F::kTextAfter1, RecordLimits::kRowText);
    row.textAfter2 = fields.Text(F::kTextAfter2, RecordLimits::kRowText);
}

void ReadDatumRefs(WStringView line, FrameRow& row) {
    const LineFields fields(line, 1 + 2 * kDatumRefCount);
    row.hasDatumRefs = true;
    for (std::size_t k = 0; k < kDatumRefCount; ++k) {
        const std::size_t lettersField = 1 + 2 * k;
        const std::int32_t modifier = fields.Integer(lettersField + 1);
        const bool appended = modifier > 0;
        // Letters are cut so that the modifier character always fits.
        WString& ref = row.datumRefs[k];
        ref = fields.Text(lettersField, RecordLimits::kDatumRef - (appended ? 1 : 0));
        if (appended) ref.push_back(HostSymbolChar(modifier));
    }
}

WString ReadLabelText(WStringView line, std::size_t limit) {
    return LineFields(line, kLabelTextField + 1).Text(kLabelTextField, limit);
}

}  // namespace noteimport
