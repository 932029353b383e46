#include "tools/RecordCheck.h"

#include "platform/kscene/SceneJsonParts.h"
#include "tools/Session.h"

namespace draftlift_tool {
namespace {

using noteimport::Refusal;
using noteimport::RefusalReason;

std::string Code(std::int32_t code) { return std::to_string(code); }

// "<what> expected (code N), found M"
std::string WrongCode(const std::string& what, const Refusal& refusal) {
    return what + " expected (code " + Code(refusal.expectedCode) + "), found " +
           Code(refusal.foundCode);
}

}  // namespace

std::vector<RefusedRecord> RefusedRecords() {
    std::vector<RefusedRecord> refused;
    ForEachRecordedNote([&refused](const ent& entity) {
        const noteimport::RecordReading reading = noteimport::ReadNoteRecord(entity);
        if (reading.Decoded()) return;
        RefusedRecord record;
        record.entityIndex = entity.id;
        if (reading.record.headerRead) record.name = reading.record.name;
        record.refusal = *reading.refusal;
        refused.push_back(record);
    });
    return refused;
}

std::string DescribeReason(const Refusal& refusal) {
    switch (refusal.reason) {
    case RefusalReason::NotANote:
        return "not a note";
    case RefusalReason::NoMemoryTable:
        return "the note has no memory table";
    case RefusalReason::NoTableData:
        return "the note's memory table holds no data";
    case RefusalReason::NoLines:
        return "the record has no line";
    case RefusalReason::NoSettingsLine:
        return "settings line expected, the record ends";
    case RefusalReason::UnknownSettingsLayout:
        return "settings layout 101 or 125 expected, found " + Code(refusal.foundCode);
    case RefusalReason::MissingDimensionHeader:
        return "dimension header expected (code 126), the record ends";
    case RefusalReason::WrongDimensionHeader:
        return WrongCode("dimension header", refusal);
    case RefusalReason::MissingDimensionLines:
        return "dimension label, value and extra lines expected, the record ends";
    case RefusalReason::WrongFrameRow:
        return WrongCode("frame row " + std::to_string(refusal.row), refusal);
    case RefusalReason::WrongDatumLabel:
        return WrongCode("datum label", refusal);
    case RefusalReason::WrongText5:
        return WrongCode("text5", refusal);
    case RefusalReason::WrongNoteText:
        return WrongCode("note text block", refusal);
    }
    return "refused";
}

std::string Describe(const RefusedRecord& record) {
    std::string text = "entity " + std::to_string(record.entityIndex);
    if (record.name) text += " \"" + scenejson::Utf8(*record.name) + "\"";
    text += ": ";
    if (record.refusal.line > 0) text += "line " + std::to_string(record.refusal.line) + ": ";
    return text + DescribeReason(record.refusal);
}

}  // namespace draftlift_tool
