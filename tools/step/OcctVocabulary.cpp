#include "tools/step/OcctVocabulary.h"

#include <array>
#include <utility>

namespace draftlift_tool::step {
namespace {

using gdt::Characteristic;
using gdt::Modifier;

constexpr std::array<std::pair<Characteristic, XCAFDimTolObjects_GeomToleranceType>, 14> kCharacteristics = {{
    {Characteristic::Straightness, XCAFDimTolObjects_GeomToleranceType_Straightness},
    {Characteristic::Flatness, XCAFDimTolObjects_GeomToleranceType_Flatness},
    {Characteristic::Circularity, XCAFDimTolObjects_GeomToleranceType_CircularityOrRoundness},
    {Characteristic::Cylindricity, XCAFDimTolObjects_GeomToleranceType_Cylindricity},
    {Characteristic::ProfileOfLine, XCAFDimTolObjects_GeomToleranceType_ProfileOfLine},
    {Characteristic::ProfileOfSurface, XCAFDimTolObjects_GeomToleranceType_ProfileOfSurface},
    {Characteristic::Parallelism, XCAFDimTolObjects_GeomToleranceType_Parallelism},
    {Characteristic::Perpendicularity, XCAFDimTolObjects_GeomToleranceType_Perpendicularity},
    {Characteristic::Angularity, XCAFDimTolObjects_GeomToleranceType_Angularity},
    {Characteristic::Position, XCAFDimTolObjects_GeomToleranceType_Position},
    {Characteristic::Concentricity, XCAFDimTolObjects_GeomToleranceType_Concentricity},
    {Characteristic::Symmetry, XCAFDimTolObjects_GeomToleranceType_Symmetry},
    {Characteristic::CircularRunout, XCAFDimTolObjects_GeomToleranceType_CircularRunout},
    {Characteristic::TotalRunout, XCAFDimTolObjects_GeomToleranceType_TotalRunout},
}};

constexpr std::array<std::pair<Modifier, XCAFDimTolObjects_GeomToleranceModif>, 3> kModifiers = {{
    {Modifier::FreeState, XCAFDimTolObjects_GeomToleranceModif_Free_State},
    {Modifier::TangentPlane, XCAFDimTolObjects_GeomToleranceModif_Tangent_Plane},
    {Modifier::Statistical, XCAFDimTolObjects_GeomToleranceModif_Statistical_Tolerance},
}};

constexpr std::array<std::pair<WordModifier, XCAFDimTolObjects_GeomToleranceModif>, 8> kWords = {{
    {WordModifier::CommonZone, XCAFDimTolObjects_GeomToleranceModif_Common_Zone},
    {WordModifier::AnyCrossSection, XCAFDimTolObjects_GeomToleranceModif_Any_Cross_Section},
    {WordModifier::LineElement, XCAFDimTolObjects_GeomToleranceModif_Line_Element},
    {WordModifier::NotConvex, XCAFDimTolObjects_GeomToleranceModif_Not_Convex},
    {WordModifier::MajorDiameter, XCAFDimTolObjects_GeomToleranceModif_Major_Diameter},
    {WordModifier::MinorDiameter, XCAFDimTolObjects_GeomToleranceModif_Minor_Diameter},
    {WordModifier::PitchDiameter, XCAFDimTolObjects_GeomToleranceModif_Pitch_Diameter},
    {WordModifier::EachRadialElement, XCAFDimTolObjects_GeomToleranceModif_Each_Radial_Element},
}};

constexpr std::array<std::pair<Modifier, XCAFDimTolObjects_DatumSingleModif>, 3> kDatumModifiers = {{
    {Modifier::MaximumMaterial, XCAFDimTolObjects_DatumSingleModif_MaximumMaterialRequirement},
    {Modifier::LeastMaterial, XCAFDimTolObjects_DatumSingleModif_LeastMaterialRequirement},
    {Modifier::FreeState, XCAFDimTolObjects_DatumSingleModif_FreeState},
}};

struct SignedType {
    gdt::Symbol sign;
    XCAFDimTolObjects_DimensionType type;
};

constexpr std::array<SignedType, 4> kSignedTypes = {{
    {gdt::Symbol::Diameter, XCAFDimTolObjects_DimensionType_Size_Diameter},
    {gdt::Symbol::SphericalDiameter, XCAFDimTolObjects_DimensionType_Size_SphericalDiameter},
    {gdt::Symbol::Radius, XCAFDimTolObjects_DimensionType_Size_Radius},
    {gdt::Symbol::SphericalRadius, XCAFDimTolObjects_DimensionType_Size_SphericalRadius},
}};

template <class Table, class Key>
auto Second(const Table& table, const Key& key) -> std::optional<decltype(table[0].second)> {
    for (const auto& entry : table) {
        if (entry.first == key) return entry.second;
    }
    return std::nullopt;
}

template <class Table, class Key>
auto First(const Table& table, const Key& key) -> std::optional<decltype(table[0].first)> {
    for (const auto& entry : table) {
        if (entry.second == key) return entry.first;
    }
    return std::nullopt;
}

}  // namespace

XCAFDimTolObjects_GeomToleranceType ToleranceTypeOf(Characteristic characteristic) {
    return Second(kCharacteristics, characteristic).value_or(XCAFDimTolObjects_GeomToleranceType_None);
}

std::optional<Characteristic> CharacteristicOf(XCAFDimTolObjects_GeomToleranceType type) {
    if (type == XCAFDimTolObjects_GeomToleranceType_Coaxiality) return Characteristic::Concentricity;
    return First(kCharacteristics, type);
}

XCAFDimTolObjects_GeomToleranceTypeValue ZoneTypeOf(gdt::ZoneShape zone) {
    switch (zone) {
        case gdt::ZoneShape::Diameter: return XCAFDimTolObjects_GeomToleranceTypeValue_Diameter;
        case gdt::ZoneShape::SphericalDiameter: return XCAFDimTolObjects_GeomToleranceTypeValue_SphericalDiameter;
        case gdt::ZoneShape::None: break;
    }
    return XCAFDimTolObjects_GeomToleranceTypeValue_None;
}

gdt::ZoneShape ZoneShapeOf(XCAFDimTolObjects_GeomToleranceTypeValue type) {
    switch (type) {
        case XCAFDimTolObjects_GeomToleranceTypeValue_Diameter: return gdt::ZoneShape::Diameter;
        case XCAFDimTolObjects_GeomToleranceTypeValue_SphericalDiameter: return gdt::ZoneShape::SphericalDiameter;
        case XCAFDimTolObjects_GeomToleranceTypeValue_None: break;
    }
    return gdt::ZoneShape::None;
}

std::optional<XCAFDimTolObjects_GeomToleranceModif> ToleranceModifOf(Modifier modifier) {
    return Second(kModifiers, modifier);
}

XCAFDimTolObjects_GeomToleranceModif ToleranceModifOf(WordModifier word) {
    return Second(kWords, word).value_or(XCAFDimTolObjects_GeomToleranceModif_Common_Zone);
}

ReadModifier ModifierOf(XCAFDimTolObjects_GeomToleranceModif modif) {
    return {First(kModifiers, modif), First(kWords, modif)};
}

std::optional<XCAFDimTolObjects_DatumSingleModif> DatumModifOf(Modifier modifier) {
    return Second(kDatumModifiers, modifier);
}

std::optional<Modifier> DatumModifierOf(XCAFDimTolObjects_DatumSingleModif modif) {
    return First(kDatumModifiers, modif);
}

XCAFDimTolObjects_DimensionType DimensionTypeOf(const gdt::Dimension& dimension) {
    if (dimension.sign) {
        for (const SignedType& entry : kSignedTypes) {
            if (entry.sign == *dimension.sign) return entry.type;
        }
    }
    switch (dimension.type) {
        case gdt::DimensionType::Angle: return XCAFDimTolObjects_DimensionType_Location_Angular;
        case gdt::DimensionType::Radius: return XCAFDimTolObjects_DimensionType_Size_Radius;
        case gdt::DimensionType::Diameter: return XCAFDimTolObjects_DimensionType_Size_Diameter;
        case gdt::DimensionType::Linear: break;
    }
    return XCAFDimTolObjects_DimensionType_Location_LinearDistance;
}

std::optional<gdt::Symbol> SignOf(XCAFDimTolObjects_DimensionType type) {
    for (const SignedType& entry : kSignedTypes) {
        if (entry.type == type) return entry.sign;
    }
    return std::nullopt;
}

bool IsAngle(XCAFDimTolObjects_DimensionType type) {
    return type == XCAFDimTolObjects_DimensionType_Location_Angular ||
           type == XCAFDimTolObjects_DimensionType_Size_Angular;
}

bool IsLocation(XCAFDimTolObjects_DimensionType type) {
    return type >= XCAFDimTolObjects_DimensionType_Location_CurvedDistance &&
           type <= XCAFDimTolObjects_DimensionType_Location_WithPath;
}

}  // namespace draftlift_tool::step
