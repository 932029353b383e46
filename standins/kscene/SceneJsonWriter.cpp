#include "standins/kscene/SceneJsonWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ostream>

#include <nlohmann/json.hpp>

#include "standins/kscene/SceneJsonParts.h"

namespace scenejson {
namespace {

constexpr std::size_t kFlushAt = 1 << 16;
constexpr std::size_t kIndent = 2;
// Long enough for any double or 64-bit integer written in full.
constexpr std::size_t kNumberLength = 32;
constexpr char kHex[] = "0123456789abcdef";

bool NeedsEscape(unsigned char c) { return c < 0x20 || c == '"' || c == '\\'; }

// The escape of a character JSON does not allow raw in a string.
void AppendEscape(std::string& out, unsigned char c) {
    switch (c) {
        case '"': out += "\\\""; return;
        case '\\': out += "\\\\"; return;
        case '\b': out += "\\b"; return;
        case '\f': out += "\\f"; return;
        case '\n': out += "\\n"; return;
        case '\r': out += "\\r"; return;
        case '\t': out += "\\t"; return;
        default: break;
    }
    const char escape[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]};
    out.append(escape, sizeof escape);
}

}  // namespace

JsonOut::JsonOut(std::ostream& out) : m_out(out) { m_buffer.reserve(kFlushAt + kFlushAt / 4); }

JsonOut::~JsonOut() { Flush(); }

void JsonOut::Flush() {
    m_out.write(m_buffer.data(), std::streamsize(m_buffer.size()));
    m_buffer.clear();
}

void JsonOut::Raw(std::string_view text) {
    m_buffer.append(text);
    if (m_buffer.size() >= kFlushAt) Flush();
}

void JsonOut::Next() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_counts.empty()) return;
    if (m_counts.back()++ > 0) m_buffer += ',';
    m_buffer += '\n';
    m_buffer.append(kIndent * m_counts.size(), ' ');
}

void JsonOut::Open(char bracket) {
    Next();
    m_buffer += bracket;
    m_counts.push_back(0);
}

void JsonOut::Close(char bracket) {
    const bool empty = m_counts.back() == 0;
    m_counts.pop_back();
    if (!empty) {
        m_buffer += '\n';
        m_buffer.append(kIndent * m_counts.size(), ' ');
    }
    m_buffer += bracket;
    if (m_buffer.size() >= kFlushAt) Flush();
}

void JsonOut::BeginObject() { Open('{'); }
void JsonOut::EndObject() { Close('}'); }
void JsonOut::BeginArray() { Open('['); }
void JsonOut::EndArray() { Close(']'); }

JsonOut& JsonOut::Key(std::string_view key) {
    Next();
    Escaped(key);
    m_buffer += ": ";
    m_afterKey = true;
    return *this;
}

void JsonOut::Null() {
    Next();
    Raw("null");
}

void JsonOut::Bool(bool value) {
    Next();
    Raw(value ? "true" : "false");
}

void JsonOut::Int(std::int64_t value) {
    Next();
    char digits[kNumberLength];
    Raw(std::string_view(digits, std::size_t(std::to_chars(digits, digits + kNumberLength, value).ptr - digits)));
}

void JsonOut::Unsigned(std::uint64_t value) {
    Next();
    char digits[kNumberLength];
    Raw(std::string_view(digits, std::size_t(std::to_chars(digits, digits + kNumberLength, value).ptr - digits)));
}

void JsonOut::Double(double value) {
    if (!std::isfinite(value)) {
        Null();
        return;
    }
    Next();
    // nlohmann::json's own conversion, so that the text is the one its
    // dump() writes (shortest digits, ".0" on a whole number).
    char digits[kNumberLength];
    Raw(std::string_view(digits, std::size_t(nlohmann::detail::to_chars(digits, digits + kNumberLength, value) - digits)));
}

void JsonOut::String(std::string_view utf8) {
    Next();
    Escaped(utf8);
    if (m_buffer.size() >= kFlushAt) Flush();
}

void JsonOut::Escaped(std::string_view utf8) {
    m_buffer += '"';
    std::size_t from = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (!NeedsEscape(static_cast<unsigned char>(utf8[i]))) continue;
        m_buffer.append(utf8, from, i - from);
        AppendEscape(m_buffer, static_cast<unsigned char>(utf8[i]));
        from = i + 1;
    }
    m_buffer.append(utf8, from, utf8.size() - from);
    m_buffer += '"';
}

void JsonOut::Text(const WString& text) {
    // Most texts are plain ASCII: written as they are, without a UTF-8 copy.
    if (!std::all_of(text.begin(), text.end(), [](WCHAR c) { return c < 0x80; })) {
        String(Utf8(text));
        return;
    }
    Next();
    m_buffer += '"';
    for (const WCHAR c : text) {
        if (NeedsEscape(static_cast<unsigned char>(c))) {
            AppendEscape(m_buffer, static_cast<unsigned char>(c));
        } else {
            m_buffer += static_cast<char>(c);
        }
    }
    m_buffer += '"';
    if (m_buffer.size() >= kFlushAt) Flush();
}

void JsonOut::Point(const KPt3<double>& point) {
    BeginArray();
    Double(point.x);
    Double(point.y);
    Double(point.z);
    EndArray();
}

}  // namespace scenejson
