// The text is cut at its spaces into pieces; the fields take consecutive
// pieces: the symbol before the value (one piece), the value (one or more),
// then each symbol after it (one piece) and each text (one or more, and not
// empty, as the import leaves an empty text out with its space). Of the
// ways to share the pieces, the one with the most symbol codes is taken;
// among those, the one with the shortest value and the codes on the
// earliest symbols, the texts kept together in the first text field.
#include "tools/record/CompartmentFields.h"

#include <tuple>
#include <vector>

#include "tools/gdt/Symbols.h"
#include "tools/record/WriteChecks.h"

namespace noterecord {
namespace {

using noteimport::RecordLimits;

constexpr WCHAR kSpace = u' ';
constexpr std::size_t kLimit = RecordLimits::kRowText;
constexpr std::size_t kSymbolField = 2;          // a symbol and the space that parts it from the value
constexpr std::size_t kTextField = 1 + kLimit;  // a text after its space
// The longest text the fields make: a symbol, the value, then two symbols
// and two texts.
constexpr std::size_t kLongestText = kSymbolField + kLimit + 2 * (kSymbolField + kTextField);

// The pieces of a text cut at every space; n spaces give n + 1 pieces.
class Pieces {
public:
    explicit Pieces(WStringView text) : m_text(text) {
        std::size_t start = 0;
        for (;;) {
            const std::size_t space = text.find(kSpace, start);
            const std::size_t end = space == WStringView::npos ? text.size() : space;
            m_pieces.push_back(text.substr(start, end - start));
            m_ends.push_back(end);
            if (space == WStringView::npos) break;
            start = space + 1;
        }
    }

    std::size_t Count() const { return m_pieces.size(); }

    // The code of a piece that is one symbol character; 0 otherwise.
    std::int32_t SymbolCode(std::size_t n) const {
        if (n >= Count() || m_pieces[n].size() != 1) return 0;
        const draftlift_tool::gdt::SymbolEntry* entry = draftlift_tool::gdt::SymbolOfCharacter(m_pieces[n][0]);
        return entry != nullptr ? entry->code : 0;
    }

    // Pieces [from, to) with the spaces between them.
    WStringView Joined(std::size_t from, std::size_t to) const {
        if (from >= to) return {};
        const std::size_t start = m_ends[from] - m_pieces[from].size();
        return m_text.substr(start, m_ends[to - 1] - start);
    }

    // Whether pieces [from, to) can be a text field: none, or a text that is
    // not empty and fits.
    bool FitsText(std::size_t from, std::size_t to) const {
        const std::size_t length = Joined(from, to).size();
        return from == to || (length > 0 && length <= kLimit);
    }

private:
    WStringView m_text;
    std::vector<WStringView> m_pieces;
    std::vector<std::size_t> m_ends;  // where each piece ends in the text
};

// Where each field's pieces end; a symbol field takes one piece or none.
struct Split {
    bool before = false;
    std::size_t valueEnd = 0;
    bool after1 = false;
    std::size_t text1End = 0;
    bool after2 = false;

    int Codes() const { return int(before) + int(after1) + int(after2); }

    // Greater is better.
    std::tuple<int, bool, std::ptrdiff_t, bool, std::ptrdiff_t> Rank() const {
        const auto text1 = std::ptrdiff_t(text1End);
        return {Codes(), before, -std::ptrdiff_t(valueEnd), after1, after2 ? -text1 : text1};
    }
};

class Splitter {
public:
    explicit Splitter(const Pieces& pieces) : m_pieces(pieces) {}

    std::optional<Split> Best() {
        for (const bool before : {true, false}) {
            if (before && m_pieces.SymbolCode(0) == 0) continue;
            const std::size_t first = before ? 1 : 0;
            for (std::size_t end = first + 1; end <= m_pieces.Count(); ++end) {
                if (m_pieces.Joined(first, end).size() > kLimit) break;
                AfterValue({before, end});
            }
        }
        return m_best;
    }

private:
    void AfterValue(Split split) {
        const std::size_t count = m_pieces.Count();
        for (const bool after1 : {true, false}) {
            if (after1 && m_pieces.SymbolCode(split.valueEnd) == 0) continue;
            const std::size_t start = split.valueEnd + (after1 ? 1 : 0);
            for (std::size_t end = count + 1; end-- > start;) {
                if (!m_pieces.FitsText(start, end)) continue;
                for (const bool after2 : {true, false}) {
                    if (after2 && m_pieces.SymbolCode(end) == 0) continue;
                    if (!m_pieces.FitsText(end + (after2 ? 1 : 0), count)) continue;
                    Keep({split.before, split.valueEnd, after1, end, after2});
                }
            }
        }
    }

    void Keep(const Split& split) {
        if (!m_best || split.Rank() > m_best->Rank()) m_best = split;
    }

    const Pieces& m_pieces;
    std::optional<Split> m_best;
};

}  // namespace

std::optional<CompartmentFields> FieldsOfCompartment(WStringView text) {
    if (text.size() > kLongestText || FieldTextProblem(text, text.size())) return std::nullopt;
    const Pieces pieces(text);
    const std::optional<Split> split = Splitter(pieces).Best();
    if (!split) return std::nullopt;
    const std::size_t first = split->before ? 1 : 0;
    const std::size_t text1Start = split->valueEnd + (split->after1 ? 1 : 0);
    const std::size_t text2Start = split->text1End + (split->after2 ? 1 : 0);
    CompartmentFields fields;
    fields.before = split->before ? pieces.SymbolCode(0) : 0;
    fields.value = WString(pieces.Joined(first, split->valueEnd));
    fields.after1 = split->after1 ? pieces.SymbolCode(split->valueEnd) : 0;
    fields.text1 = WString(pieces.Joined(text1Start, split->text1End));
    fields.after2 = split->after2 ? pieces.SymbolCode(split->text1End) : 0;
    fields.text2 = WString(pieces.Joined(text2Start, pieces.Count()));
    return fields;
}

}  // namespace noterecord
