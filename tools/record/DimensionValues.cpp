#include "tools/record/DimensionValues.h"

#include <algorithm>
#include <array>

#include "import/ValueText.h"

namespace noterecord {
namespace {

constexpr int kDimensionDecimals = 4;
constexpr std::size_t kExpressionBuffer = noteimport::RecordLimits::kValueExpression + 1;

}  // namespace

bool CalculatorGivesBack(WStringView valueText) {
    if (valueText.size() >= kExpressionBuffer) return false;
    std::array<WCHAR, kExpressionBuffer> expression{};
    std::copy(valueText.begin(), valueText.end(), expression.begin());
    bool flag = false;
    return noteimport::FormatValue(calc(expression.data(), &flag), kDimensionDecimals) == valueText;
}

}  // namespace noterecord
