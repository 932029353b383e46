#include "tools/record/DimensionLines.h"

#include <algorithm>
#include <array>

#include "import/LineReaders.h"
#include "import/ValueText.h"

namespace noterecord {
namespace {

using noteimport::DimensionPart;
using noteimport::RecordLimits;

constexpr std::int32_t kHeaderCode = noteimport::Code(noteimport::RecordCode::DimensionHeader);
// The header's d[1] and d[3] to d[5] are not read.
constexpr std::size_t kUnreadHeaderNumbers = 3;
// The label stands in field 20, after fields 1 to 19.
constexpr std::size_t kFieldsBeforeLabel = 19;
constexpr std::size_t kFieldsAfterLabel = 2;
constexpr std::size_t kNumbersBeforeValues = 4;
// The extra line, and the line skipped for other types: 0|0|0.
constexpr std::size_t kExtraLineNumbers = 2;
constexpr int kDimensionDecimals = 4;
constexpr std::size_t kExpressionBuffer = RecordLimits::kValueExpression + 1;

// The reader keeps what the calculator makes of an expression, written with
// four decimals; a value is written as its own expression when the
// calculator gives it back. Not-a-number, and any text FormatValue does not
// write, never come back.
bool CalculatorGivesBack(WStringView valueText) {
    if (valueText.size() >= kExpressionBuffer) return false;
    std::array<WCHAR, kExpressionBuffer> expression{};
    std::copy(valueText.begin(), valueText.end(), expression.begin());
    bool flag = false;
    return noteimport::FormatValue(calc(expression.data(), &flag), kDimensionDecimals) == valueText;
}

Refused CheckValue(const WString& value, const char* field) {
    if (auto refusal = CheckField(value, RecordLimits::kValueExpression, field)) return refusal;
    if (!CalculatorGivesBack(value)) return Refuse(field, WriteProblem::NotCalculable);
    return std::nullopt;
}

Refused WriteValueLines(LineWriter& line, const DimensionPart& dimension) {
    if (auto refusal = CheckField(dimension.label, RecordLimits::kDimensionLabel, "dimension.label")) return refusal;
    if (auto refusal = CheckValue(dimension.value1, "dimension.value1")) return refusal;
    if (auto refusal = CheckValue(dimension.value2, "dimension.value2")) return refusal;
    line.Line(0).Numbers(kFieldsBeforeLabel, 0).Text(dimension.label).Numbers(kFieldsAfterLabel, 0);
    line.Line(0).Numbers(kNumbersBeforeValues, 0).Text(dimension.value1).Text(dimension.value2);
    line.Line(0).Numbers(kExtraLineNumbers, 0);
    return std::nullopt;
}

// Without value lines, the values stay as they start.
Refused WriteSkippedLine(LineWriter& line, const DimensionPart& dimension) {
    const struct {
        const WString& text;
        const char* field;
    } unread[] = {{dimension.label, "dimension.label"},
                  {dimension.value1, "dimension.value1"},
                  {dimension.value2, "dimension.value2"}};
    for (const auto& u : unread) {
        if (!u.text.empty()) return Refuse(u.field, WriteProblem::Unreachable);
    }
    line.Line(0).Numbers(kExtraLineNumbers, 0);
    return std::nullopt;
}

}  // namespace

Refused WriteDimensionLines(LineWriter& line, const DimensionPart& dimension, const noteimport::RecordFlags& flags) {
    if (dimension.hasValueLines != noteimport::HasValueLines(dimension.type)) {
        return Refuse("dimension.hasValueLines", WriteProblem::Inconsistent);
    }
    line.Line(kHeaderCode).Number(0).Number(dimension.type).Numbers(kUnreadHeaderNumbers, 0);
    line.Flag(flags.rows[0]).Flag(flags.rows[1]).Flag(flags.rows[2]);
    line.Number(dimension.number).Flag(flags.datumLabel).Number(flags.textLineCount);
    return dimension.hasValueLines ? WriteValueLines(line, dimension) : WriteSkippedLine(line, dimension);
}

}  // namespace noterecord
