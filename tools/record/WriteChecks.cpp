#include "tools/record/WriteChecks.h"

namespace noterecord {
namespace {

std::optional<WriteProblem> CharacterProblem(WCHAR c) {
    switch (c) {
        case u'\r':
        case u'\n':
            return WriteProblem::HoldsLineBreak;
        case u'\0':
            return WriteProblem::HoldsZero;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<WriteProblem> FieldTextProblem(WStringView text, std::size_t limit) {
    if (text.size() > limit) return WriteProblem::TooLong;
    for (const WCHAR c : text) {
        if (c == u'|') return WriteProblem::HoldsSeparator;
        if (auto problem = CharacterProblem(c)) return problem;
    }
    return std::nullopt;
}

std::optional<WriteProblem> LineTextProblem(WStringView text) {
    for (const WCHAR c : text) {
        if (auto problem = CharacterProblem(c)) return problem;
    }
    return std::nullopt;
}

Refused Refuse(std::string field, WriteProblem problem, std::size_t limit) {
    return WriteRefusal{std::move(field), problem, problem == WriteProblem::TooLong ? limit : 0};
}

Refused CheckField(WStringView text, std::size_t limit, const char* field) {
    if (auto problem = FieldTextProblem(text, limit)) return Refuse(field, *problem, limit);
    return std::nullopt;
}

std::string Indexed(const char* member, std::size_t n) { return std::string(member) + "[" + std::to_string(n) + "]"; }

std::string RowField(std::size_t n, const std::string& member) { return Indexed("rows", n) + "." + member; }

}  // namespace noterecord
