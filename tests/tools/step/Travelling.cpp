#include "tests/tools/step/Travelling.h"

#include <algorithm>
#include <set>
#include <sstream>

#include "tools/gdt/Tokens.h"
#include "tools/gdt/Vocabulary.h"

namespace step_cases {
namespace {

namespace gdt = draftlift_tool::gdt;
using gdt::Modifier;

const std::set<Modifier> kTolerance = {Modifier::MaximumMaterial, Modifier::LeastMaterial, Modifier::ProjectedZone,
                                       Modifier::FreeState,       Modifier::TangentPlane,  Modifier::Statistical};
const std::set<Modifier> kDatum = {Modifier::MaximumMaterial, Modifier::LeastMaterial, Modifier::FreeState};
const std::set<std::string> kWords = {"CZ", "ACS", "LE", "NC", "MD", "LD", "PD", "ERE"};

std::string Number(const std::optional<gdt::Value>& value) {
    if (!value) return "-";
    std::ostringstream out;
    out << value->number;
    return out.str();
}

std::string Modifiers(const std::vector<Modifier>& modifiers, const std::set<Modifier>& kept) {
    std::vector<std::string> names;
    for (const Modifier modifier : modifiers) {
        if (kept.count(modifier) != 0) names.push_back(gdt::NameOf(modifier));
    }
    std::sort(names.begin(), names.end());
    std::string joined;
    for (const std::string& name : names) joined += " " + name;
    return joined;
}

std::string Row(const gdt::ToleranceRow& row) {
    std::string words = std::string(row.characteristic ? gdt::NameOf(*row.characteristic) : "?") + " " +
                        gdt::NameOf(row.zone) + " " + Number(row.tolerance) + Modifiers(row.modifiers, kTolerance);
    if (row.projectedHeight) words += " P" + Number(row.projectedHeight);
    std::vector<std::string> kept;
    for (const WString& word : row.words) {
        if (kWords.count(gdt::Utf8(word)) != 0) kept.push_back(gdt::Utf8(word));
    }
    std::sort(kept.begin(), kept.end());
    for (const std::string& word : kept) words += " " + word;
    for (const gdt::DatumReference& datum : row.datums) {
        words += " | " + std::to_string(datum.compartment) + ":";
        for (const WString& label : datum.labels) words += gdt::Utf8(label) + "-";
        words += Modifiers(datum.modifiers, kDatum);
    }
    return words;
}

std::string Dimension(const gdt::Dimension& dimension) {
    return std::string("dimension ") + gdt::NameOf(dimension.tolerance) + " " + Number(dimension.nominal) + " " +
           Number(dimension.upperDeviation) + " " + Number(dimension.lowerDeviation) + " " +
           Number(dimension.upperLimit) + " " + Number(dimension.lowerLimit) + " label " +
           gdt::Utf8(dimension.label) + " number " + std::to_string(dimension.number);
}

}  // namespace

std::string Travelling(const gdt::Annotation& annotation) {
    std::string words = std::string(gdt::NameOf(annotation.kind)) + " \"" + gdt::Utf8(annotation.name) + "\"";
    if (annotation.frame) {
        for (const gdt::FrameSegment& segment : annotation.frame->segments) {
            words += " {";
            for (const gdt::ToleranceRow& row : segment.rows) words += Row(row) + ";";
            words += "}";
        }
    }
    if (annotation.datum) words += " datum " + gdt::Utf8(annotation.datum->label);
    if (annotation.target) {
        const gdt::DatumTarget& target = *annotation.target;
        words += " target " + gdt::Utf8(target.label) + " " + gdt::Utf8(target.letters) + " " +
                 (target.number ? std::to_string(*target.number) : "-") + " " + gdt::NameOf(target.kind);
    }
    if (annotation.dimension) words += " " + Dimension(*annotation.dimension);
    for (const gdt::Note& note : annotation.notes) words += std::string(" ") + gdt::NameOf(note.slot) + " " + gdt::Utf8(note.text);
    return words;
}

}  // namespace step_cases
