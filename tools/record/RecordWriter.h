// Writing a note record: the inverse of the importer's reading. A decoded
// record becomes the record text that reads back as the same record, field by
// field, and the host note that carries it. A record that no text can carry
// is not guessed at: the writer names the field and the reason.
//
// Conventions for what the reader passes over:
// - header field 0 is "MBD"; the reserved fields 5 to 9 are 0, 0, empty, 0, 0;
// - the settings line keeps the record's layout: 101, or 125 always in its
//   long form of 18 numbers; numbers the layout does not read are 0;
// - with a dimension, the settings line repeats the flags the dimension
//   header carries; the header's unread numbers are 0;
// - the dimension label line holds 0 in every field but the label (field 20);
//   the value line is 0|0|0|0|0|value1|value2, each value written as its own
//   expression; the extra line, and the skipped line of a dimension without
//   value lines, are 0|0|0;
// - a frame row's field 4 (lower value) is 0, or 1 where 0 would make the
//   reader write a value that reads as zero as a span; a datum reference
//   ending in a modifier character is written as letters and modifier code;
// - for kind 11 without a target text, a line 0 stands in the place of the
//   target text line when a note text block follows;
// - the note text is cut into lines of at most 999 characters.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "import/RecordReader.h"

namespace noterecord {

using noteimport::WStringView;

enum class WriteProblem : std::uint8_t {
    // The reader would cut the text to its limit.
    TooLong,
    // A '|' inside a text read as one field.
    HoldsSeparator,
    // A carriage return or line feed: the reader splits or drops them.
    HoldsLineBreak,
    // A zero character: the memory table's text ends there.
    HoldsZero,
    // Symbol code 46, which a frame row reads as 0.
    NoSymbolCode,
    // Settings layout 101 has no row 4, row 5 or dimension flag.
    NotInLayout,
    // The host calculator gives no expression this value back.
    NotCalculable,
    // A value where the reader reads nothing: its flag is off, its kind or
    // dimension type has no such line, or an earlier part ended the record.
    Unreachable,
    // Values that no reading gives together (a dimension without its flag, a
    // dimension type and value-line flag that disagree, no header).
    Inconsistent,
};

struct WriteRefusal {
    // The NoteRecord member, as "rows[1].textAfter1" or "dimension.value2".
    std::string field;
    WriteProblem problem = WriteProblem::Inconsistent;
    // For TooLong: the most characters the field can hold.
    std::size_t limit = 0;
};

// One line naming the field and the reason.
std::string Describe(const WriteRefusal& refusal);

// Appends the record text (lines separated by "\r\n") to out. On refusal out
// is left as it was.
std::optional<WriteRefusal> WriteRecord(const noteimport::NoteRecord& record, WString& out);

// A recorded host note: its text, the record prefix and the name, and the
// text of the memory table it refers to.
struct WrittenNote {
    WString text;
    WString record;
};

struct NoteWriting {
    // Complete when no refusal is set.
    WrittenNote note;
    std::optional<WriteRefusal> refusal;

    bool Written() const { return !refusal.has_value(); }
};

NoteWriting WriteNote(const noteimport::NoteRecord& record);

}  // namespace noterecord
