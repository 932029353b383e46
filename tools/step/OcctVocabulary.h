// The model's words in XDE's enumerations, both ways.
#pragma once

#include <optional>

#include <XCAFDimTolObjects_DatumSingleModif.hxx>
#include <XCAFDimTolObjects_DimensionType.hxx>
#include <XCAFDimTolObjects_GeomToleranceModif.hxx>
#include <XCAFDimTolObjects_GeomToleranceType.hxx>
#include <XCAFDimTolObjects_GeomToleranceTypeValue.hxx>

#include "tools/gdt/Model.h"
#include "tools/step/Carriers.h"

namespace draftlift_tool::step {

XCAFDimTolObjects_GeomToleranceType ToleranceTypeOf(gdt::Characteristic characteristic);
// Coaxiality reads as concentricity, the symbol they share.
std::optional<gdt::Characteristic> CharacteristicOf(XCAFDimTolObjects_GeomToleranceType type);

XCAFDimTolObjects_GeomToleranceTypeValue ZoneTypeOf(gdt::ZoneShape zone);
gdt::ZoneShape ZoneShapeOf(XCAFDimTolObjects_GeomToleranceTypeValue type);

// For the modifiers ModifierCarrier::ToleranceModifier carries.
std::optional<XCAFDimTolObjects_GeomToleranceModif> ToleranceModifOf(gdt::Modifier modifier);
XCAFDimTolObjects_GeomToleranceModif ToleranceModifOf(WordModifier word);

// A tolerance modifier read back: a model modifier, or a word.
struct ReadModifier {
    std::optional<gdt::Modifier> modifier;
    std::optional<WordModifier> word;
};
ReadModifier ModifierOf(XCAFDimTolObjects_GeomToleranceModif modif);

std::optional<XCAFDimTolObjects_DatumSingleModif> DatumModifOf(gdt::Modifier modifier);
std::optional<gdt::Modifier> DatumModifierOf(XCAFDimTolObjects_DatumSingleModif modif);

XCAFDimTolObjects_DimensionType DimensionTypeOf(const gdt::Dimension& dimension);
// The sign a dimension type writes before its value; none for distances.
std::optional<gdt::Symbol> SignOf(XCAFDimTolObjects_DimensionType type);
bool IsAngle(XCAFDimTolObjects_DimensionType type);
// The dimension types that need two shapes.
bool IsLocation(XCAFDimTolObjects_DimensionType type);

}  // namespace draftlift_tool::step
