#include "tools/gdt/ReadDimension.h"

#include "tools/gdt/Tokens.h"

namespace draftlift_tool::gdt {
namespace {

constexpr WCHAR kPlusMinus = 0x00B1;
constexpr WCHAR kDegree = 0x00B0;

DimensionType TypeOf(AnnotationClass type) {
    switch (type) {
        case AnnotationClass::AngleDimension: return DimensionType::Angle;
        case AnnotationClass::RadiusDimension: return DimensionType::Radius;
        case AnnotationClass::DiameterDimension: return DimensionType::Diameter;
        default: return DimensionType::Linear;
    }
}

// A value, an angle's degree sign allowed after it.
std::optional<Value> ReadMeasure(WStringView text) {
    if (!text.empty() && text.back() == kDegree) {
        std::optional<Value> value = ReadValue(text.substr(0, text.size() - 1));
        if (value) value->text = WString(text);
        return value;
    }
    return ReadValue(text);
}

Value Negated(Value value) {
    value.number = -value.number;
    return value;
}

// "±0.1", "± 0.1", "+0.1 -0.2" or "+0.1/-0.2"; false when it is none of them.
bool ReadTolerance(WStringView text, Dimension& dimension) {
    text = Trimmed(text);
    if (text.empty()) return true;
    if (text.front() == kPlusMinus) {
        const std::optional<Value> both = ReadValue(Trimmed(text.substr(1)));
        if (!both || both->number < 0) return false;
        dimension.tolerance = DimensionTolerance::PlusMinus;
        dimension.upperDeviation = *both;
        dimension.lowerDeviation = Negated(*both);
        return true;
    }
    const std::size_t split = FindAnyOf(text, " /", 1);
    if (text.front() != u'+' || split == WStringView::npos) return false;
    const std::optional<Value> upper = ReadValue(text.substr(0, split));
    const std::optional<Value> lower = ReadValue(Trimmed(text.substr(split + 1)));
    if (!upper || !lower) return false;
    dimension.tolerance = DimensionTolerance::Deviations;
    dimension.upperDeviation = upper;
    dimension.lowerDeviation = lower;
    return true;
}

void Keep(std::vector<Unread>& unread, const char* where, WStringView text, const char* reason) {
    unread.push_back({where, WString(text), reason});
}

// The first value: sign, nominal, and what follows the nominal.
WStringView ReadFirst(WStringView text, Dimension& dimension, std::vector<Unread>& unread) {
    TokenStream tokens(text);
    if (!tokens.Done() && tokens.Peek().symbol != nullptr && tokens.Peek().symbol->role == SymbolRole::Sign) {
        dimension.sign = tokens.Next().symbol->symbol;
    }
    if (!tokens.Done() && tokens.Peek().symbol == nullptr) dimension.nominal = ReadMeasure(tokens.Next().text);
    if (!dimension.nominal) {
        Keep(unread, "dimension value", text, "the value is not a number");
        return {};
    }
    return tokens.Rest();
}

}  // namespace

Dimension ReadDimension(const AnnotationFields& fields, std::vector<Unread>& unread) {
    Dimension dimension;
    dimension.type = TypeOf(fields.type);
    if (fields.dimensionLabel.enabled) dimension.label = fields.dimensionLabel.text;
    dimension.number = fields.dimensionNumber2;
    dimension.text1 = fields.dimensionValue1;
    dimension.text2 = fields.dimensionValue2;
    const WStringView first = Trimmed(dimension.text1), second = Trimmed(dimension.text2);
    if (first.empty() && second.empty()) return dimension;
    const WStringView after = ReadFirst(first, dimension, unread);
    if (!dimension.nominal) return dimension;
    const bool secondIsTolerance = !second.empty() && (second.front() == kPlusMinus || second.front() == u'+');
    if (second.empty() || secondIsTolerance) {
        if (!Trimmed(after).empty() && secondIsTolerance) {
            Keep(unread, "dimension value", first, "a tolerance in both value texts");
        } else if (!ReadTolerance(second.empty() ? after : second, dimension)) {
            Keep(unread, "dimension tolerance", second.empty() ? after : second,
                 "a tolerance is ±T, or +U -L for an upper and a lower deviation");
        }
        return dimension;
    }
    const std::optional<Value> lower = ReadMeasure(second);
    if (!lower || !Trimmed(after).empty()) {
        Keep(unread, "dimension limits", lower ? first : second, "two values are an upper and a lower limit");
        return dimension;
    }
    dimension.tolerance = DimensionTolerance::Limits;
    dimension.upperLimit = dimension.nominal;
    dimension.lowerLimit = lower;
    dimension.nominal.reset();
    return dimension;
}

}  // namespace draftlift_tool::gdt
