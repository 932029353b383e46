// The scene JSON's writer: values go straight to an output stream, laid out
// as nlohmann::json's dump(2) lays them out (two spaces per level, one value
// per line, empty arrays and objects as [] and {}), with no document built
// in memory, so that a scene of any size is written in constant memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "host/WinTypes.h"
#include "host/kscene/KObject.h"

namespace scenejson {

class JsonOut {
public:
    explicit JsonOut(std::ostream& out);
    // Writes out what is still buffered.
    ~JsonOut();
    JsonOut(const JsonOut&) = delete;
    JsonOut& operator=(const JsonOut&) = delete;

    // The key of the next value, inside an object.
    JsonOut& Key(std::string_view key);
    void Null();
    void Bool(bool value);
    void Int(std::int64_t value);
    void Unsigned(std::uint64_t value);
    // The shortest text that reads back as the same double, with ".0" on a
    // whole number; null for infinities and NaN, which JSON cannot hold.
    void Double(double value);
    void String(std::string_view utf8);
    // A wide text as UTF-8.
    void Text(const WString& text);
    void Point(const KPt3<double>& point);
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();

    // Shorthands for one member.
    void Member(std::string_view key, bool value) { Key(key).Bool(value); }
    void Member(std::string_view key, std::int32_t value) { Key(key).Int(value); }
    void Member(std::string_view key, std::uint8_t value) { Key(key).Int(value); }
    void Member(std::string_view key, std::size_t value) { Key(key).Unsigned(value); }
    void Member(std::string_view key, double value) { Key(key).Double(value); }
    void Member(std::string_view key, const char* value) { Key(key).String(value); }
    void Member(std::string_view key, const WString& value) { Key(key).Text(value); }
    void Member(std::string_view key, const KPt3<double>& value) { Key(key).Point(value); }

private:
    // Before a value: its separator and new line, unless it follows a key.
    void Next();
    void Open(char bracket);
    void Close(char bracket);
    void Raw(std::string_view text);
    void Escaped(std::string_view utf8);
    void Flush();

    std::ostream& m_out;
    std::string m_buffer;
    // Per open array or object, how many values it holds so far.
    std::vector<std::size_t> m_counts;
    bool m_afterKey = false;
};

}  // namespace scenejson
