#include "tests/tools/record/ModelGenerator.h"

#include <algorithm>
#include <limits>
#include <string>

#include "import/ValueText.h"
#include "tests/support/WideText.h"
#include "tools/gdt/Tokens.h"
#include "tools/gdt/Vocabulary.h"

namespace record_tests {
namespace {

namespace gdt = draftlift_tool::gdt;
using Ids = std::numeric_limits<std::int32_t>;

// Without E and I, no random text holds a target kind's word (POINT, LINE,
// AREA).
const WString kAlphabet = u"ABCDFGHJKLMNOPRSTUVWXYZ0123456789 -.#\u00D8\uFFDC"_w;
const std::vector<WString> kWords = {u"CZ"_w, u"SZ"_w, u"LE"_w, u"ACS"_w};
const std::vector<std::vector<std::size_t>> kLayouts = {{1}, {2}, {2, 1}, {1, 1}, {1, 1, 1}, {3}};
constexpr int kCharacteristics = 14;
constexpr int kSymbolModifiers = 8;  // all but statistical
constexpr std::size_t kLongNote = 2500;
constexpr int kDimensionDecimals = 4;  // as the import writes dimension values

// The longest stretch without a space, which one field has to hold.
std::size_t LongestRun(const WString& text) {
    std::size_t longest = 0, run = 0;
    for (const WCHAR c : text) longest = std::max(longest, run = c == u' ' ? 0 : run + 1);
    return longest;
}

WCHAR CharacterOf(gdt::Modifier modifier) { return gdt::EntryOf(*gdt::SymbolOf(modifier)).character; }

}  // namespace

// A compartment's words and symbols, joined by spaces, or, when tight, with
// none around the symbols (as the interface may write them).
class Compartment {
public:
    explicit Compartment(bool tight) : m_tight(tight) {}

