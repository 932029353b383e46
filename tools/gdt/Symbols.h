// The tool's reading of the host symbol codes: which scene character each
// code gives and what it means in an annotation. The scene library draws
// these characters its own way; this reading is the tool's own, shared by the
// semantic model, the checks and the drawing, and the README's symbol table
// is the same table.
#pragma once

#include <cstdint>
#include <vector>

#include "host/WinTypes.h"

namespace draftlift_tool::gdt {

// Every symbol the host has a character for, in code order.
enum class Symbol : std::uint8_t {
    Position,
    Diameter,
    Straightness,
    Circularity,
    Flatness,
    Cylindricity,
    MaximumMaterial,
    LeastMaterial,
    RegardlessOfFeatureSize,
    ProfileOfLine,
    ProfileOfSurface,
    Perpendicularity,
    Angularity,
    Parallelism,
    Concentricity,
    Symmetry,
    CircularRunout,
    TotalRunout,
    ProjectedZone,
    FreeState,
    TangentPlane,
    UnequallyDisposed,
    Envelope,
    Counterbore,
    Countersink,
    Depth,
    Square,
    SphericalDiameter,
    Radius,
    SphericalRadius,
    Bar,
    Slope,
    ConicalTaper,
};

// Where a symbol belongs in a feature control frame.
enum class SymbolRole : std::uint8_t {
    Characteristic,  // the frame's first compartment
    Modifier,        // after a tolerance value or a datum letter
    Sign,            // before a value (diameter, radius, depth, ...)
    Text,            // an ordinary character
};

struct SymbolEntry {
    std::int32_t code;  // host symbol code
    WCHAR character;    // the scene's character for that code
    Symbol symbol;
    const char* name;   // the short name: JSON's word for it, the drawing's id
    const char* meaning;
    SymbolRole role;
};

// Every host symbol code that has a character of its own, in code order.
const std::vector<SymbolEntry>& SymbolTable();

const SymbolEntry& EntryOf(Symbol symbol);

// The entry of a symbol character (U+FFxx); null for ordinary characters,
// the vertical bar included.
const SymbolEntry* SymbolOfCharacter(WCHAR character);

}  // namespace draftlift_tool::gdt
