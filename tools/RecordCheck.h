// Reading every recorded note of the host with the importer's own reader, to
// report the records the import refuses and why.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "import/RecordReader.h"

namespace draftlift_tool {

struct RefusedRecord {
    std::int32_t entityIndex = 0;
    // The record's name, once its header was read.
    std::optional<WString> name;
    noteimport::Refusal refusal;
};

// The refused records of the host's recorded notes, in database order.
std::vector<RefusedRecord> RefusedRecords();

// Why, e.g. "frame row 2 expected (code 104), found 109".
std::string DescribeReason(const noteimport::Refusal& refusal);
// Where and why, e.g. `entity 3 "FCF-7": line 4: frame row 2 expected ...`.
std::string Describe(const RefusedRecord& record);

}  // namespace draftlift_tool
