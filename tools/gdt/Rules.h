// The checks, one entry per rule: its id, severity, why it holds (the
// standard and the topic), and its test. A rule is added by adding an entry
// and its test; no other rule changes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tools/gdt/Model.h"

namespace draftlift_tool::gdt {

enum class Severity : std::uint8_t { Error, Warning };

const char* NameOf(Severity severity);

// The annotation a finding is about.
struct Subject {
    std::optional<std::int32_t> entity;  // the host entity of a recorded note
    WString name;
    std::size_t index = 0;  // its place among the annotations checked
};

// What the part-wide rules know of the whole part: the datum letters only.
struct PartLetters {
    std::set<WString> defined;
    // Each letter referenced, with the first annotation that references it.
    std::map<WString, Subject> referenced;
};

// What a test found wrong, in words; a part-wide test names its subject.
struct Breach {
    std::string what;
    const Subject* subject = nullptr;
};

using AnnotationTest = void (*)(const Annotation& annotation, std::vector<Breach>& found);
using PartTest = void (*)(const PartLetters& letters, std::vector<Breach>& found);

struct Rule {
    const char* id;
    Severity severity;
    const char* why;
    AnnotationTest test = nullptr;  // run on every annotation
    PartTest partTest = nullptr;    // run once the whole part is seen
};

const std::vector<Rule>& Rules();
const Rule* RuleNamed(const std::string& id);

}  // namespace draftlift_tool::gdt
