#include "tools/gdt/ReadFrame.h"

#include "tools/gdt/Tokens.h"
#include "tools/gdt/Vocabulary.h"

namespace draftlift_tool::gdt {
namespace {

constexpr WCHAR kPerUnit = u'/';
constexpr WCHAR kCommonDatum = u'-';

void Keep(std::vector<Unread>& unread, const FramePlace& place, WStringView text, std::string reason) {
    unread.push_back({place.Words(), WString(text), std::move(reason)});
}

std::string Meaning(const Token& token) { return token.symbol->meaning; }

// "0.02/25" or "0.02/25X25": the value, then the unit length or area.
void ReadToleranceValue(WStringView word, ToleranceRow& row, const FramePlace& place, std::vector<Unread>& unread) {
    const std::size_t slash = word.find(kPerUnit);
    row.tolerance = ReadValue(word.substr(0, slash));
    if (!row.tolerance) {
        Keep(unread, place, word, "the tolerance value is not a number");
        return;
    }
    if (slash == WStringView::npos) return;
    if (std::optional<std::vector<Value>> unit = ReadSides(word.substr(slash + 1))) {
        row.perUnit = std::move(*unit);
    } else {
        Keep(unread, place, word, "the unit length or area after '/' is not a number");
    }
}

// Signs before the value: the zone's shape.
void ReadZone(TokenStream& tokens, ToleranceRow& row, const FramePlace& place, std::vector<Unread>& unread) {
    while (!tokens.Done() && tokens.Peek().symbol != nullptr) {
        const Token token = tokens.Next();
        const Symbol symbol = token.symbol->symbol;
        if (symbol == Symbol::Diameter && row.zone == ZoneShape::None) {
            row.zone = ZoneShape::Diameter;
        } else if (symbol == Symbol::SphericalDiameter && row.zone == ZoneShape::None) {
            row.zone = ZoneShape::SphericalDiameter;
        } else {
            Keep(unread, place, token.text, Meaning(token) + " cannot stand before the tolerance value");
        }
    }
}

// A word after the value: the value after U, the height after P, ST, or a
// word of its own.
void ReadWord(WStringView word, std::optional<Modifier> after, ToleranceRow& row, const FramePlace& place,
              std::vector<Unread>& unread) {
    if (after == Modifier::UnequallyDisposed && !row.unequal) {
        row.unequal = ReadValue(word);
        if (!row.unequal) Keep(unread, place, word, "the unequally disposed value is not a number");
    } else if (after == Modifier::ProjectedZone && !row.projectedHeight && ReadValue(word)) {
        row.projectedHeight = ReadValue(word);
    } else if (IsAscii(word, "ST") || IsAscii(word, "<ST>")) {
        row.modifiers.push_back(Modifier::Statistical);
    } else {
        row.words.emplace_back(word);
    }
}

// Modifiers and words after the value.
void ReadAfterValue(TokenStream& tokens, ToleranceRow& row, const FramePlace& place, std::vector<Unread>& unread) {
    std::optional<Modifier> last;
    while (!tokens.Done()) {
        const Token token = tokens.Next();
        if (token.symbol == nullptr) {
            ReadWord(token.text, last, row, place, unread);
            last.reset();
            continue;
        }
        last = ModifierOf(token.symbol->symbol);
        if (last) {
            row.modifiers.push_back(*last);
        } else {
            Keep(unread, place, token.text, Meaning(token) + " cannot follow the tolerance value");
        }
    }
    if (last == Modifier::UnequallyDisposed) {
        Keep(unread, place, row.text, "the unequally disposed profile has no value");
    }
}

std::optional<Characteristic> ReadCharacteristic(WStringView symbol, const FramePlace& place,
                                                 std::vector<Unread>& unread) {
    std::optional<Characteristic> read;
    for (TokenStream tokens(symbol); !tokens.Done();) {
        const Token token = tokens.Next();
        const std::optional<Characteristic> characteristic =
            token.symbol != nullptr ? CharacteristicOf(token.symbol->symbol) : std::nullopt;
        if (!characteristic) {
            Keep(unread, place, token.text, "not a characteristic symbol");
        } else if (read) {
            Keep(unread, place, symbol, "more than one characteristic symbol");
        } else {
            read = characteristic;
        }
    }
    if (!read && Trimmed(symbol).empty()) Keep(unread, place, symbol, "no characteristic symbol");
    return read;
}

// "A", "A-B": the labels of a reference, none when one is not capital letters.
std::vector<WString> ReadLabels(WStringView word) {
    std::vector<WString> labels;
    for (;;) {
        const std::size_t dash = word.find(kCommonDatum);
        const WStringView label = word.substr(0, dash);
        if (!IsCapitalLetters(label)) return {};
        labels.emplace_back(label);
        if (dash == WStringView::npos) return labels;
        word.remove_prefix(dash + 1);
    }
}

}  // namespace

std::string FramePlace::Words() const {
    std::string words = "row " + std::to_string(frameRow + 1) + " " + compartment;
    return datum > 0 ? words + " " + std::to_string(datum) : words;
}

void ReadTolerance(ToleranceRow& row, const FramePlace& place, std::vector<Unread>& unread) {
    const WStringView text = row.text;
    TokenStream tokens(text);
    ReadZone(tokens, row, place, unread);
    if (tokens.Done()) {
        Keep(unread, place, text, "no tolerance value");
        return;
    }
    ReadToleranceValue(tokens.Next().text, row, place, unread);
    ReadAfterValue(tokens, row, place, unread);
}

DatumReference ReadDatumReference(WString text, std::size_t compartment, const FramePlace& place,
                                  std::vector<Unread>& unread) {
    DatumReference reference;
    reference.compartment = compartment;
    reference.text = std::move(text);
    TokenStream tokens(reference.text);
    if (!tokens.Done() && tokens.Peek().symbol == nullptr) {
        const WStringView word = tokens.Next().text;
        reference.labels = ReadLabels(word);
        if (reference.labels.empty()) {
            Keep(unread, place, word, "a datum label is capital letters (A-B for a common datum)");
        }
    } else {
        Keep(unread, place, reference.text, "no datum label");
    }
    while (!tokens.Done()) {
        const Token token = tokens.Next();
        const std::optional<Modifier> modifier =
            token.symbol != nullptr ? ModifierOf(token.symbol->symbol) : std::nullopt;
        if (modifier) {
            reference.modifiers.push_back(*modifier);
        } else {
            Keep(unread, place, token.text, "not a datum reference modifier");
        }
    }
    return reference;
}

// One row from its control's texts, which move into it.
ToleranceRow ReadRow(ControlFields& control, const RowPlace& at, std::vector<Unread>& unread) {
    ToleranceRow row;
    row.place = at;
    row.text = std::move(control.tolerance);
    ReadTolerance(row, {at.frameRow, "tolerance"}, unread);
    for (std::size_t c = 0; c < control.datumRefs.size(); ++c) {
        if (Trimmed(control.datumRefs[c]).empty()) continue;
        const FramePlace place{at.frameRow, "datum reference", c + 1};
        row.datums.push_back(ReadDatumReference(std::move(control.datumRefs[c]), c, place, unread));
    }
    row.extra = std::move(control.extra);
    return row;
}

FeatureControlFrame ReadFrame(std::vector<SubFrameFields> subFrames, std::vector<Unread>& unread) {
    FeatureControlFrame frame;
    frame.segments.reserve(subFrames.size());
    std::size_t frameRow = 0;
    for (std::size_t s = 0; s < subFrames.size(); ++s) {
        SubFrameFields& fields = subFrames[s];
        FrameSegment segment;
        segment.symbol = std::move(fields.symbol);
        const std::optional<Characteristic> characteristic =
            ReadCharacteristic(segment.symbol, {frameRow, "characteristic"}, unread);
        segment.rows.reserve(fields.controls.size());
        for (std::size_t r = 0; r < fields.controls.size(); ++r, ++frameRow) {
            segment.rows.push_back(ReadRow(fields.controls[r], {s, r, frameRow}, unread));
            segment.rows.back().characteristic = characteristic;
        }
        frame.segments.push_back(std::move(segment));
    }
    return frame;
}

}  // namespace draftlift_tool::gdt
