// Reading feature control frames: each sub-frame's characteristic, and each
// row's tolerance compartment and datum references, from the texts the note
// import and the interface write (signs, value and modifiers separated by
// spaces; datum letters with their modifier characters appended).
#pragma once

#include <string>
#include <vector>

#include "tools/gdt/Fields.h"
#include "tools/gdt/Model.h"
#include "tools/gdt/Tokens.h"

namespace draftlift_tool::gdt {

// Where in a frame a text stands, for what is kept unread; put in words
// only then: "row 2 tolerance", "row 1 datum reference 3".
struct FramePlace {
    std::size_t frameRow = 0;
    const char* compartment = "tolerance";
    std::size_t datum = 0;  // for datum references: 1 to 3

    std::string Words() const;
};

// What cannot be read goes to `unread`; the texts move into the frame.
FeatureControlFrame ReadFrame(std::vector<SubFrameFields> subFrames, std::vector<Unread>& unread);

// The row's tolerance compartment (its text) read into its zone, value and
// modifiers.
void ReadTolerance(ToleranceRow& row, const FramePlace& place, std::vector<Unread>& unread);

DatumReference ReadDatumReference(WString text, std::size_t compartment, const FramePlace& place,
                                  std::vector<Unread>& unread);

}  // namespace draftlift_tool::gdt
