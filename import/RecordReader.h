// Reading a note record: the line-structured wide text that a recorded host
// note keeps in its memory table, decoded into a plain record. Reading shows
// and logs nothing; a refused record comes back with the reason and the place.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "host/Mastercam.h"
#include "host/WinTypes.h"

namespace noteimport {

using WStringView = std::basic_string_view<WCHAR>;

// The codes a record's lines carry in their field 0.
enum class RecordCode : std::int32_t {
    None = 0,
    SettingsLayout101 = 101,
    FrameRow1 = 102,
    DatumRefs1 = 103,
    FrameRow2 = 104,
    DatumRefs2 = 105,
    FrameRow3 = 106,
    DatumRefs3 = 107,
    DatumLabel = 108,
    Text5 = 109,
    NoteText = 110,
    FrameRow4 = 111,
    DatumRefs4 = 112,
    FrameRow5 = 113,
    DatumRefs5 = 114,
    SettingsLayout125 = 125,
    DimensionHeader = 126,
    TargetText = 136,
};

constexpr std::int32_t Code(RecordCode code) { return static_cast<std::int32_t>(code); }

// The record kind (datum target) whose body ends with a target text line.
constexpr std::int32_t kTargetTextKind = 11;

// Longest texts a record may carry; longer ones are cut to these lengths.
struct RecordLimits {
    static constexpr std::size_t kLine = 999;
    static constexpr std::size_t kName = 254;
    static constexpr std::size_t kDimensionLabel = 7;
    static constexpr std::size_t kValueExpression = 254;
    static constexpr std::size_t kRowText = 31;
    static constexpr std::size_t kDatumRef = 31;
    static constexpr std::size_t kLabelText = 31;
    static constexpr std::size_t kTargetText = 254;
};

constexpr std::size_t kFrameRowCount = 5;
constexpr std::size_t kDatumRefCount = 3;

// The codes of each frame row's line and of its datum reference line.
struct RowCodes {
    RecordCode frameRow;
    RecordCode datumRefs;
};

constexpr std::array<RowCodes, kFrameRowCount> kRowCodes = {{
    {RecordCode::FrameRow1, RecordCode::DatumRefs1},
    {RecordCode::FrameRow2, RecordCode::DatumRefs2},
    {RecordCode::FrameRow3, RecordCode::DatumRefs3},
    {RecordCode::FrameRow4, RecordCode::DatumRefs4},
    {RecordCode::FrameRow5, RecordCode::DatumRefs5},
}};

enum class SettingsLayout : std::uint8_t { Layout101, Layout125 };

// One frame row: a frame row line and, when present, its datum reference
// line. A row that was not read keeps empty texts and code 0.
struct FrameRow {
    bool read = false;
    // Symbol codes; 0 means no symbol (a record's 46 reads as 0 too).
    std::int32_t symbol = 0;
    std::int32_t modifierBefore = 0;
    std::int32_t modifierAfter1 = 0;
    std::int32_t modifierAfter2 = 0;
    WString valueText;
    WString textAfter1;
    WString textAfter2;
    bool hasDatumRefs = false;
    // Letters with the modifier's symbol character appended.
    std::array<WString, kDatumRefCount> datumRefs;
};

// The flags in force once the settings line and, for a dimension, the
// dimension header line have been read.
struct RecordFlags {
    std::array<bool, kFrameRowCount> rows{};
    bool datumLabel = false;
    bool text5 = false;
    bool dimension = false;
    std::int32_t textLineCount = 0;
};

struct DimensionPart {
    std::int32_t type = 0;
    std::int32_t number = 0;
    // True for the dimension types that carry label, value and extra lines.
    bool hasValueLines = false;
    WString label;
    // The two value expressions, evaluated and written with four decimals.
    WString value1;
    WString value2;
};

struct NoteRecord {
    // Set once the header line was read: name, kind and ids are known.
    bool headerRead = false;
    WString name;
    std::int32_t kind = 0;
    std::int32_t groupId = 0;
    std::int32_t entityId = 0;

    SettingsLayout layout = SettingsLayout::Layout101;
    RecordFlags flags;
    std::optional<DimensionPart> dimension;
    std::array<FrameRow, kFrameRowCount> rows;
    std::optional<WString> datumLabel;
    std::optional<WString> text5;
    // Kind 11 consumes one line after the labels; only a 136 line has a text.
    std::optional<WString> targetText;
    // The joined note text lines.
    std::optional<WString> noteText;
};

enum class RefusalReason : std::uint8_t {
    NotANote,
    NoMemoryTable,
    NoTableData,
    NoLines,
    NoSettingsLine,
    UnknownSettingsLayout,
    MissingDimensionHeader,
    WrongDimensionHeader,
    MissingDimensionLines,
    WrongFrameRow,
    WrongDatumLabel,
    WrongText5,
    WrongNoteText,
};

// Where and why a record was refused.
struct Refusal {
    RefusalReason reason = RefusalReason::NoLines;
    // 1-based number of the line concerned, counted as the record counts its
    // lines (blank lines do not count); for missing lines, the number the
    // first of them would have had. 0 when no line is concerned (no note, no
    // table data, no line at all).
    std::int32_t line = 0;
    // For the wrong-line-code reasons: the code demanded and the code found.
    // For UnknownSettingsLayout, foundCode is the layout number found.
    std::int32_t expectedCode = 0;
    std::int32_t foundCode = 0;
    // For WrongFrameRow: the frame row (1 to 5) that was expected.
    std::int32_t row = 0;
};

struct RecordReading {
    // As far as it was read; complete when no refusal is set.
    NoteRecord record;
    std::optional<Refusal> refusal;

    bool Decoded() const { return !refusal.has_value(); }
};

// Reads one record text (without its terminating zero).
RecordReading ReadRecord(WStringView text);

// Looks up the record of a note entity (its memory table) and reads it. An
// entity that is no note, a note without a memory table and a table without
// data are refused without a line.
RecordReading ReadNoteRecord(const ent& entity);

}  // namespace noteimport
