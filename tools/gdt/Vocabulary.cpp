#include "tools/gdt/Vocabulary.h"

#include <array>
#include <cstddef>

namespace draftlift_tool::gdt {
namespace {

struct CharacteristicWord {
    Characteristic characteristic;
    Symbol symbol;
    Family family;
};

// In the order of Characteristic.
constexpr std::array<CharacteristicWord, 14> kCharacteristics = {{
    {Characteristic::Straightness, Symbol::Straightness, Family::Form},
    {Characteristic::Flatness, Symbol::Flatness, Family::Form},
    {Characteristic::Circularity, Symbol::Circularity, Family::Form},
    {Characteristic::Cylindricity, Symbol::Cylindricity, Family::Form},
    {Characteristic::ProfileOfLine, Symbol::ProfileOfLine, Family::Profile},
    {Characteristic::ProfileOfSurface, Symbol::ProfileOfSurface, Family::Profile},
    {Characteristic::Parallelism, Symbol::Parallelism, Family::Orientation},
    {Characteristic::Perpendicularity, Symbol::Perpendicularity, Family::Orientation},
    {Characteristic::Angularity, Symbol::Angularity, Family::Orientation},
    {Characteristic::Position, Symbol::Position, Family::Location},
    {Characteristic::Concentricity, Symbol::Concentricity, Family::Location},
    {Characteristic::Symmetry, Symbol::Symmetry, Family::Location},
    {Characteristic::CircularRunout, Symbol::CircularRunout, Family::Runout},
    {Characteristic::TotalRunout, Symbol::TotalRunout, Family::Runout},
}};

struct ModifierWord {
    Modifier modifier;
    std::optional<Symbol> symbol;
};

// In the order of Modifier.
const std::array<ModifierWord, 9> kModifiers = {{
    {Modifier::MaximumMaterial, Symbol::MaximumMaterial},
    {Modifier::LeastMaterial, Symbol::LeastMaterial},
    {Modifier::RegardlessOfFeatureSize, Symbol::RegardlessOfFeatureSize},
    {Modifier::ProjectedZone, Symbol::ProjectedZone},
    {Modifier::FreeState, Symbol::FreeState},
    {Modifier::TangentPlane, Symbol::TangentPlane},
    {Modifier::UnequallyDisposed, Symbol::UnequallyDisposed},
    {Modifier::Envelope, Symbol::Envelope},
    {Modifier::Statistical, std::nullopt},
}};

const CharacteristicWord& WordOf(Characteristic characteristic) {
    return kCharacteristics[static_cast<std::size_t>(characteristic)];
}

}  // namespace

Family FamilyOf(Characteristic characteristic) { return WordOf(characteristic).family; }

Symbol SymbolOf(Characteristic characteristic) { return WordOf(characteristic).symbol; }

std::optional<Characteristic> CharacteristicOf(Symbol symbol) {
    for (const CharacteristicWord& word : kCharacteristics) {
        if (word.symbol == symbol) return word.characteristic;
    }
    return std::nullopt;
}

std::optional<Symbol> SymbolOf(Modifier modifier) { return kModifiers[static_cast<std::size_t>(modifier)].symbol; }

std::optional<Modifier> ModifierOf(Symbol symbol) {
    for (const ModifierWord& word : kModifiers) {
        if (word.symbol == symbol) return word.modifier;
    }
    return std::nullopt;
}

bool IsMaterialCondition(Modifier modifier) {
    return modifier == Modifier::MaximumMaterial || modifier == Modifier::LeastMaterial;
}

const char* NameOf(Characteristic characteristic) { return EntryOf(SymbolOf(characteristic)).name; }

const char* NameOf(Modifier modifier) {
    const std::optional<Symbol> symbol = SymbolOf(modifier);
    return symbol ? EntryOf(*symbol).name : "statistical";
}

const char* NameOf(ZoneShape zone) {
    switch (zone) {
        case ZoneShape::None: return "none";
        case ZoneShape::Diameter: return EntryOf(Symbol::Diameter).name;
        case ZoneShape::SphericalDiameter: return EntryOf(Symbol::SphericalDiameter).name;
    }
    return "none";
}

const char* NameOf(TargetKind kind) {
    switch (kind) {
        case TargetKind::Unknown: return "unknown";
        case TargetKind::Point: return "point";
        case TargetKind::Line: return "line";
        case TargetKind::Area: return "area";
    }
    return "unknown";
}

const char* NameOf(DimensionType type) {
    switch (type) {
        case DimensionType::Linear: return "linear";
        case DimensionType::Angle: return "angle";
        case DimensionType::Radius: return "radius";
        case DimensionType::Diameter: return "diameter";
    }
    return "linear";
}

const char* NameOf(DimensionTolerance tolerance) {
    switch (tolerance) {
        case DimensionTolerance::None: return "none";
        case DimensionTolerance::PlusMinus: return "plus-minus";
        case DimensionTolerance::Deviations: return "deviations";
        case DimensionTolerance::Limits: return "limits";
    }
    return "none";
}

const char* NameOf(TextSlot slot) {
    switch (slot) {
        case TextSlot::Text1: return "text1";
        case TextSlot::Text5: return "text5";
        case TextSlot::Text2: return "text2";
        case TextSlot::Text3: return "text3";
    }
    return "text2";
}

const char* NameOf(AnnotationKind kind) {
    switch (kind) {
        case AnnotationKind::FeatureControlFrame: return "feature-control-frame";
        case AnnotationKind::DatumFeature: return "datum-feature";
        case AnnotationKind::DatumTarget: return "datum-target";
        case AnnotationKind::Dimension: return "dimension";
        case AnnotationKind::Note: return "note";
    }
    return "note";
}

}  // namespace draftlift_tool::gdt
