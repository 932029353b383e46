// The record's lines in the order the reader takes them. Each part is
// written only where the reader reaches it: its flag is set, its kind has
// it, and no earlier part stands absent where the reader would have read a
// line, which ends the record.
#include "tools/record/RecordWriter.h"

#include "tools/record/DimensionLines.h"
#include "tools/record/LineWriter.h"
#include "tools/record/RowLines.h"
#include "tools/record/WriteChecks.h"

namespace noterecord {
namespace {

using noteimport::Code;
using noteimport::kTargetTextKind;
using noteimport::NoteRecord;
using noteimport::RecordCode;
using noteimport::RecordLimits;
using noteimport::SettingsLayout;

const WString kHeaderField0 = Literal(u"MBD");
const WString kNotePrefix = Literal(u"~M01|");
constexpr std::size_t kReservedFlags = 2;
constexpr std::size_t kLayout101Rows = 3;
// Settings numbers d[1] to d[3] are read by no layout.
constexpr std::size_t kUnreadSettingsNumbers = 3;
// d[9] to d[13] of the long layout 125: read only by the short one.
constexpr std::size_t kShortLayoutNumbers = 5;

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
            m_line.Line(Code(RecordCode::SettingsLayout101)).Numbers(kUnreadSettingsNumbers, 0);
            m_line.Flag(flags.rows[0]).Flag(flags.rows[1]).Flag(flags.rows[2]);
            m_line.Flag(flags.datumLabel).Flag(flags.text5).Number(flags.textLineCount);
            return std::nullopt;
        }
        // With a dimension, the header's flags replace the settings' own;
        // both carry the same.
        m_line.Line(Code(RecordCode::SettingsLayout125)).Numbers(kUnreadSettingsNumbers, 0);
        for (const bool row : flags.rows) m_line.Flag(row);
        m_line.Numbers(kShortLayoutNumbers, 0).Flag(flags.datumLabel).Flag(flags.text5);
        m_line.Number(flags.textLineCount).Flag(flags.dimension);
        return std::nullopt;
    }

    Refused Dimension() {
        const auto& dimension = m_record.dimension;
        if (m_record.flags.dimension != dimension.has_value()) return Refuse("dimension", WriteProblem::Inconsistent);
        return dimension ? WriteDimensionLines(m_line, *dimension, m_record.flags) : std::nullopt;
    }

    // Rows are read while their flags and all earlier ones are set; a
    // flagged row that is not read is one whose line the record lacked.
    Refused Rows() {
        bool reached = true;
        for (std::size_t n = 0; n < noteimport::kFrameRowCount; ++n) {
            reached = reached && m_record.flags.rows[n];
            const auto& row = m_record.rows[n];
            if (reached && !m_ended && row.read) {
                if (auto refusal = WriteRowLines(m_line, n, row)) return refusal;
                continue;
            }
            if (auto member = FirstFilledMember(row)) return Refuse(RowField(n, *member), WriteProblem::Unreachable);
            m_ended = m_ended || reached;
        }
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

    // The reader joins the text lines as they are, so the text is cut into
    // lines as long as a line may be.
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
    // Set once a part stands absent where the reader would have read a line.
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
