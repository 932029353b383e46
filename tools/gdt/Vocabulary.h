// The words of the model: which symbol stands for each characteristic and
// modifier, the families of characteristics the rules speak of, and the names
// the JSON and the findings use (the symbol table's short names).
#pragma once

#include <optional>

#include "tools/gdt/Model.h"
#include "tools/gdt/Symbols.h"

namespace draftlift_tool::gdt {

enum class Family : std::uint8_t { Form, Profile, Orientation, Location, Runout };

Family FamilyOf(Characteristic characteristic);
Symbol SymbolOf(Characteristic characteristic);
std::optional<Characteristic> CharacteristicOf(Symbol symbol);
// Statistical has no symbol.
std::optional<Symbol> SymbolOf(Modifier modifier);
std::optional<Modifier> ModifierOf(Symbol symbol);

bool IsMaterialCondition(Modifier modifier);  // maximum or least material

const char* NameOf(Characteristic characteristic);
const char* NameOf(Modifier modifier);
const char* NameOf(ZoneShape zone);
const char* NameOf(TargetKind kind);
const char* NameOf(DimensionType type);
const char* NameOf(DimensionTolerance tolerance);
const char* NameOf(TextSlot slot);
const char* NameOf(AnnotationKind kind);

}  // namespace draftlift_tool::gdt