    void Add(WString token, bool symbol) {
        if (!m_text.empty() && !(m_tight && (symbol || m_lastSymbol))) m_text += u' ';
        m_text += token;
        m_lastSymbol = symbol;
    }
    void Symbol(WCHAR c) { Add(WString(1, c), true); }
    const WString& Text() const { return m_text; }

private:
    bool m_tight;
    bool m_lastSymbol = false;
    WString m_text;
};

bool ModelGenerator::Chance(double p) { return std::bernoulli_distribution(p)(m_random); }

int ModelGenerator::Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

WString ModelGenerator::Text(std::size_t longest, bool bars) {
    WString text(std::size_t(Between(0, int(longest))), u' ');
    for (WCHAR& c : text) {
        c = bars && Chance(0.05) ? u'|' : kAlphabet[std::size_t(Between(0, int(kAlphabet.size()) - 1))];
    }
    return text;
}

WString ModelGenerator::Letters() {
    WString letters(std::size_t(Between(1, 2)), u' ');
    for (WCHAR& c : letters) c = WCHAR(u'A' + Between(0, 25));
    return letters;
}

gdt::Value ModelGenerator::Number() {
    const int decimals = Between(0, 3);
    std::string text = std::to_string(Between(0, 99));
    if (decimals > 0) text += "." + std::to_string(Between(1, 9)).insert(0, std::size_t(decimals - 1), '0');
    return {WString(text.begin(), text.end()), std::stod(text), decimals};
}

gdt::ToleranceRow ModelGenerator::Row(gdt::RowPlace place) {
    gdt::ToleranceRow row;
    row.place = place;
    Compartment compartment(Chance(0.3));
    row.zone = gdt::ZoneShape(Between(0, 2));
    if (row.zone != gdt::ZoneShape::None) {
        const bool diameter = row.zone == gdt::ZoneShape::Diameter;
        compartment.Symbol(gdt::EntryOf(diameter ? gdt::Symbol::Diameter : gdt::Symbol::SphericalDiameter).character);
    }
    row.tolerance = Number();
    WString value = row.tolerance->text;
    for (int side = 0, sides = Chance(0.2) ? Between(1, 2) : 0; side < sides; ++side) {
        row.perUnit.push_back(Number());
        value += (side == 0 ? u"/"_w : u"X"_w) + row.perUnit.back().text;
    }
    compartment.Add(value, false);
    for (int item = 0, items = Between(0, 3); item < items; ++item) AfterValue(row, compartment);
    row.text = compartment.Text();
    if (LongestRun(row.text) > noteimport::RecordLimits::kRowText) return Row(place);  // no field holds it
    for (std::size_t c = 0; c < gdt::kDatumCompartments; ++c) {
        if (Chance(0.5)) row.datums.push_back(Reference(c));
    }
    return row;
}

// A modifier (U with its value, P with its height or not), ST, or a word;
// U once at most, as a second would take the word after it as a value.
void ModelGenerator::AfterValue(gdt::ToleranceRow& row, Compartment& compartment) {
    const int choice = Between(0, kSymbolModifiers + 1);
    const auto modifier = gdt::Modifier(choice);
    if (choice == kSymbolModifiers + 1 || (modifier == gdt::Modifier::UnequallyDisposed && row.unequal)) {
        row.words.push_back(Pick(kWords));
        compartment.Add(row.words.back(), false);
        return;
    }
    row.modifiers.push_back(modifier);
    if (modifier == gdt::Modifier::Statistical) {
        compartment.Add(Chance(0.5) ? u"ST"_w : u"<ST>"_w, false);
        return;
    }
    compartment.Symbol(CharacterOf(modifier));
    std::optional<gdt::Value>& value = modifier == gdt::Modifier::UnequallyDisposed ? row.unequal : row.projectedHeight;
    if (modifier == gdt::Modifier::UnequallyDisposed ||
        (modifier == gdt::Modifier::ProjectedZone && !row.projectedHeight && Chance(0.5))) {
        value = Number();
        compartment.Add(value->text, false);
    }
}

gdt::DatumReference ModelGenerator::Reference(std::size_t compartment) {
    gdt::DatumReference reference{compartment, Letters(), {}, {}};
    reference.labels.push_back(reference.text);
    if (Chance(0.2)) {
        reference.labels.push_back(Letters());
        reference.text += u"-"_w + reference.labels.back();
    }
    for (int m = 0, count = Between(0, 2); m < count; ++m) {
        reference.modifiers.push_back(gdt::Modifier(Between(0, kSymbolModifiers - 1)));
        if (Chance(0.3)) reference.text += u' ';
        reference.text += CharacterOf(reference.modifiers.back());
    }
    return reference;
}

void ModelGenerator::Frame(gdt::Annotation& annotation) {
    annotation.kind = gdt::AnnotationKind::FeatureControlFrame;
    annotation.frame.emplace();
    std::size_t frameRow = 0;
    const std::vector<std::size_t> layout = Pick(kLayouts);
    for (std::size_t s = 0; s < layout.size(); ++s) {
        const auto characteristic = gdt::Characteristic(Between(0, kCharacteristics - 1));
        gdt::FrameSegment segment{WString(1, gdt::EntryOf(gdt::SymbolOf(characteristic)).character), {}};
        for (std::size_t r = 0; r < layout[s]; ++r) {
            segment.rows.push_back(Row({s, r, frameRow++}));
            segment.rows.back().characteristic = characteristic;
        }
        annotation.frame->segments.push_back(std::move(segment));
    }
}

// The kind's word stands in one note; a name that is not the label makes a
// label line.
void ModelGenerator::Target(gdt::Annotation& annotation) {
    gdt::DatumTarget& target = annotation.target.emplace();
    target.letters = Letters();
    target.label = target.letters;
    if (Chance(0.8)) {
        target.number = Between(0, 99);
        const std::string number = std::to_string(*target.number);
        target.label += WString(number.begin(), number.end());
    }
    if (Chance(0.5)) annotation.name = target.label;
    target.kind = gdt::TargetKind(Between(0, 3));
    if (target.kind == gdt::TargetKind::Unknown) return;
    const WString word = target.kind == gdt::TargetKind::Point  ? u"POINT"_w
                         : target.kind == gdt::TargetKind::Line ? u"LINE"_w
                                                                : u"AREA"_w;
    const gdt::Note note{Chance(0.5) ? gdt::TextSlot::Text5 : gdt::TextSlot::Text2, u"TARGET "_w + word};
    auto& notes = annotation.notes;
    const auto at = std::find_if(notes.begin(), notes.end(), [&](const gdt::Note& n) { return n.slot == note.slot; });
    if (at != notes.end()) {
        at->text = note.text;
    } else {
        notes.insert(note.slot == gdt::TextSlot::Text5 ? notes.begin() : notes.end(), note);
    }
}

void ModelGenerator::Dimension(gdt::Annotation& annotation) {
    gdt::Dimension& dimension = annotation.dimension.emplace();
    if (Chance(0.3)) return;  // without values
    annotation.link = gdt::HostLink{};
    dimension.label = Text(noteimport::RecordLimits::kDimensionLabel);
    dimension.number = Between(Ids::min(), Ids::max());
    dimension.tolerance = gdt::DimensionTolerance::Limits;
    for (auto [text, limit] :
         {std::pair{&dimension.text1, &dimension.upperLimit}, {&dimension.text2, &dimension.lowerLimit}}) {
        *text =
            noteimport::FormatValue(std::uniform_real_distribution<double>(-1e6, 1e6)(m_random), kDimensionDecimals);
        *limit = gdt::ReadValue(*text);
    }
}

gdt::Annotation ModelGenerator::Next() {
    gdt::Annotation annotation;
    annotation.name = Chance(0.2) ? WString() : Text(40);
    const std::int32_t group = Chance(0.5) ? 0 : Between(1, Ids::max());
    annotation.link = gdt::HostLink{group, Between(group == 0 ? Ids::min() : 0, Ids::max())};
    if (Chance(0.3)) annotation.notes.push_back({gdt::TextSlot::Text5, Text(noteimport::RecordLimits::kLabelText)});
    if (Chance(0.3)) annotation.notes.push_back({gdt::TextSlot::Text2, Text(Chance(0.2) ? kLongNote : 40, true)});
    const bool carriesDatum = Chance(0.3);
    switch (Between(0, 5)) {
        case 0: annotation.kind = gdt::AnnotationKind::Note; break;
        case 1:
            annotation.kind = gdt::AnnotationKind::DatumFeature;
            annotation.type = gdt::AnnotationClass::Datum;
            annotation.datum = gdt::DatumFeature{Letters()};
            if (Chance(0.5)) annotation.name = annotation.datum->label;
            return annotation;
        case 2:
            annotation.kind = gdt::AnnotationKind::DatumTarget;
            annotation.type = gdt::AnnotationClass::DatumTarget;
            Target(annotation);
            return annotation;
        case 3:
            annotation.kind = gdt::AnnotationKind::Dimension;
            annotation.type = gdt::AnnotationClass::LinearDimension;
            Dimension(annotation);
            break;
        default: Frame(annotation); break;
    }
    if (annotation.type == gdt::AnnotationClass::Note) annotation.type = gdt::AnnotationClass::FeatureControlFrame;
    if (carriesDatum) annotation.datum = gdt::DatumFeature{Letters()};
    return annotation;
}

}  // namespace record_tests
