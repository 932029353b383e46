// The rules on datums: how rows reference them, which letters label them,
// that every datum referenced is defined, and what an area target gives.
#include <algorithm>

#include "tools/gdt/RuleTests.h"

namespace draftlift_tool::gdt::rules {
namespace {

constexpr std::size_t kMostDatums = 3;

bool HasBarredLetter(const WString& label) {
    return std::any_of(label.begin(), label.end(), [](WCHAR c) { return c == u'I' || c == u'O' || c == u'Q'; });
}

}  // namespace

void AtMostThreeDatums(const Annotation& annotation, std::vector<Breach>& found) {
    if (!annotation.frame) return;
    ForEachRow(*annotation.frame, [&](const ToleranceRow& row) {
        if (row.datums.size() > kMostDatums) {
            found.push_back({RowName(row) + " references " + std::to_string(row.datums.size()) + " datums"});
        }
    });
}

void DatumOncePerRow(const Annotation& annotation, std::vector<Breach>& found) {
    if (!annotation.frame) return;
    ForEachRow(*annotation.frame, [&](const ToleranceRow& row) {
        std::set<WString> seen, repeated;
        for (const DatumReference& reference : row.datums) {
            for (const WString& label : reference.labels) {
                if (!seen.insert(label).second && repeated.insert(label).second) {
                    found.push_back({RowName(row) + " references " + Spoken(label) + " more than once"});
                }
            }
        }
    });
}

void DatumLettersAllowed(const Annotation& annotation, std::vector<Breach>& found) {
    if (annotation.datum && HasBarredLetter(annotation.datum->label)) {
        found.push_back({"datum feature " + Spoken(annotation.datum->label)});
    }
    if (annotation.target && HasBarredLetter(annotation.target->letters)) {
        found.push_back({"datum target " + Spoken(annotation.target->label)});
    }
    if (!annotation.frame) return;
    ForEachRow(*annotation.frame, [&](const ToleranceRow& row) {
        for (const DatumReference& reference : row.datums) {
            for (const WString& label : reference.labels) {
                if (HasBarredLetter(label)) found.push_back({RowName(row) + " references " + Spoken(label)});
            }
        }
    });
}

void DatumsDefined(const PartLetters& letters, std::vector<Breach>& found) {
    for (const auto& [letter, subject] : letters.referenced) {
        if (letters.defined.count(letter) == 0) {
            found.push_back({"datum " + Spoken(letter) + " is referenced but not defined on the part", &subject});
        }
    }
}

void AreaTargetHasSize(const Annotation& annotation, std::vector<Breach>& found) {
    if (annotation.target && annotation.target->kind == TargetKind::Area && annotation.target->size.empty()) {
        found.push_back({"datum target " + Spoken(annotation.target->label) + " is an area without its size"});
    }
}

}  // namespace draftlift_tool::gdt::rules
