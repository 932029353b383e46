#include "tools/gdt/Check.h"

#include <algorithm>
#include <cstring>

#include "tools/gdt/Tokens.h"
#include "tools/io/Printable.h"

namespace draftlift_tool::gdt {
namespace {

std::string Counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// Most texts need no escape; they are shown as they are, quickly, since a
// big part makes millions of lines.
bool IsPlainAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c < '\x7F'; });
}

void AppendPrintable(std::string& line, std::string_view text) {
    if (IsPlainAscii(text)) {
        line += text;
    } else {
        line += Printable(text);
    }
}

void AppendQuoted(std::string& line, std::string_view text) {
    if (IsPlainAscii(text) && text.find_first_of("\"\\") == std::string_view::npos) {
        line += '"';
        line += text;
        line += '"';
    } else {
        line += QuotedPrintable(text);
    }
}

}  // namespace

void PartCheck::KeepLetters(const Annotation& annotation, const Subject& subject) {
    if (annotation.datum && IsCapitalLetters(annotation.datum->label)) {
        m_letters.defined.insert(annotation.datum->label);
    }
    if (annotation.target && !annotation.target->letters.empty()) m_letters.defined.insert(annotation.target->letters);
    if (!annotation.frame) return;
    ForEachRow(*annotation.frame, [&](const ToleranceRow& row) {
        for (const DatumReference& reference : row.datums) {
            for (const WString& label : reference.labels) m_letters.referenced.try_emplace(label, subject);
        }
    });
}

void PartCheck::Report(const Rule& rule, std::vector<Breach>& found, const Subject* subject, const Visit& visit) {
    for (Breach& breach : found) {
        ++(rule.severity == Severity::Error ? m_counts.errors : m_counts.warnings);
        visit({breach.subject != nullptr ? breach.subject : subject, &rule, std::move(breach.what)});
    }
    found.clear();
}

void PartCheck::Check(const Annotation& annotation, const Subject& subject, const Visit& visit) {
    ++m_counts.annotations;
    KeepLetters(annotation, subject);
    for (const Rule& rule : m_rules) {
        if (rule.test == nullptr) continue;
        rule.test(annotation, m_found);
        Report(rule, m_found, &subject, visit);
    }
}

void PartCheck::Finish(const Visit& visit) {
    for (const Rule& rule : m_rules) {
        if (rule.partTest == nullptr) continue;
        rule.partTest(m_letters, m_found);
        Report(rule, m_found, nullptr, visit);
    }
}

std::string Describe(const Finding& finding) {
    const Subject& subject = *finding.subject;
    std::string line;
    line.reserve(finding.what.size() + std::strlen(finding.rule->why) + 64);
    line += subject.entity ? "entity " + std::to_string(*subject.entity)
                           : "annotation " + std::to_string(subject.index + 1);
    if (!subject.name.empty()) {
        line += ' ';
        AppendQuoted(line, Utf8(subject.name));
    }
    line += ": ";
    line += NameOf(finding.rule->severity);
    line += ' ';
    line += finding.rule->id;
    line += ": ";
    AppendPrintable(line, finding.what);
    line += "; ";
    line += finding.rule->why;
    return line;
}

std::string Describe(const CheckCounts& counts) {
    return "checked " + Counted(counts.annotations, "annotation", "annotations") + ": " +
           Counted(counts.errors, "error", "errors") + ", " + Counted(counts.warnings, "warning", "warnings");
}

}  // namespace draftlift_tool::gdt
