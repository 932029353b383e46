// A group's items written as the texts an annotation carries, in the form
// the import writes them (a tolerance compartment is sign, value, then
// modifiers, space-separated), so that the model reads them as it reads any
// annotation.
#include <charconv>
#include <limits>

#include "import/ValueText.h"
#include "tools/gdt/ReadAnnotation.h"
#include "tools/gdt/Tokens.h"
#include "tools/gdt/Vocabulary.h"
#include "tools/step/Items.h"

namespace draftlift_tool::step {
namespace {

using gdt::AnnotationClass;
using gdt::AnnotationFields;
using gdt::FlaggedText;

WString Ascii(const std::string& text) { return WString(text.begin(), text.end()); }

constexpr WCHAR kSpace = u' ';
constexpr WCHAR kPlusMinus = u'\u00B1';
constexpr WCHAR kDegree = u'\u00B0';
const WString kStatistical = Ascii("ST");
const WString kTargetPoint = Ascii("TARGET POINT");
const WString kTargetLine = Ascii("TARGET LINE");
constexpr int kDimensionDecimals = 4;

WCHAR CharacterOf(gdt::Symbol symbol) { return gdt::EntryOf(symbol).character; }

void AddModifier(gdt::Modifier modifier, const RowItem& row, WString& text) {
    const std::optional<gdt::Symbol> symbol = gdt::SymbolOf(modifier);
    text += kSpace;
    if (!symbol) {
        text += kStatistical;
        return;
    }
    text += CharacterOf(*symbol);
    if (modifier == gdt::Modifier::ProjectedZone && row.projectedHeight && *row.projectedHeight > 0) {
        text += kSpace;
        text += NumberText(*row.projectedHeight);
    }
}

WString ToleranceText(const RowItem& row) {
    WString text;
    if (row.zone != gdt::ZoneShape::None) {
        text += CharacterOf(row.zone == gdt::ZoneShape::Diameter ? gdt::Symbol::Diameter
                                                                 : gdt::Symbol::SphericalDiameter);
        text += kSpace;
    }
    text += NumberText(row.value);
    for (const gdt::Modifier modifier : row.modifiers) AddModifier(modifier, row, text);
    for (const WordModifier word : row.words) text += kSpace + Ascii(WordOf(word));
    return text;
}

// Letters at one position make a common datum: A-B, then the modifiers.
WString DatumText(const std::vector<DatumReferenceItem>& datums, int position) {
    WString text;
    std::vector<gdt::Modifier> modifiers;
    for (const DatumReferenceItem& datum : datums) {
        if (datum.position != position) continue;
        if (!text.empty()) text += u'-';
        text += datum.letters;
        modifiers.insert(modifiers.end(), datum.modifiers.begin(), datum.modifiers.end());
    }
    for (const gdt::Modifier modifier : modifiers) {
        if (auto symbol = gdt::SymbolOf(modifier)) text += CharacterOf(*symbol);
    }
    return text;
}

gdt::ControlFields ControlOf(const RowItem& row) {
    gdt::ControlFields control;
    control.tolerance = ToleranceText(row);
    for (std::size_t n = 0; n < gdt::kDatumCompartments; ++n) control.datumRefs[n] = DatumText(row.datums, int(n) + 1);
    return control;
}

// A new segment starts where the characteristic or the text's place changes.
std::vector<gdt::SubFrameFields> SubFramesOf(const std::vector<RowItem>& rows) {
    std::vector<gdt::SubFrameFields> subFrames;
    for (std::size_t n = 0; n < rows.size(); ++n) {
        const bool same = n > 0 && rows[n].characteristic == rows[n - 1].characteristic &&
                          rows[n].text == rows[n - 1].text;
        if (!same) subFrames.push_back({WString(1, CharacterOf(gdt::SymbolOf(rows[n].characteristic))), {}});
        subFrames.back().controls.push_back(ControlOf(rows[n]));
    }
    return subFrames;
}

FlaggedText* SlotField(gdt::TextSlot slot, AnnotationFields& fields) {
    switch (slot) {
        case gdt::TextSlot::Text1: return &fields.text1;
        case gdt::TextSlot::Text5: return &fields.text5;
        case gdt::TextSlot::Text2: return &fields.text2;
        case gdt::TextSlot::Text3: return &fields.text3;
    }
    return nullptr;
}

void SetNotes(const std::vector<gdt::Note>& notes, AnnotationFields& fields) {
    for (const gdt::Note& note : notes) *SlotField(note.slot, fields) = {true, note.text};
}

const Description* Named(const std::vector<Description>& descriptions, const char* name) {
    for (const Description& description : descriptions) {
        if (description.name == name) return &description;
    }
    return nullptr;
}

// A dimension's values as the import writes them: four decimals.
WString DimensionNumber(double value) { return noteimport::FormatValue(value, kDimensionDecimals); }

WString DimensionValue(const DimensionItem& dimension) {
    WString text;
    if (dimension.sign) text += CharacterOf(*dimension.sign);
    text += DimensionNumber(*dimension.nominal);
    if (dimension.angle) text += kDegree;
    const double upper = dimension.upperTolerance.value_or(0);
    const double lower = dimension.lowerTolerance.value_or(0);
    if (!dimension.upperTolerance && !dimension.lowerTolerance) return text;
    if (upper == lower) return text + kSpace + kPlusMinus + DimensionNumber(upper);
    return text + Ascii(" +") + DimensionNumber(upper) + Ascii(" -") + DimensionNumber(lower);
}

void SetDimension(const DimensionItem& dimension, AnnotationFields& fields) {
    const Description* values = Named(dimension.descriptions, "values");
    if (values && gdt::IsAscii(values->text, "none")) {
        // No values: the nominal the writer had to give is none.
    } else if (dimension.upperBound && dimension.lowerBound) {
        fields.dimensionValue1 = DimensionNumber(*dimension.upperBound);
        fields.dimensionValue2 = DimensionNumber(*dimension.lowerBound);
    } else if (dimension.nominal) {
        fields.dimensionValue1 = DimensionValue(dimension);
    }
    if (const Description* label = Named(dimension.descriptions, "label")) fields.dimensionLabel = {true, label->text};
    if (const Description* number = Named(dimension.descriptions, "number")) {
        const std::string digits = gdt::Utf8(number->text);
        std::from_chars(digits.data(), digits.data() + digits.size(), fields.dimensionNumber2);
    }
}

bool NotesSay(const AnnotationFields& fields, const WString& word) {
    for (const FlaggedText* text : {&fields.text1, &fields.text5, &fields.text2, &fields.text3}) {
        if (text->enabled && text->text.find(word.substr(word.find(kSpace) + 1)) != WString::npos) return true;
    }
    return false;
}

// The model reads a point or line target's kind from its notes: a file
// whose notes do not say it gets the words in the first free slot below.
void SayKind(TargetShape shape, AnnotationFields& fields) {
    if (shape != TargetShape::Point && shape != TargetShape::Line) return;
    const WString& words = shape == TargetShape::Point ? kTargetPoint : kTargetLine;
    if (NotesSay(fields, words)) return;
    FlaggedText& free = fields.text2.enabled ? fields.text3 : fields.text2;
    if (!free.enabled) free = {true, words};
}

void SetTarget(const TargetItem& target, AnnotationFields& fields) {
    fields.type = AnnotationClass::DatumTarget;
    fields.name = target.name;
    fields.datumLabel = {true, target.letters + (target.number > 0 ? Ascii(std::to_string(target.number)) : WString())};
    if (target.shape == TargetShape::Circle && target.length > 0) {
        fields.datumTargetText = CharacterOf(gdt::Symbol::Diameter) + NumberText(target.length);
    } else if (target.shape == TargetShape::Rectangle) {
        fields.datumTargetText = NumberText(target.length) + WCHAR(u'X') + NumberText(target.width);
    }
    SayKind(target.shape, fields);
}

void SetKind(const ItemGroup& group, AnnotationFields& fields) {
    if (!group.rows.empty()) {
        fields.type = AnnotationClass::FeatureControlFrame;
        fields.name = group.rows.front().name;
        fields.subFrames = SubFramesOf(group.rows);
    } else if (group.dimension) {
        fields.type = AnnotationClass::LinearDimension;
        fields.name = group.dimension->name;
    } else if (group.target) {
        SetTarget(*group.target, fields);
    } else if (group.noteName) {
        // What a record without frame rows makes: a frame without sub-frames.
        fields.type = AnnotationClass::FeatureControlFrame;
        fields.name = *group.noteName;
    } else if (group.feature) {
        fields.type = AnnotationClass::Datum;
        fields.name = group.feature->name;
    }
}

Point3 AnchorOf(const ItemGroup& group) {
    for (const std::optional<Point3>* text : {group.rows.empty() ? nullptr : &group.rows.front().text,
                                              group.dimension ? &group.dimension->text : nullptr,
                                              group.target ? &group.target->text : nullptr,
                                              group.feature ? &group.feature->text : nullptr}) {
        if (text && *text) return **text;
    }
    return group.leaderEnd;
}

}  // namespace

WString NumberText(double value) {
    std::array<char, std::numeric_limits<double>::max_exponent10 + 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    return Ascii(std::string(buffer.data(), result.ptr));
}

bool HasAnnotation(const ItemGroup& group) {
    return !group.rows.empty() || group.dimension || group.target || group.feature || group.noteName;
}

AnnotationFields FieldsOf(const ItemGroup& group) {
    AnnotationFields fields;
    SetNotes(group.notes, fields);
    SetKind(group, fields);
    if (group.dimension) SetDimension(*group.dimension, fields);
    if (group.feature && fields.type != AnnotationClass::DatumTarget) fields.datumLabel = {true, group.feature->letters};
    fields.showName = !fields.name.empty();
    // Host ids do not travel: a note made of it is tied to no other entity.
    fields.link = gdt::HostLink{0, 0};
    return fields;
}

PmiAnnotation AnnotationOf(const ItemGroup& group) {
    return {gdt::ReadAnnotation(FieldsOf(group)), group.targetPoint, AnchorOf(group)};
}

}  // namespace draftlift_tool::step
