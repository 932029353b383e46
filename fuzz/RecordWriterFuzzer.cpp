// Arbitrary text as a note record: whatever the reader accepts, the writer
// writes as a text that reads back as the same record, or says why it
// cannot. A record read from a text can only hold what a text carries, so the
// one reason left is a zero character, which no memory table holds.
#include <cstdint>
#include <cstdlib>

#include "fuzz/RecordText.h"
#include "import/RecordReader.h"
#include "tools/record/RecordCompare.h"
#include "tools/record/RecordWriter.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const WString text = fuzz_input::RecordText(data, size);
    const noteimport::RecordReading reading = noteimport::ReadRecord(text);
    if (!reading.Decoded()) return 0;

    WString written;
    if (const auto refusal = noterecord::WriteRecord(reading.record, written)) {
        Require(refusal->problem == noterecord::WriteProblem::HoldsZero && written.empty());
        return 0;
    }
    const noteimport::RecordReading again = noteimport::ReadRecord(written);
    Require(again.Decoded());
    Require(!noterecord::FirstDifference(reading.record, again.record).has_value());
    return 0;
}
