// The vector drawing of each host symbol the picture shows, keyed by the
// entries of the symbol table (tools/gdt/Symbols.h), which says what each
// symbol character means.
#pragma once

#include <string>

#include "host/WinTypes.h"
#include "tools/gdt/Symbols.h"

namespace draftlift_tool {

using gdt::SymbolEntry;

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
