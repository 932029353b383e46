// One annotation written as PMI items of an XDE document, each attached to
// its leader. Datum features and targets go first, as the writer links a
// datum reference to the feature of the same letter by name.
#pragma once

#include "tools/step/Document.h"
#include "tools/step/Leaders.h"
#include "tools/step/Pmi.h"

namespace draftlift_tool::step {

// The datum feature symbol the annotation is or carries, and its datum
// target.
void WriteDatums(const PmiDocument& document, const Leader& leader, const PmiAnnotation& annotation);
// The rows of its frame: one geometric tolerance each, in frame order, with
// its datum references.
void WriteFrame(const PmiDocument& document, const Leader& leader, const PmiAnnotation& annotation);
// Its dimension (label and number as descriptions), and its notes: each a
// dimension presentation named by its text, whose leader ends where the text
// stands (see kNoteStep); a note annotation is one more, on its own leader,
// named as the annotation.
void WriteDimension(const PmiDocument& document, const Leader& leader, const PmiAnnotation& annotation);
void WriteNotes(const PmiDocument& document, const Leader& leader, const PmiAnnotation& annotation);

}  // namespace draftlift_tool::step
