// Reading every recorded note of the host with the importer's own reader, to
// report the notes the import makes nothing of and why.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "host/kscene/KMBD.h"
#include "import/RecordReader.h"
#include "tools/io/Progress.h"

namespace draftlift_tool {

// A recorded note that adds no object to the scene.
struct UnimportedNote {
    std::int32_t entityIndex = 0;
    // The record's name and kind, once its header was read.
    std::optional<WString> name;
    std::int32_t kind = 0;
    // Why the record was refused; none when it was read whole but its kind
    // makes no object.
    std::optional<noteimport::Refusal> refusal;
};

struct NoteCounts {
    std::size_t recorded = 0;
    std::size_t refused = 0;
    std::size_t withoutObject = 0;
};

// Reads every recorded note of the host in database order, visits each one
// the import makes nothing of, and counts them all. Reports each note walked
// to `progress`.
NoteCounts CheckRecordedNotes(const std::function<void(const UnimportedNote&)>& visit, Progress& progress);

// Builds the annotation of every recorded note the import makes one of, in
// database order, one at a time and without a scene: each is visited with
// its note's entity, then dropped. Counts the notes as CheckRecordedNotes.
NoteCounts BuildRecordedAnnotations(const std::function<void(std::int32_t entity, const KMBDBase&)>& visit,
                                    Progress& progress);

// Why, e.g. "frame row 2 expected (code 104), found 109".
std::string DescribeReason(const noteimport::Refusal& refusal);
// Where and why, e.g. `entity 3 "FCF-7": line 4: frame row 2 expected ...`,
// or `entity 21 "KIND-15": record kind 15 makes no object`. Control
// characters of the name are escaped.
std::string Describe(const UnimportedNote& note);

}  // namespace draftlift_tool
