// This tool's reading of the host symbol codes: what the symbol character of
// each code means, and the vector drawing the picture shows for it. The scene
// library draws these characters its own way; this reading is the tool's own,
// and the README's symbol table is the same table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/WinTypes.h"

namespace draftlift_tool {

// Where a symbol belongs in a feature control frame.
enum class SymbolRole {
    Characteristic,  // the frame's first compartment
    Modifier,        // after a tolerance value or a datum letter
    Sign,            // before a value (diameter, radius, depth, ...)
    Text,            // an ordinary character, drawn as text
};

struct SymbolEntry {
    std::int32_t code;  // host symbol code
    WCHAR character;    // the scene's character for that code
    const char* name;   // also the drawing's id in the picture
    const char* meaning;
    SymbolRole role;
};

// Every host symbol code that has a character of its own, in code order.
const std::vector<SymbolEntry>& SymbolTable();

// The drawn symbol a scene character stands for; null for ordinary text.
const SymbolEntry* DrawnSymbol(WCHAR character);

// A symbol drawing in its own units: the cap height of the text it stands in
// is 10 units, from y 2 down to the baseline at y 12, inside a cell 14 high.
struct SymbolShape {
    double width = 0;
    std::string strokes;  // path data, stroked
    std::string fills;    // path data, filled (arrowheads)
};

inline constexpr double kSymbolCellHeight = 14;
inline constexpr double kSymbolBaseline = 12;

const SymbolShape& ShapeOf(const SymbolEntry& symbol);

// The <defs> of the picture: one <symbol> per drawn symbol, with its name as
// its id, for the <use> elements that place it.
std::string SymbolDefinitions();

}  // namespace draftlift_tool
