// The rules on dimensions and on what could not be read, and the words the
// breaches are written in.
#include "tools/gdt/RuleTests.h"
#include "tools/gdt/Symbols.h"
#include "tools/gdt/Tokens.h"

namespace draftlift_tool::gdt::rules {

std::string Spoken(const WString& text) {
    std::string spoken;
    std::size_t plain = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const SymbolEntry* symbol = SymbolOfCharacter(text[i]);
        if (symbol == nullptr || symbol->role == SymbolRole::Text) continue;
        spoken += Utf8(WStringView(text).substr(plain, i - plain)) + "(" + symbol->name + ")";
        plain = i + 1;
    }
    return spoken + Utf8(WStringView(text).substr(plain));
}

void LimitsInOrder(const Annotation& annotation, std::vector<Breach>& found) {
    if (!annotation.dimension || annotation.dimension->tolerance != DimensionTolerance::Limits) return;
    const Dimension& dimension = *annotation.dimension;
    if (dimension.upperLimit->number <= dimension.lowerLimit->number) {
        found.push_back({"the upper limit " + Spoken(dimension.upperLimit->text) + " is not above the lower limit " +
                         Spoken(dimension.lowerLimit->text)});
    }
}

void ToleranceNotZero(const Annotation& annotation, std::vector<Breach>& found) {
    if (!annotation.dimension || !annotation.dimension->upperDeviation) return;
    const Dimension& dimension = *annotation.dimension;
    if (dimension.upperDeviation->number == 0 && dimension.lowerDeviation->number == 0) {
        const std::string second = dimension.text2.empty() ? "" : " " + Spoken(dimension.text2);
        const std::string value = Spoken(dimension.text1) + second;
        found.push_back({"the value " + value + " has zero tolerances"});
    }
}

void EverythingRead(const Annotation& annotation, std::vector<Breach>& found) {
    for (const Unread& unread : annotation.unread) {
        found.push_back({unread.where + " \"" + Spoken(unread.text) + "\": " + unread.reason});
    }
}

}  // namespace draftlift_tool::gdt::rules
