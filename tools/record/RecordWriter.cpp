// The record's lines in the order the reader takes them, each part checked
// against what the reader would make of it before it is written.
#include "tools/record/RecordWriter.h"

#include "import/LineReaders.h"
#include "tools/record/DimensionValues.h"
#include "tools/record/FieldText.h"
#include "tools/record/LineWriter.h"
#include "tools/record/RowFields.h"

namespace noterecord {
namespace {

using noteimport::DimensionPart;
using noteimport::FrameRow;
using noteimport::NoteRecord;
using noteimport::RecordCode;
using noteimport::RecordLimits;
using noteimport::SettingsLayout;
using Refused = std::optional<WriteRefusal>;

const WString kHeaderField0 = u"MBD"_w;
const WString kNotePrefix = u"~M01|"_w;
constexpr std::int32_t kTargetTextKind = 11;
constexpr std::int32_t kNoSymbol = 46;
constexpr std::size_t kReservedFlags = 2;
constexpr std::size_t kLayout101Rows = 3;
// Settings numbers d[1] to d[3], and the dimension header's d[1] and d[3]
// to d[5], are read by no layout.
constexpr std::size_t kUnreadLeadingNumbers = 3;
// d[9] to d[13] of the long layout 125: read only by the short one.
constexpr std::size_t kShortLayoutNumbers = 5;
// The dimension label stands in field 20, after fields 1 to 19.
constexpr std::size_t kFieldsBeforeLabel = 19;
constexpr std::size_t kFieldsAfterLabel = 2;
constexpr std::size_t kNumbersBeforeValues = 4;
constexpr std::size_t kExtraLineNumbers = 2;

struct RowCodes {
    RecordCode frameRow;
    RecordCode datumRefs;
};

constexpr std::array<RowCodes, noteimport::kFrameRowCount> kRowCodes = {{
    {RecordCode::FrameRow1, RecordCode::DatumRefs1},
    {RecordCode::FrameRow2, RecordCode::DatumRefs2},
    {RecordCode::FrameRow3, RecordCode::DatumRefs3},
    {RecordCode::FrameRow4, RecordCode::DatumRefs4},
    {RecordCode::FrameRow5, RecordCode::DatumRefs5},
}};

std::int32_t Code(RecordCode code) { return static_cast<std::int32_t>(code); }

std::string Indexed(const char* member, std::size_t n) { return std::string(member) + "[" + std::to_string(n) + "]"; }
std::string RowField(std::size_t n, const std::string& member) { return Indexed("rows", n) + "." + member; }

Refused Refuse(std::string field, WriteProblem problem, std::size_t limit = 0) {
    return WriteRefusal{std::move(field), problem, problem == WriteProblem::TooLong ? limit : 0};
}

// Field names are made only for a refusal: writing allocates nothing else.
Refused CheckField(WStringView text, std::size_t limit, const char* field) {
    if (auto problem = FieldTextProblem(text, limit)) return Refuse(field, *problem, limit);
    return std::nullopt;
}

// The first member of a row that holds a value, for a row the reader leaves
// as it starts.
std::optional<std::string> FirstFilledMember(const FrameRow& row) {
    const struct {
        bool filled;
        const char* member;
    } members[] = {{row.read, "read"},
                   {row.symbol != 0, "symbol"},
                   {row.modifierBefore != 0, "modifierBefore"},
                   {row.modifierAfter1 != 0, "modifierAfter1"},
                   {row.modifierAfter2 != 0, "modifierAfter2"},
                   {!row.valueText.empty(), "valueText"},
                   {!row.textAfter1.empty(), "textAfter1"},
                   {!row.textAfter2.empty(), "textAfter2"},
                   {row.hasDatumRefs, "hasDatumRefs"}};
    for (const auto& m : members) {
        if (m.filled) return std::string(m.member);
    }
    for (std::size_t k = 0; k < row.datumRefs.size(); ++k) {
        if (!row.datumRefs[k].empty()) return Indexed("datumRefs", k);
    }
    return std::nullopt;
}

class Writer {
public:
    Writer(const NoteRecord& record, WString& out) : m_record(record), m_line(out) {}

    Refused Write() {
        if (!m_record.headerRead) return Refuse("headerRead", WriteProblem::Inconsistent);
        for (const auto part : {&Writer::Header, &Writer::Settings, &Writer::Dimension, &Writer::Rows,
                                &Writer::Labels, &Writer::Target, &Writer::NoteText}) {
            if (auto refusal = (this->*part)()) {
                m_line.Undo();
                return refusal;
            }
        }
        return std::nullopt;
    }

private:
    Refused Header() {
        if (auto refusal = CheckField(m_record.name, RecordLimits::kName, "name")) return refusal;
        m_line.Line(kHeaderField0).Text(m_record.name).Number(m_record.kind).Number(m_record.groupId);
        // Reserved: flags 5 and 6, text 7, flags 8 and 9.
        m_line.Number(m_record.entityId).Numbers(kReservedFlags, 0).Text({}).Numbers(kReservedFlags, 0);
        return std::nullopt;
    }

