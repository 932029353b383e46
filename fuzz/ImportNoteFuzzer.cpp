// Arbitrary text as the record of a recorded note: the importer must never
// crash, and it adds an object only for a record the reader accepts.
#include <cstdint>
#include <cstdlib>

#include "fuzz/RecordText.h"
#include "host/kscene/KMBD.h"
#include "import/Draftlifter.h"
#include "import/NumberList.h"
#include "import/RecordLines.h"
#include "import/RecordReader.h"
#include "import/ValueText.h"
#include "standins/kscene/KSceneStandIn.h"
#include "standins/mastercam/HostStandIn.h"
#include "tests/support/WideText.h"

namespace {

constexpr std::int32_t kTable = 1;
constexpr std::size_t kMaxObjects = 1;

void Require(bool condition) {
    if (!condition) std::abort();
}

// The line code reads only the first token; it must agree with reading the
// whole line as a number list.
void CheckLineCodes(const WString& text) {
    constexpr std::uint16_t kLineCodeNumbers = 20;
    const noteimport::RecordLines lines(text);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        double numbers[kLineCodeNumbers];
        noteimport::ParseNumberList(noteimport::ToUtf8(lines[k]), noteimport::kFieldSeparator, true,
                                    kLineCodeNumbers, numbers);
        Require(noteimport::LineCode(lines[k]) == noteimport::ToInt32(numbers[0]));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    standin::host::Reset();
    standin::kscene::Reset();
    const WString text = fuzz_input::RecordText(data, size);
    CheckLineCodes(text);
    standin::host::SetMemoryTable(kTable, text);
    ent record{};
    standin::host::SetEntityIndex(record, standin::host::AddNote({u"~M01|"_w, {1.0, 2.0, 3.0}, kTable}));

    const noteimport::RecordReading reading = noteimport::ReadNoteRecord(record);
    const bool imported = Draftlifter().ImportNote(record);
    const auto& entries = standin::kscene::Entries();
    Require(imported == reading.Decoded());
    Require(imported ? entries.size() <= kMaxObjects : entries.empty());
    if (!imported) Require(reading.refusal->line >= 0);
    for (const auto& entry : entries) Require(dynamic_cast<const KMBDBase*>(entry.object.get()) != nullptr);
    return 0;
}
