// Random decoded records of every shape a record text can carry: every
// record kind, both settings layouts, dimensions with and without value
// lines, rows 1 to 5 with and without datum references, labels and texts,
// and records that end early. The same seed gives the same records.
#pragma once

#include <cstdint>
#include <random>

#include "import/RecordReader.h"

namespace record_tests {

class RecordGenerator {
public:
    explicit RecordGenerator(std::uint32_t seed) : m_random(seed) {}

    noteimport::NoteRecord Next();

private:
    bool Chance(double p);
    std::int32_t Between(std::int32_t low, std::int32_t high);
    std::int32_t Integer();
    std::int32_t SymbolCode();
    WCHAR Character(bool separators);
    WString Text(std::size_t limit, bool separators = false);
    WString ValueText();
    WString DimensionValue();
    WString DatumRef();
    noteimport::FrameRow Row();
    noteimport::DimensionPart Dimension();
    void Flags(noteimport::NoteRecord& record);
    void Body(noteimport::NoteRecord& record);

    std::mt19937 m_random;
    // Set once a part is left out where the reader would read a line: the
    // generated text ended there.
    bool m_ended = false;
};

}  // namespace record_tests
