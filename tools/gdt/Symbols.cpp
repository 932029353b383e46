#include "tools/gdt/Symbols.h"

#include <array>
#include <cstddef>

namespace draftlift_tool::gdt {
namespace {

using Role = SymbolRole;

// The reading itself, in code order, one entry per Symbol. Codes 1 to 5, 7,
// 9, 11, 15, 17, 18, 21, 25 and 46 have no character (the host gives them a
// space).
const std::vector<SymbolEntry> kTable = {
    {6, 0xFFC9, Symbol::Position, "position", "position", Role::Characteristic},
    {8, 0xFFDC, Symbol::Diameter, "diameter", "diameter", Role::Sign},
    {10, 0xFFD8, Symbol::Straightness, "straightness", "straightness", Role::Characteristic},
    {12, 0xFFED, Symbol::Circularity, "circularity", "circularity (roundness)", Role::Characteristic},
    {13, 0xFFEC, Symbol::Flatness, "flatness", "flatness", Role::Characteristic},
    {14, 0xFFEE, Symbol::Cylindricity, "cylindricity", "cylindricity", Role::Characteristic},
    {16, 0xFFEF, Symbol::MaximumMaterial, "mmc", "maximum material condition (circled M)", Role::Modifier},
    {19, 0xFFEA, Symbol::LeastMaterial, "lmc", "least material condition (circled L)", Role::Modifier},
    {20, 0xFFEB, Symbol::RegardlessOfFeatureSize, "rfs", "regardless of feature size (circled S)", Role::Modifier},
    {22, 0xFFF5, Symbol::ProfileOfLine, "profile-line", "profile of a line", Role::Characteristic},
    {23, 0xFFF6, Symbol::ProfileOfSurface, "profile-surface", "profile of a surface", Role::Characteristic},
    {24, 0xFFF4, Symbol::Perpendicularity, "perpendicularity", "perpendicularity", Role::Characteristic},
    {26, 0xFFF1, Symbol::Angularity, "angularity", "angularity", Role::Characteristic},
    {27, 0xFFF3, Symbol::Parallelism, "parallelism", "parallelism", Role::Characteristic},
    {28, 0xFFF2, Symbol::Concentricity, "concentricity", "concentricity (coaxiality)", Role::Characteristic},
    {29, 0xFFFA, Symbol::Symmetry, "symmetry", "symmetry", Role::Characteristic},
    {30, 0xFFF9, Symbol::CircularRunout, "circular-runout", "circular runout", Role::Characteristic},
    {31, 0xFFDB, Symbol::TotalRunout, "total-runout", "total runout", Role::Characteristic},
    {32, 0xFFDA, Symbol::ProjectedZone, "projected", "projected tolerance zone (circled P)", Role::Modifier},
    {33, 0xFFC5, Symbol::FreeState, "free-state", "free state (circled F)", Role::Modifier},
    {34, 0xFFBF, Symbol::TangentPlane, "tangent-plane", "tangent plane (circled T)", Role::Modifier},
    {35, 0xFFE0, Symbol::UnequallyDisposed, "unequal", "unequally disposed profile (circled U)", Role::Modifier},
    {36, 0xFFC4, Symbol::Envelope, "envelope", "envelope requirement (circled E)", Role::Modifier},
    {37, 0xFFE2, Symbol::Counterbore, "counterbore", "counterbore or spotface", Role::Sign},
    {38, 0xFFB1, Symbol::Countersink, "countersink", "countersink", Role::Sign},
    {39, 0xFFB0, Symbol::Depth, "depth", "depth", Role::Sign},
    {40, 0xFFD1, Symbol::Square, "square", "square", Role::Sign},
    {41, 0xFFD6, Symbol::SphericalDiameter, "spherical-diameter", "spherical diameter", Role::Sign},
    {42, 0xFFE1, Symbol::Radius, "radius", "radius", Role::Sign},
    {43, 0xFFC7, Symbol::SphericalRadius, "spherical-radius", "spherical radius", Role::Sign},
    {44, u'|', Symbol::Bar, "bar", "vertical bar (an ordinary character)", Role::Text},
    {45, 0xFFE5, Symbol::Slope, "slope", "slope", Role::Sign},
    {47, 0xFFD9, Symbol::ConicalTaper, "conical-taper", "conical taper", Role::Sign},
};

// The scene's symbol characters all lie in U+FF00 to U+FFFF.
constexpr WCHAR kSymbolBlock = 0xFF00;
constexpr std::size_t kBlockSize = 0x100;
constexpr std::uint8_t kNoEntry = 0xFF;

// Texts are read character by character, so the lookup is one index.
const std::array<std::uint8_t, kBlockSize>& EntryIndex() {
    static const std::array<std::uint8_t, kBlockSize> index = [] {
        std::array<std::uint8_t, kBlockSize> built{};
        built.fill(kNoEntry);
        for (std::size_t i = 0; i < kTable.size(); ++i) {
            if (kTable[i].character >= kSymbolBlock) built[kTable[i].character - kSymbolBlock] = std::uint8_t(i);
        }
        return built;
    }();
    return index;
}

}  // namespace

const std::vector<SymbolEntry>& SymbolTable() { return kTable; }

const SymbolEntry& EntryOf(Symbol symbol) { return kTable[static_cast<std::size_t>(symbol)]; }

const SymbolEntry* SymbolOfCharacter(WCHAR character) {
    if (character < kSymbolBlock) return nullptr;
    const std::uint8_t at = EntryIndex()[static_cast<std::size_t>(character - kSymbolBlock)];
    return at == kNoEntry ? nullptr : &kTable[at];
}

}  // namespace draftlift_tool::gdt
