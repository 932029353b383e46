// A tolerance compartment as the fields of a frame row: the import joins a
// row's symbol before the value, its value text, and the symbols and texts
// after it, space-separated, into the compartment text; this finds fields
// that it joins into a given text.
#pragma once

#include <cstdint>
#include <optional>

#include "import/RecordReader.h"

namespace noterecord {

struct CompartmentFields {
    // Host symbol codes; 0 for none.
    std::int32_t before = 0;
    WString value;
    std::int32_t after1 = 0;
    WString text1;
    std::int32_t after2 = 0;
    WString text2;
};

// Fields whose joined text is `text`, each text within a row text's limit.
// A symbol character standing alone between spaces takes a code field
// where one is free, so that signs and modifiers go out as host symbol
// codes; the texts take the rest, symbol characters included. None when no
// fields hold the text: it is too long, or holds a '|', a line break or a
// zero character.
std::optional<CompartmentFields> FieldsOfCompartment(noteimport::WStringView text);

}  // namespace noterecord
