#include "tests/tools/gdt/GdtCases.h"

#include <sstream>
#include <stdexcept>

#include "tools/gdt/Symbols.h"
#include "tools/gdt/Tokens.h"
#include "tools/gdt/Vocabulary.h"

namespace gdt_cases {
namespace gdt = draftlift_tool::gdt;

namespace {

WCHAR Named(std::string_view name) {
    if (name == "pm") return 0x00B1;
    if (name == "deg") return 0x00B0;
    for (const gdt::SymbolEntry& entry : gdt::SymbolTable()) {
        if (name == entry.name) return entry.character;
    }
    throw std::invalid_argument("no symbol named " + std::string(name));
}

std::string Join(const std::vector<std::string>& parts, const char* separator) {
    std::string joined;
    for (const std::string& part : parts) joined += (joined.empty() ? "" : separator) + part;
    return joined;
}

std::string ValueWords(const std::optional<gdt::Value>& value) {
    return value ? gdt::Utf8(value->text) + "(" + std::to_string(value->decimals) + ")" : "-";
}

std::string Number(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

std::string ModifierWords(const std::vector<gdt::Modifier>& modifiers) {
    std::vector<std::string> names;
    for (const gdt::Modifier modifier : modifiers) names.push_back(gdt::NameOf(modifier));
    return names.empty() ? "" : "[" + Join(names, ",") + "]";
}

std::string DatumWords(const gdt::DatumReference& reference) {
    std::vector<std::string> labels;
    for (const WString& label : reference.labels) labels.push_back(gdt::Utf8(label));
    return Join(labels, "-") + ModifierWords(reference.modifiers);
}

std::string TargetWords(const gdt::DatumTarget& target) {
    std::string words = gdt::Utf8(target.letters) + " " + (target.number ? std::to_string(*target.number) : "-") +
                        " " + gdt::NameOf(target.kind);
    if (target.circular) words += " diameter";
    for (const gdt::Value& size : target.size) words += " " + gdt::Utf8(size.text);
    return words;
}

std::string DimensionWords(const gdt::Dimension& dimension) {
    std::string words = std::string(gdt::NameOf(dimension.type)) + " " + gdt::NameOf(dimension.tolerance);
    if (dimension.sign) words += std::string(" ") + gdt::EntryOf(*dimension.sign).name;
    if (dimension.nominal) words += " " + ValueWords(dimension.nominal);
    if (dimension.upperDeviation) {
        words += " " + Number(dimension.upperDeviation->number) + " " + Number(dimension.lowerDeviation->number);
    }
    if (dimension.upperLimit) words += " " + ValueWords(dimension.upperLimit) + " " + ValueWords(dimension.lowerLimit);
    return words;
}

}  // namespace

WString Text(std::string_view written) {
    WString text;
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (written[i] != '{') {
            text += static_cast<WCHAR>(static_cast<unsigned char>(written[i]));
            continue;
        }
        const std::size_t end = written.find('}', i);
        text += Named(written.substr(i + 1, end - i - 1));
        i = end;
    }
    return text;
}

AnnotationFields Frame(const std::vector<SegmentTexts>& segments) {
    AnnotationFields fields;
    fields.type = AnnotationClass::FeatureControlFrame;
    for (const SegmentTexts& segment : segments) {
        gdt::SubFrameFields subFrame{Text(segment.symbol), {}};
        for (const RowTexts& row : segment.rows) {
            gdt::ControlFields control{Text(row.tolerance), {}, {}};
            for (std::size_t c = 0; c < row.datums.size(); ++c) control.datumRefs.at(c) = Text(row.datums[c]);
            subFrame.controls.push_back(control);
        }
        fields.subFrames.push_back(subFrame);
    }
    return fields;
}

AnnotationFields Datum(const std::string& label) {
    AnnotationFields fields;
    fields.type = AnnotationClass::Datum;
    fields.datumLabel = {true, Text(label)};
    return fields;
}

AnnotationFields Target(const std::string& label, const std::string& size, const std::string& note) {
    AnnotationFields fields;
    fields.type = AnnotationClass::DatumTarget;
    fields.name = Text(label);
    fields.datumTargetText = Text(size);
    if (!note.empty()) fields.text2 = {true, Text(note)};
    return fields;
}

AnnotationFields Dimension(const std::string& first, const std::string& second, AnnotationClass type) {
    AnnotationFields fields;
    fields.type = type;
    fields.dimensionValue1 = Text(first);
    fields.dimensionValue2 = Text(second);
    return fields;
}

std::string Words(const gdt::ToleranceRow& row) {
    std::vector<std::string> parts{row.characteristic ? gdt::NameOf(*row.characteristic) : "-", gdt::NameOf(row.zone),
                                   ValueWords(row.tolerance)};
    if (!row.perUnit.empty()) {
        std::vector<std::string> unit;
        for (const gdt::Value& value : row.perUnit) unit.push_back(gdt::Utf8(value.text));
        parts.back() += "/" + Join(unit, "x");
    }
    if (row.unequal) parts.push_back("U" + ValueWords(row.unequal));
    if (row.projectedHeight) parts.push_back("P" + ValueWords(row.projectedHeight));
    if (!row.modifiers.empty()) parts.push_back(ModifierWords(row.modifiers));
    for (const WString& word : row.words) parts.push_back("'" + gdt::Utf8(word) + "'");
    std::string words = Join(parts, " ");
    for (const gdt::DatumReference& reference : row.datums) words += " | " + DatumWords(reference);
    return words;
}

std::string Words(const gdt::Annotation& annotation) {
    std::vector<std::string> parts{gdt::NameOf(annotation.kind)};
    if (annotation.frame) {
        for (const gdt::FrameSegment& segment : annotation.frame->segments) {
            std::vector<std::string> rows;
            for (const gdt::ToleranceRow& row : segment.rows) rows.push_back(Words(row));
            parts.push_back((segment.Composite() ? "composite{" : "{") + Join(rows, "; ") + "}");
        }
    }
    if (annotation.datum) parts.push_back("datum " + gdt::Utf8(annotation.datum->label));
    if (annotation.target) parts.push_back("target " + TargetWords(*annotation.target));
    if (annotation.dimension) parts.push_back(DimensionWords(*annotation.dimension));
    for (const gdt::Note& note : annotation.notes) {
        parts.push_back(std::string(gdt::NameOf(note.slot)) + " " + gdt::Utf8(note.text));
    }
    for (const gdt::Unread& unread : annotation.unread) parts.push_back("!" + unread.reason);
    return Join(parts, " ");
}

}  // namespace gdt_cases
