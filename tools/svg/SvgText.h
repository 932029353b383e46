// Scene texts as the picture shows them: escaped for XML 1.0, cut into runs
// of text and drawn symbols, and measured before they are drawn.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/WinTypes.h"
#include "tools/svg/SvgPen.h"
#include "tools/svg/SvgSymbols.h"

namespace draftlift_tool {

using WideView = std::basic_string_view<WCHAR>;

// UTF-8 character data for XML 1.0: markup characters escaped, and the
// characters XML cannot hold replaced visibly (controls by their control
// pictures, unpaired surrogates and U+FFFE, U+FFFF by U+FFFD).
std::string XmlText(WideView text);

// A text cut at its line breaks (CR, LF or both).
std::vector<WString> Lines(const WString& text);

// One line as drawn, without its outer spaces: runs of text and symbols.
class Label {
public:
    Label() = default;
    Label(WideView text, Font font);

    bool Empty() const { return m_runs.empty(); }
    double Width() const { return m_width; }
    Font TextFont() const { return m_font; }
    // Draws the label with its baseline starting at `at`.
    void Draw(Pen& pen, Point at) const;

private:
    struct Run {
        std::string xml;              // text runs
        const SymbolEntry* symbol;    // symbol runs
        double offset;
        double width;
    };
    void AddText(WideView text);
    void AddSymbol(const SymbolEntry& symbol);

    std::vector<Run> m_runs;
    double m_width = 0;
    Font m_font = Font::Body;
};

}  // namespace draftlift_tool
