#include "tools/svg/SvgText.h"

namespace draftlift_tool {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kControlPictures = 0x2400;  // U+2400 pictures U+0000, and so on
constexpr char32_t kDeletePicture = 0x2421;

bool IsHigh(char32_t c) { return c >= 0xD800 && c < 0xDC00; }
bool IsLow(char32_t c) { return c >= 0xDC00 && c < 0xE000; }

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The code points of a UTF-16 text; an unpaired surrogate reads as U+FFFD.
template <class Visit>
void ForEachCodePoint(WideView text, Visit visit) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = static_cast<char16_t>(text[i]);
        if (IsHigh(c) && i + 1 < text.size() && IsLow(static_cast<char16_t>(text[i + 1]))) {
            visit(0x10000 + ((c - 0xD800) << 10) + (static_cast<char16_t>(text[++i]) - 0xDC00));
        } else {
            visit(IsHigh(c) || IsLow(c) ? kReplacement : c);
        }
    }
}

// The character XML shows in place of `c`.
char32_t Shown(char32_t c) {
    if (c == u'\t') return u' ';
    if (c < 0x20) return kControlPictures + c;
    if (c == 0x7F) return kDeletePicture;
    if (c == 0xFFFE || c == 0xFFFF) return kReplacement;
    return c;
}

// Printable ASCII that XML takes as it is and that takes one cell: most of
// what is drawn, copied a run at a time.
bool IsPlain(char32_t c) {
    return c >= 0x20 && c < 0x7F && c != u'&' && c != u'<' && c != u'>' && c != u'"';
}

void AppendXml(std::string& out, char32_t c) {
    if (IsPlain(c)) {
        out += static_cast<char>(c);
        return;
    }
    switch (c) {
        case u'&': out += "&amp;"; break;
        case u'<': out += "&lt;"; break;
        case u'>': out += "&gt;"; break;
        case u'"': out += "&quot;"; break;
        default: AppendUtf8(out, Shown(c));
    }
}

// Character cells a code point takes in the monospaced face: East Asian
// wide characters and emoji take two.
double Cells(char32_t c) {
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                      (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                      (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                      (c >= 0xFFE0 && c <= 0xFFE6) || c >= 0x1F300;
    return wide ? 2 : 1;
}

}  // namespace

std::string XmlText(WideView text) {
    std::string out;
    out.reserve(text.size());
    ForEachCodePoint(text, [&out](char32_t c) { AppendXml(out, c); });
    return out;
}

std::vector<WString> Lines(const WString& text) {
    std::vector<WString> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

Label::Label(WideView text, Font font) : m_font(font) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == WideView::npos) return;
    text = text.substr(first, text.find_last_not_of(u' ') - first + 1);
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (const SymbolEntry* symbol = DrawnSymbol(text[i])) {
            AddText(text.substr(runStart, i - runStart));
            AddSymbol(*symbol);
            runStart = i + 1;
        }
    }
    AddText(text.substr(runStart));
}

void Label::AddText(WideView text) {
    if (text.empty()) return;
    Run run{{}, nullptr, m_width, 0};
    run.xml.reserve(text.size());
    double cells = 0;
    while (!text.empty()) {
        std::size_t plain = 0;
        while (plain < text.size() && IsPlain(text[plain])) ++plain;
        for (std::size_t i = 0; i < plain; ++i) run.xml += static_cast<char>(text[i]);
        cells += double(plain);
        std::size_t other = plain;
        while (other < text.size() && !IsPlain(text[other])) ++other;
        ForEachCodePoint(text.substr(plain, other - plain), [&](char32_t c) {
            AppendXml(run.xml, c);
            cells += Cells(Shown(c));
        });
        text.remove_prefix(other);
    }
    run.width = cells * MetricsOf(m_font).advance;
    m_width += run.width;
    m_runs.push_back(std::move(run));
}

void Label::AddSymbol(const SymbolEntry& symbol) {
    const double unit = MetricsOf(m_font).size / kSymbolCellHeight;
    const double width = ShapeOf(symbol).width * unit;
    m_runs.push_back({{}, &symbol, m_width, width});
    m_width += width;
}

void Label::Draw(Pen& pen, Point at) const {
    const double unit = MetricsOf(m_font).size / kSymbolCellHeight;
    for (const Run& run : m_runs) {
        const Point start{at.x + run.offset, at.y};
        if (run.symbol != nullptr) {
            pen.Symbol({start.x, start.y - kSymbolBaseline * unit}, run.symbol->name, run.width,
                       kSymbolCellHeight * unit);
        } else {
            pen.Text(start, run.xml, run.width, m_font);
        }
    }
}

}  // namespace draftlift_tool
