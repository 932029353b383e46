#include "tools/record/FieldText.h"

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

}  // namespace noterecord
