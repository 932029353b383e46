// Checking the annotations of a part, one at a time: each annotation's
// findings as soon as it is checked, the part-wide ones at the end. What is
// kept between annotations is only the datum letters.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tools/gdt/Model.h"
#include "tools/gdt/Rules.h"

namespace draftlift_tool::gdt {

// Handed to the visitor while the check runs; what it points to lives as
// long as the call.
struct Finding {
    const Subject* subject = nullptr;
    const Rule* rule = nullptr;
    std::string what;
};

struct CheckCounts {
    std::size_t annotations = 0;
    std::size_t errors = 0;
    std::size_t warnings = 0;
};

class PartCheck {
public:
    using Visit = std::function<void(const Finding&)>;

    // Checks against every rule, or against `rules` alone.
    PartCheck() : PartCheck(Rules()) {}
    explicit PartCheck(std::vector<Rule> rules) : m_rules(std::move(rules)) {}

    void Check(const Annotation& annotation, const Subject& subject, const Visit& visit);
    // The part-wide findings, once every annotation is checked.
    void Finish(const Visit& visit);

    const CheckCounts& Counts() const { return m_counts; }

private:
    void KeepLetters(const Annotation& annotation, const Subject& subject);
    void Report(const Rule& rule, std::vector<Breach>& found, const Subject* subject, const Visit& visit);

    const std::vector<Rule> m_rules;
    PartLetters m_letters;
    CheckCounts m_counts;
    std::vector<Breach> m_found;
};

// One line: who, severity, rule, what is wrong and why, e.g.
// `entity 4 "FCF-2": error form-datum: row 1 (flatness) references A; form tolerances ...`.
// Control characters of the name are escaped.
std::string Describe(const Finding& finding);

// "checked 15 annotations: 1 error, 2 warnings"
std::string Describe(const CheckCounts& counts);

}  // namespace draftlift_tool::gdt
