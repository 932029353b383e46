#include "tools/gdt/ReadDatums.h"

#include <algorithm>
#include <array>

#include "tools/gdt/Tokens.h"

namespace draftlift_tool::gdt {
namespace {

bool IsDigit(WCHAR c) { return c >= u'0' && c <= u'9'; }

WCHAR Upper(WCHAR c) { return c >= u'a' && c <= u'z' ? WCHAR(c - u'a' + u'A') : c; }

bool IsWordCharacter(WCHAR c) { return IsDigit(c) || (Upper(c) >= u'A' && Upper(c) <= u'Z'); }

struct KindWord {
    const char* word;
    TargetKind kind;
};

constexpr std::array<KindWord, 3> kKindWords = {{
    {"POINT", TargetKind::Point},
    {"LINE", TargetKind::Line},
    {"AREA", TargetKind::Area},
}};

// Whether `text` holds `word` as a whole word, in any case.
bool HasWord(WStringView text, std::string_view word) {
    for (std::size_t at = 0; at + word.size() <= text.size(); ++at) {
        const bool starts = at == 0 || !IsWordCharacter(text[at - 1]);
        const std::size_t end = at + word.size();
        const bool ends = end == text.size() || !IsWordCharacter(text[end]);
        if (starts && ends &&
            std::equal(word.begin(), word.end(), text.begin() + std::ptrdiff_t(at),
                       [](char w, WCHAR c) { return Upper(c) == WCHAR(w); })) {
            return true;
        }
    }
    return false;
}

TargetKind KindFromWords(const std::vector<Note>& notes) {
    for (const Note& note : notes) {
        for (const KindWord& word : kKindWords) {
            if (HasWord(note.text, word.word)) return word.kind;
        }
    }
    return TargetKind::Unknown;
}

// "⌀6" (a circle) or "10X20" (a rectangle).
void ReadSize(WStringView text, DatumTarget& target, std::vector<Unread>& unread) {
    TokenStream tokens(text);
    if (!tokens.Done() && tokens.Peek().symbol != nullptr && tokens.Peek().symbol->symbol == Symbol::Diameter) {
        target.circular = true;
        tokens.Next();
    }
    WString joined;
    while (!tokens.Done()) joined += tokens.Next().text;
    std::optional<std::vector<Value>> size = ReadSides(joined);
    if (!size || size->size() != (target.circular ? 1u : 2u)) {
        unread.push_back({"target size", WString(text), "the size of an area is a diameter or a width X a height"});
        target.circular = false;
        return;
    }
    target.size = std::move(*size);
}

}  // namespace

DatumFeature ReadDatumFeature(const WString& label, std::vector<Unread>& unread) {
    if (!IsCapitalLetters(label)) unread.push_back({"datum label", label, "a datum label is capital letters"});
    return {label};
}

DatumTarget ReadDatumTarget(const WString& label, const WString& sizeText, const std::vector<Note>& kindWords,
                            std::vector<Unread>& unread) {
    DatumTarget target;
    target.label = label;
    const WStringView shown = Trimmed(label);
    std::size_t digits = shown.size();
    while (digits > 0 && IsDigit(shown[digits - 1])) --digits;
    const WStringView letters = shown.substr(0, digits), number = shown.substr(digits);
    if (IsCapitalLetters(letters) && number.size() <= 9) {
        target.letters = WString(letters);
        if (!number.empty()) target.number = std::stoi(Utf8(number));
    } else {
        unread.push_back({"target label", label, "a datum target label is capital letters and a number (B1)"});
    }
    target.sizeText = sizeText;
    if (!Trimmed(sizeText).empty()) ReadSize(Trimmed(sizeText), target, unread);
    target.kind = KindFromWords(kindWords);
    if (target.kind == TargetKind::Unknown && !target.size.empty()) target.kind = TargetKind::Area;
    return target;
}

}  // namespace draftlift_tool::gdt