    Refused Settings() {
        const auto& flags = m_record.flags;
        if (m_record.layout == SettingsLayout::Layout101) {
            for (std::size_t n = kLayout101Rows; n < flags.rows.size(); ++n) {
                if (flags.rows[n]) return Refuse(Indexed("flags.rows", n), WriteProblem::NotInLayout);
            }
            if (flags.dimension) return Refuse("flags.dimension", WriteProblem::NotInLayout);
            m_line.Line(Code(RecordCode::SettingsLayout101)).Numbers(kUnreadLeadingNumbers, 0);
            m_line.Flag(flags.rows[0]).Flag(flags.rows[1]).Flag(flags.rows[2]);
            m_line.Flag(flags.datumLabel).Flag(flags.text5).Number(flags.textLineCount);
            return std::nullopt;
        }
        m_line.Line(Code(RecordCode::SettingsLayout125)).Numbers(kUnreadLeadingNumbers, 0);
        for (const bool row : flags.rows) m_line.Flag(row);
        m_line.Numbers(kShortLayoutNumbers, 0).Flag(flags.datumLabel).Flag(flags.text5);
        m_line.Number(flags.textLineCount).Flag(flags.dimension);
        return std::nullopt;
    }

    Refused Dimension() {
        const auto& dimension = m_record.dimension;
        if (m_record.flags.dimension != dimension.has_value()) return Refuse("dimension", WriteProblem::Inconsistent);
        if (!dimension) return std::nullopt;
        if (dimension->hasValueLines != noteimport::HasValueLines(dimension->type)) {
            return Refuse("dimension.hasValueLines", WriteProblem::Inconsistent);
        }
        const auto& flags = m_record.flags;
        m_line.Line(Code(RecordCode::DimensionHeader)).Number(0).Number(dimension->type);
        m_line.Numbers(kUnreadLeadingNumbers, 0).Flag(flags.rows[0]).Flag(flags.rows[1]).Flag(flags.rows[2]);
        m_line.Number(dimension->number).Flag(flags.datumLabel).Number(flags.textLineCount);
        return dimension->hasValueLines ? ValueLines(*dimension) : SkippedLine(*dimension);
    }

    Refused ValueLines(const DimensionPart& dimension) {
        if (auto refusal = CheckField(dimension.label, RecordLimits::kDimensionLabel, "dimension.label")) return refusal;
        if (auto refusal = CheckValue(dimension.value1, "dimension.value1")) return refusal;
        if (auto refusal = CheckValue(dimension.value2, "dimension.value2")) return refusal;
        m_line.Line(0).Numbers(kFieldsBeforeLabel, 0).Text(dimension.label).Numbers(kFieldsAfterLabel, 0);
        m_line.Line(0).Numbers(kNumbersBeforeValues, 0).Text(dimension.value1).Text(dimension.value2);
        m_line.Line(0).Numbers(kExtraLineNumbers, 0);
        return std::nullopt;
    }

    static Refused CheckValue(const WString& value, const char* field) {
        if (auto refusal = CheckField(value, RecordLimits::kValueExpression, field)) return refusal;
        if (!CalculatorGivesBack(value)) return Refuse(field, WriteProblem::NotCalculable);
        return std::nullopt;
    }

    // The reader skips one line unread; the values stay as they start.
    Refused SkippedLine(const DimensionPart& dimension) {
        const struct {
            const WString& text;
            const char* field;
        } unread[] = {{dimension.label, "dimension.label"},
                      {dimension.value1, "dimension.value1"},
                      {dimension.value2, "dimension.value2"}};
        for (const auto& u : unread) {
            if (!u.text.empty()) return Refuse(u.field, WriteProblem::Unreachable);
        }
        m_line.Line(0).Numbers(kExtraLineNumbers, 0);
        return std::nullopt;
    }

    // Rows are read while their flags and all earlier ones are set; a
    // flagged row that is not read is one whose line the record lacked.
    Refused Rows() {
        bool reached = true;
        for (std::size_t n = 0; n < noteimport::kFrameRowCount; ++n) {
            reached = reached && m_record.flags.rows[n];
            const FrameRow& row = m_record.rows[n];
            if (reached && !m_ended && row.read) {
                if (auto refusal = Row(n, row)) return refusal;
                continue;
            }
            if (auto member = FirstFilledMember(row)) return Refuse(RowField(n, *member), WriteProblem::Unreachable);
            m_ended = m_ended || reached;
        }
        return std::nullopt;
    }

