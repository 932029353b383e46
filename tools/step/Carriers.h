// How the parts of an annotation travel in AP242 semantic PMI as Open
// CASCADE 7.6's XDE writes and reads it, told without Open CASCADE: what
// the commands report as left out, and what the bridge maps.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "tools/gdt/Model.h"
#include "tools/gdt/Tokens.h"
#include "tools/step/Pmi.h"

namespace draftlift_tool::step {

// Where a tolerance modifier goes.
enum class ModifierCarrier : std::uint8_t {
    MaterialRequirement,  // maximum or least material
    ProjectedZone,        // the zone modifier, with the height
    ToleranceModifier,    // free state, tangent plane, statistical
    DefaultMeaning,       // regardless of feature size: AP242's default
    None,                 // unequally disposed, envelope
};

ModifierCarrier CarrierOf(gdt::Modifier modifier);

// Whether a projected zone travels on the row: Open CASCADE 7.6 writes its
// height only with a zone form (a diameter), and an orientation tolerance
// with one so that its reader drops the whole tolerance.
bool ProjectedZoneTravels(const gdt::ToleranceRow& row);

// Whether a datum reference's modifier travels (maximum or least material,
// free state); regardless of feature size is the default and written as
// nothing.
bool DatumModifierTravels(gdt::Modifier modifier);

// Words of a tolerance compartment that are AP242 tolerance modifiers.
enum class WordModifier : std::uint8_t {
    CommonZone,
    AnyCrossSection,
    LineElement,
    NotConvex,
    MajorDiameter,
    MinorDiameter,
    PitchDiameter,
    EachRadialElement,
};

struct ModifierWord {
    const char* word;  // as written in the compartment: CZ
    WordModifier modifier;
};

const std::vector<ModifierWord>& ModifierWords();
std::optional<WordModifier> WordModifierOf(gdt::WStringView word);
const char* WordOf(WordModifier modifier);

// The note slots, named as the file names the texts it carries.
const char* SlotName(gdt::TextSlot slot);
std::optional<gdt::TextSlot> SlotNamed(std::string_view name);

// Whether AP242 makes a tolerance of this characteristic one with datum
// references: orientation, runout, concentricity and symmetry. Open
// CASCADE writes none of them without.
bool NeedsDatums(gdt::Characteristic characteristic);

// Whether a frame row is written: it has a characteristic and a tolerance
// value, and datum references where its characteristic needs them.
bool Writable(const gdt::ToleranceRow& row);

// Where a note's text stands, in steps above the annotation's leader end:
// text1 and text5 above, text2 and text3 below, never 0.
int SlotOffset(gdt::TextSlot slot);
std::optional<gdt::TextSlot> SlotAtOffset(int offset);

// What of the annotation the file cannot carry, each with why.
std::vector<Loss> LeftOut(const gdt::Annotation& annotation);

}  // namespace draftlift_tool::step
