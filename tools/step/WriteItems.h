// One annotation written as PMI items of an XDE document, each attached to
// its leader. Datum features and targets go first, as the writer links a
// datum reference to the feature of the same letter by name.
#pragma once

#include <set>

#include "tools/step/Document.h"
#include "tools/step/Leaders.h"
#include "tools/step/Pmi.h"

namespace draftlift_tool::step {

// The datum feature symbol the annotation is or carries, and its datum
// target.
void WriteDatums(const PmiDocument& document, const Leader& leader, const PmiAnnotation& annotation);
// The datum letters the annotations' features and targets define.
using DatumLetters = std::set<WString>;
DatumLetters DefinedLetters(const std::vector<PmiAnnotation>& annotations);

// The rows of its frame: one geometric tolerance each, in frame order, with
// its datum references to defined letters (the writer gives a reference to
// an undefined one no place, and the file's units go wrong with it).
void WriteFrame(const PmiDocument& document, const Leader& leader, const PmiAnnotation& annotation,
                const DatumLetters& defined);
// Its dimension (label and number as descriptions), and its notes: each a
// dimension presentation named by its text, whose leader ends where the text
// stands (see kNoteStep); a note annotation is one more, on its own leader,
// named as the annotation.
void WriteDimension(const PmiDocument& document, const Leader& leader, const PmiAnnotation& annotation);
void WriteNotes(const PmiDocument& document, const Leader& leader, const PmiAnnotation& annotation);
// Whether WriteDimension or WriteNotes writes an item for the annotation.
bool HasDimensionItems(const gdt::Annotation& model);
// The annotation's name as a presentation at its leader's end, for a frame
// or target. The writer takes the file's units for tolerances from the first
// dimension item: a file without one would state them in metres.
void WriteNamePresentation(const PmiDocument& document, const Leader& leader, const PmiAnnotation& annotation);

}  // namespace draftlift_tool::step
