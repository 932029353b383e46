// Written notes added to a part file, so that a program that makes notes can
// hand them to the tool: each becomes a note entity at the end of the part,
// at its own base point, referring to a new memory table with its record.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tools/record/RecordWriter.h"

namespace noterecord {

struct PlacedNote {
    WrittenNote note;
    p_3d basePoint;
};

struct PartNotesAdding {
    // The table id of the first note added; the others follow one by one.
    std::int32_t firstTable = 0;
    // Why nothing was added.
    std::optional<std::string> problem;
};

// Why a part file cannot carry the note: a base point that is not finite, or
// a text with a lone surrogate (its texts are UTF-8); none where it can.
std::optional<std::string> WhyPartCannotHold(const PlacedNote& note);

// Adds the notes to a part file's JSON, whose table ids they take above every
// id the part uses; one call for many notes reads the part once. Where the
// part cannot hold one of them, nothing is added.
PartNotesAdding AddNotesToPart(nlohmann::json& part, const std::vector<PlacedNote>& notes);

}  // namespace noterecord