    Refused Row(std::size_t n, const FrameRow& row) {
        const struct {
            std::int32_t code;
            const char* member;
        } codes[] = {{row.symbol, "symbol"},
                     {row.modifierBefore, "modifierBefore"},
                     {row.modifierAfter1, "modifierAfter1"},
                     {row.modifierAfter2, "modifierAfter2"}};
        for (const auto& c : codes) {
            if (c.code == kNoSymbol) return Refuse(RowField(n, c.member), WriteProblem::NoSymbolCode);
        }
        const struct {
            const WString& text;
            const char* member;
        } texts[] = {{row.valueText, "valueText"}, {row.textAfter1, "textAfter1"}, {row.textAfter2, "textAfter2"}};
        for (const auto& t : texts) {
            if (auto problem = FieldTextProblem(t.text, RecordLimits::kRowText)) {
                return Refuse(RowField(n, t.member), *problem, RecordLimits::kRowText);
            }
        }
        m_line.Line(Code(kRowCodes[n].frameRow)).Number(row.symbol).Number(row.modifierBefore);
        m_line.Text(row.valueText).Text(LowerValueFor(row.valueText)).Number(row.modifierAfter1);
        m_line.Text(row.textAfter1).Number(row.modifierAfter2).Text(row.textAfter2);
        return DatumRefs(n, row);
    }

    Refused DatumRefs(std::size_t n, const FrameRow& row) {
        if (!row.hasDatumRefs) {
            for (std::size_t k = 0; k < row.datumRefs.size(); ++k) {
                if (!row.datumRefs[k].empty()) return Refuse(RowField(n, Indexed("datumRefs", k)), WriteProblem::Unreachable);
            }
            return std::nullopt;
        }
        std::array<DatumRefFields, noteimport::kDatumRefCount> fields;
        for (std::size_t k = 0; k < fields.size(); ++k) {
            fields[k] = SplitDatumRef(row.datumRefs[k]);
            // The reader cuts the letters so that the modifier always fits.
            const std::size_t limit = RecordLimits::kDatumRef - (fields[k].modifier > 0 ? 1 : 0);
            if (auto problem = FieldTextProblem(fields[k].letters, limit)) {
                return Refuse(RowField(n, Indexed("datumRefs", k)), *problem, RecordLimits::kDatumRef);
            }
        }
        m_line.Line(Code(kRowCodes[n].datumRefs));
        for (const DatumRefFields& f : fields) m_line.Text(f.letters).Number(f.modifier);
        return std::nullopt;
    }

    Refused Labels() {
        const auto& flags = m_record.flags;
        if (auto refusal = Label(m_record.datumLabel, flags.datumLabel, RecordCode::DatumLabel, "datumLabel")) {
            return refusal;
        }
        return Label(m_record.text5, flags.text5, RecordCode::Text5, "text5");
    }

    // A flagged label without its line is one the record lacked.
    Refused Label(const std::optional<WString>& text, bool flag, RecordCode code, const char* field) {
        if (!text) {
            m_ended = m_ended || flag;
            return std::nullopt;
        }
        if (!flag || m_ended) return Refuse(field, WriteProblem::Unreachable);
        if (auto refusal = CheckField(*text, RecordLimits::kLabelText, field)) return refusal;
        m_line.Line(Code(code)).Text(*text);
        return std::nullopt;
    }

    // Kind 11 consumes the line here whatever it holds; without a target
    // text, a line 0 keeps the note text block, the only part that may
    // follow, in its place.
    Refused Target() {
        const auto& text = m_record.targetText;
        if (m_record.kind != kTargetTextKind || m_ended) {
            return text ? Refuse("targetText", WriteProblem::Unreachable) : std::nullopt;
        }
        if (text) {
            if (auto refusal = CheckField(*text, RecordLimits::kTargetText, "targetText")) return refusal;
            m_line.Line(Code(RecordCode::TargetText)).Text(*text);
        } else if (m_record.noteText) {
            m_line.Line(0);
        }
        return std::nullopt;
    }

    Refused NoteText() {
        const auto& text = m_record.noteText;
        if (!text) return std::nullopt;
        const std::int32_t count = m_record.flags.textLineCount;
        if (count <= 0 || m_ended) return Refuse("noteText", WriteProblem::Unreachable);
        if (auto problem = LineTextProblem(*text)) return Refuse("noteText", *problem);
        const std::size_t limit = static_cast<std::size_t>(count) * RecordLimits::kLine;
        if (text->size() > limit) return Refuse("noteText", WriteProblem::TooLong, limit);
        m_line.Line(Code(RecordCode::NoteText));
        const WStringView all(*text);
        for (std::size_t start = 0; start < all.size(); start += RecordLimits::kLine) {
            m_line.Line(all.substr(start, RecordLimits::kLine));
        }
        return std::nullopt;
    }

    const NoteRecord& m_record;
    LineWriter m_line;
    // Set once a part stands absent where the reader would have read a line:
    // the record ended there, and nothing may follow.
    bool m_ended = false;
};

}  // namespace

std::optional<WriteRefusal> WriteRecord(const NoteRecord& record, WString& out) {
    return Writer(record, out).Write();
}

NoteWriting WriteNote(const NoteRecord& record) {
    NoteWriting writing;
    writing.refusal = WriteRecord(record, writing.note.record);
    if (writing.Written()) writing.note.text = kNotePrefix + record.name;
    return writing;
}

}  // namespace noterecord
