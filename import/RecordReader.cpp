#include "import/RecordReader.h"

#include "import/LineReaders.h"
#include "import/NoteSource.h"
#include "import/NumberList.h"
#include "import/RecordLines.h"

namespace noteimport {
namespace {

constexpr std::size_t kHeaderLine = 0;
constexpr std::size_t kSettingsLine = 1;
constexpr std::size_t kFirstBodyLine = 2;
// Label, value and extra line follow the dimension header.
constexpr std::size_t kDimensionValueLines = 3;
// Without value lines, the one line after the dimension header is skipped.
constexpr std::size_t kSkippedDimensionLines = 1;

std::int32_t LineNumber(std::size_t index) { return static_cast<std::int32_t>(index + 1); }

// Walks the lines of one record in their fixed order.
class Reader {
public:
    Reader(WStringView text, NoteRecord& record) : m_lines(text), m_record(record) {}

    std::optional<Refusal> Read() {
        if (m_lines.size() == 0) return Refusal{RefusalReason::NoLines};
        ReadHeaderLine(m_lines[kHeaderLine], m_record);
        if (m_lines.size() <= kSettingsLine) return Refusal{RefusalReason::NoSettingsLine, LineNumber(kSettingsLine)};
        const WStringView settings = m_lines[kSettingsLine];
        const auto layout = SettingsLayoutOf(settings);
        if (!layout) {
            return Refusal{RefusalReason::UnknownSettingsLayout, LineNumber(kSettingsLine), 0, LineCode(settings)};
        }
        m_record.layout = *layout;
        m_record.flags = ReadSettingsLine(settings, *layout);
        m_next = kFirstBodyLine;
        if (m_record.flags.dimension) {
            if (auto refusal = ReadDimension()) return refusal;
        }
        if (auto refusal = ReadFrameRows()) return refusal;
        if (auto refusal = ReadLabels()) return refusal;
        if (m_record.kind == kTargetTextKind) ReadTargetText();
        return ReadNoteText();
    }

private:
    bool LineRemains() const { return m_next < m_lines.size(); }
    WStringView NextLine() { return m_lines[m_next++]; }

    // The next line's code, or a refusal when it is not the one expected.
    std::optional<Refusal> Expect(RecordCode expected, RefusalReason reason, std::int32_t row = 0) const {
        const std::int32_t found = LineCode(m_lines[m_next]);
        if (found == Code(expected)) return std::nullopt;
        return Refusal{reason, LineNumber(m_next), Code(expected), found, row};
    }

    std::optional<Refusal> ReadDimension() {
        DimensionPart& dimension = m_record.dimension.emplace();
        if (!LineRemains()) {
            return Refusal{RefusalReason::MissingDimensionHeader, LineNumber(m_next), Code(RecordCode::DimensionHeader)};
        }
        if (auto refusal = Expect(RecordCode::DimensionHeader, RefusalReason::WrongDimensionHeader)) return refusal;
        ReadDimensionHeader(NextLine(), m_record.flags, dimension);
        if (!dimension.hasValueLines) {
            m_next += kSkippedDimensionLines;
            return std::nullopt;
        }
        if (m_lines.size() < m_next + kDimensionValueLines) {
            // Placed at the label line, where the missing group begins.
            return Refusal{RefusalReason::MissingDimensionLines, LineNumber(m_next)};
        }
        ReadDimensionLabel(NextLine(), dimension);
        ReadDimensionValues(NextLine(), dimension);
        ++m_next;  // the extra line: nothing of it is applied
        return std::nullopt;
    }

    // Rows are read while their flags and those of all earlier rows are set.
    std::optional<Refusal> ReadFrameRows() {
        for (std::size_t n = 0; n < kFrameRowCount && m_record.flags.rows[n]; ++n) {
            if (!LineRemains()) continue;
            const RowCodes& codes = kRowCodes[n];
            const auto row = static_cast<std::int32_t>(n + 1);
            if (auto refusal = Expect(codes.frameRow, RefusalReason::WrongFrameRow, row)) return refusal;
            FrameRow& frameRow = m_record.rows[n];
            ReadFrameRow(NextLine(), frameRow);
            if (LineRemains() && LineCode(m_lines[m_next]) == Code(codes.datumRefs)) {
                ReadDatumRefs(NextLine(), frameRow);
            }
        }
        return std::nullopt;
    }

    // A flagged label line is optional; a different line in its place is not.
    std::optional<Refusal> ReadLabels() {
        if (m_record.flags.datumLabel && LineRemains()) {
            if (auto refusal = Expect(RecordCode::DatumLabel, RefusalReason::WrongDatumLabel)) return refusal;
            m_record.datumLabel = ReadLabelText(NextLine(), RecordLimits::kLabelText);
        }
        if (m_record.flags.text5 && LineRemains()) {
            if (auto refusal = Expect(RecordCode::Text5, RefusalReason::WrongText5)) return refusal;
            m_record.text5 = ReadLabelText(NextLine(), RecordLimits::kLabelText);
        }
        return std::nullopt;
    }

    // Whatever line stands here is consumed; only a 136 line has a text.
    void ReadTargetText() {
        if (!LineRemains()) return;
        const WStringView line = NextLine();
        if (LineCode(line) == Code(RecordCode::TargetText)) {
            m_record.targetText = ReadLabelText(line, RecordLimits::kTargetText);
        }
    }

    // The text lines are joined as they are, separators included.
    std::optional<Refusal> ReadNoteText() {
        const std::int32_t count = m_record.flags.textLineCount;
        if (count <= 0 || !LineRemains()) return std::nullopt;
        if (auto refusal = Expect(RecordCode::NoteText, RefusalReason::WrongNoteText)) return refusal;
        ++m_next;
        WString& text = m_record.noteText.emplace();
        for (std::int32_t k = 0; k < count && LineRemains(); ++k) text.append(NextLine());
        return std::nullopt;
    }

    const RecordLines m_lines;
    NoteRecord& m_record;
    std::size_t m_next = 0;
};

}  // namespace

RecordReading ReadRecord(WStringView text) {
    RecordReading reading;
    reading.refusal = Reader(text, reading.record).Read();
    return reading;
}

RecordReading ReadNoteRecord(const ent& entity) {
    const NoteSource source = FindNoteSource(entity);
    if (source.missing) {
        RecordReading reading;
        reading.refusal = Refusal{*source.missing};
        return reading;
    }
    return ReadRecord(source.text);
}

}  // namespace noteimport
