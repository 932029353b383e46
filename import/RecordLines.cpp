#include "import/RecordLines.h"

#include <algorithm>

namespace noteimport {
namespace {

constexpr WCHAR kCarriageReturn = u'\r';
constexpr WCHAR kLineFeed = u'\n';
constexpr WCHAR kFieldSeparator = u'|';
// Lines are at most 999 units, so any field fits with its terminator.
constexpr std::size_t kFieldBuffer = RecordLimits::kLine + 1;
// Typical records have a handful of lines; reserving avoids regrowth.
constexpr std::size_t kExpectedLines = 16;

// A zero-terminated copy of a field for the C-runtime readers.
struct TerminatedField {
    explicit TerminatedField(WStringView text) {
        const std::size_t length = std::min(text.size(), kFieldBuffer - 1);
        std::copy_n(text.data(), length, chars.data());
        chars[length] = 0;
    }
    std::array<WCHAR, kFieldBuffer> chars;
};

}  // namespace

RecordLines::RecordLines(WStringView text) {
    m_lines.reserve(kExpectedLines);
    // Line feeds are rare: the text is only copied when it holds one.
    if (Split(text)) return;
    m_lines.clear();
    m_cleaned.reserve(text.size());
    for (const WCHAR c : text) {
        if (c != kLineFeed) m_cleaned.push_back(c);
    }
    Split(m_cleaned);
}

// False, with the lines incomplete, at the first line feed.
bool RecordLines::Split(WStringView text) {
    const WCHAR* const begin = text.data();
    const WCHAR* const end = begin + text.size();
    const WCHAR* start = begin;
    for (const WCHAR* p = begin;; ++p) {
        if (p != end && *p != kCarriageReturn) {
            if (*p == kLineFeed) return false;
            continue;
        }
        // Over-long lines are cut rather than refused: the rest of the
        // record is still readable.
        const auto length = static_cast<std::size_t>(p - start);
        if (length > 0) m_lines.push_back({WStringView(start, std::min(length, RecordLimits::kLine))});
        if (p == end) return true;
        start = p + 1;
    }
}

LineFields::LineFields(WStringView line, std::size_t fieldCount) {
    std::size_t start = 0;
    const std::size_t count = std::min(fieldCount, kMaxFields);
    for (std::size_t n = 0; n < count; ++n) {
        const std::size_t end = line.find(kFieldSeparator, start);
        if (end == WStringView::npos) {
            m_fields[n] = line.substr(start);
            return;
        }
        m_fields[n] = line.substr(start, end - start);
        start = end + 1;
    }
}

WString LineFields::Text(std::size_t n, std::size_t limit) const {
    // Over-long texts are cut to their limit rather than refused.
    return WString((*this)[n].substr(0, limit));
}

std::int32_t LineFields::Integer(std::size_t n) const { return WideInteger((*this)[n]); }

std::optional<std::int32_t> ShortDigitRun(WStringView text) {
    constexpr std::size_t kMaxDigits = 9;
    if (text.empty() || text.size() > kMaxDigits) return std::nullopt;
    std::int32_t value = 0;
    for (const WCHAR unit : text) {
        if (unit < u'0' || unit > u'9') return std::nullopt;
        value = value * 10 + (unit - u'0');
    }
    return value;
}

// Most fields are short digit runs, read without the terminated copy.
std::int32_t WideInteger(WStringView text) {
    if (const auto value = ShortDigitRun(text)) return *value;
    return _wtoi(TerminatedField(text).chars.data());
}

double WideDouble(WStringView text) { return _wtof(TerminatedField(text).chars.data()); }

}  // namespace noteimport
