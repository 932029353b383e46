// The part file's structure: the root object with its three members, the
// entities handed to an EntityReader one at a time, memory-table texts
// converted as they come, the level state built whole.
#include "standins/mastercam/PartReader.h"

#include <algorithm>
#include <limits>

namespace partfile {
namespace {

using nlohmann::json;

// Long enough for any parser message worth reading; the parser quotes the
// whole token it stopped in, which may be a text of megabytes.
constexpr std::size_t kLongestParserMessage = 240;
// How many entities pass between two progress reports.
constexpr std::size_t kProgressEvery = 4096;

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

[[noreturn]] void FailTwice(const std::string& place, const std::string& key) {
    Fail(place, Quoted(key) + " is given twice");
}

void RequireKnownFields(const json& object, const std::string& place, std::initializer_list<const char*> known) {
    for (const auto& item : object.items()) {
        bool found = false;
        for (const char* name : known) found = found || item.key() == name;
        if (!found) Fail(place, "unknown field " + Quoted(item.key()));
    }
}

std::optional<std::int32_t> Int32(const json& value) {
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    if (value.is_number_unsigned() && value.get<std::uint64_t>() <= std::uint64_t(kMax)) {
        return value.get<std::int32_t>();
    }
    if (value.is_number_integer() && !value.is_number_unsigned()) {
        const auto v = value.get<std::int64_t>();
        if (v >= kMin && v <= kMax) return std::int32_t(v);
    }
    return std::nullopt;
}

std::vector<std::int32_t> LevelList(const json& levels, const char* field) {
    if (!levels.contains(field)) return {};
    const json& list = levels[field];
    if (!list.is_array()) Fail("levels", Quoted(field) + " must be an array of integers");
    std::vector<std::int32_t> numbers;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const auto number = Int32(list[i]);
        if (!number) Fail("levels", Quoted(field) + " item " + std::to_string(i) + " must be a 32-bit integer");
        numbers.push_back(*number);
    }
    return numbers;
}

standin::host::Levels ParseLevels(const json& value) {
    if (!value.is_object()) Fail("levels", "must be an object");
    RequireKnownFields(value, "levels", {"active", "visible", "main"});
    standin::host::Levels levels;
    levels.active = LevelList(value, "active");
    levels.visible = LevelList(value, "visible");
    if (value.contains("main")) {
        const auto main = Int32(value["main"]);
        if (!main) Fail("levels", "\"main\" must be a 32-bit integer");
        levels.main = *main;
    }
    return levels;
}

// A table id written as a key: plain decimal digits with an optional minus.
std::optional<std::int32_t> TableId(const std::string& key) {
    const bool negative = !key.empty() && key[0] == '-';
    if (key.size() == (negative ? 1u : 0u)) return std::nullopt;
    constexpr std::int64_t kBeyond = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 2;
    std::int64_t magnitude = 0;
    for (std::size_t i = negative ? 1 : 0; i < key.size(); ++i) {
        if (key[i] < '0' || key[i] > '9') return std::nullopt;
        magnitude = std::min(magnitude * 10 + (key[i] - '0'), kBeyond);
    }
    const std::int64_t id = negative ? -magnitude : magnitude;
    if (id < std::numeric_limits<std::int32_t>::min() || id > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return std::int32_t(id);
}

// Keeps the parser's own place ("at line 3, column 7: ...") without its tag.
std::string ParserMessage(const std::string& what) {
    const auto tagEnd = what.find("] ");
    std::string message = tagEnd == std::string::npos ? what : what.substr(tagEnd + 2);
    if (message.size() > kLongestParserMessage) message = message.substr(0, kLongestParserMessage) + "...";
    return message;
}

std::optional<std::int32_t> FitsInt32(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return std::int32_t(value);
}

}  // namespace

void Fail(const std::string& place, const std::string& problem) { throw PartFileError(place + ": " + problem); }

WString Widen(const std::string& text) {
    // Most texts are plain ASCII, which needs no decoding.
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return WString(text.begin(), text.end());
    }
    const int size = int(text.size());
    const int needed = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    WString wide(std::size_t(needed), WCHAR{0});
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), needed);
    return wide;
}

bool ValueBuilder::Scalar(json value) {
    Put(std::move(value));
    return m_open.empty();
}

void ValueBuilder::Open(json container) { m_open.push_back(&Put(std::move(container))); }

bool ValueBuilder::Close() {
    m_open.pop_back();
    return m_open.empty();
}

bool ValueBuilder::Key(std::string key) {
    if (m_open.back()->contains(key)) return false;
    m_key = std::move(key);
    return true;
}

json& ValueBuilder::Put(json value) {
    if (m_open.empty()) return m_root = std::move(value);
    json& parent = *m_open.back();
    if (parent.is_array()) {
        parent.push_back(std::move(value));
        return parent.back();
    }
    return parent[m_key] = std::move(value);
}

bool PartReader::null() { return Scalar(nullptr); }
bool PartReader::boolean(bool value) { return Scalar(value); }
bool PartReader::binary(json::binary_t&) { return Scalar(nullptr); }  // JSON text has none

bool PartReader::number_integer(std::int64_t value) { return Number(double(value), FitsInt32(value), value); }

bool PartReader::number_unsigned(std::uint64_t value) {
    const auto int32 = value <= std::uint64_t(std::numeric_limits<std::int32_t>::max())
                           ? std::optional<std::int32_t>(std::int32_t(value))
                           : std::nullopt;
    return Number(double(value), int32, value);
}

bool PartReader::number_float(double value, const std::string&) { return Number(value, std::nullopt, value); }

bool PartReader::string(std::string& value) {
    if (m_where == Where::Entity) {
        m_entity.String(value);
    } else if (m_where == Where::Tables) {
        m_part.memoryTables.emplace(m_tableId, Widen(value));
    } else {
        return Scalar(std::move(value));
    }
    return true;
}

bool PartReader::start_object(std::size_t) { return Open(false); }
bool PartReader::start_array(std::size_t) { return Open(true); }
bool PartReader::end_object() { return Close(); }
bool PartReader::end_array() { return Close(); }

bool PartReader::key(std::string& key) {
    if (m_where == Where::Entity) {
        m_entity.Key(std::move(key));
    } else if (m_where == Where::LevelsValue) {
        if (!m_levels.Key(key)) FailTwice("levels", key);
    } else if (m_where == Where::Root) {
        RootKey(key);
    } else {
        TableKey(key);
    }
    return true;
}

bool PartReader::parse_error(std::size_t, const std::string&, const json::exception& error) {
    Fail("part file", "not valid JSON: " + ParserMessage(error.what()));
}

Part PartReader::Finish() {
    if (!m_sawEntities) Fail("part file", "\"entities\" is missing");
    return std::move(m_part);
}

bool PartReader::Number(double value, std::optional<std::int32_t> int32, json json) {
    if (m_where != Where::Entity) return Scalar(std::move(json));
    m_entity.Number(value, int32);
    return true;
}

// A value that is not a container, wherever it stands.
bool PartReader::Scalar(json value) {
    switch (m_where) {
        case Where::Entity: m_entity.Other(); return true;
        case Where::LevelsValue:
            if (m_levels.Scalar(std::move(value))) EndLevels();
            return true;
        case Where::Entities: Fail("entity " + std::to_string(m_part.entities.size()), "must be an object");
        default: Refuse();
    }
}

bool PartReader::Open(bool array) {
    switch (m_where) {
        case Where::Entity: m_entity.Open(array); return true;
        case Where::LevelsValue: m_levels.Open(array ? json::array() : json::object()); return true;
        case Where::Start: if (array) Refuse(); m_where = Where::Root; return true;
        case Where::EntitiesValue: if (!array) Refuse(); m_where = Where::Entities; return true;
        case Where::TablesValue: if (array) Refuse(); m_where = Where::Tables; return true;
        case Where::Entities:
            if (array) Fail("entity " + std::to_string(m_part.entities.size()), "must be an object");
            StartEntity();
            return true;
        default: Refuse();
    }
}

bool PartReader::Close() {
    switch (m_where) {
        case Where::Entity: if (m_entity.Close()) EndEntity(); return true;
        case Where::LevelsValue: if (m_levels.Close()) EndLevels(); return true;
        case Where::Root: m_where = Where::Done; return true;
        default: m_where = Where::Root; return true;  // the entities or the tables end
    }
}

void PartReader::RootKey(const std::string& key) {
    bool* seen = key == "entities" ? &m_sawEntities
               : key == "memoryTables" ? &m_sawTables
               : key == "levels" ? &m_sawLevels
               : nullptr;
    if (seen == nullptr) Fail("part file", "unknown field " + Quoted(key));
    if (*seen) FailTwice("part file", key);
    *seen = true;
    m_where = key == "entities" ? Where::EntitiesValue : key == "memoryTables" ? Where::TablesValue : Where::LevelsValue;
}

void PartReader::TableKey(const std::string& key) {
    m_tableKey = key;
    const auto id = TableId(key);
    if (!id) Fail(TablePlace(), "the key must be a 32-bit integer table id");
    if (m_part.memoryTables.count(*id) > 0) Fail(TablePlace(), "table " + std::to_string(*id) + " is given twice");
    m_tableId = *id;
}

std::string PartReader::TablePlace() const { return "memoryTables " + Quoted(m_tableKey); }

void PartReader::StartEntity() {
    m_entity.Start(m_part.entities.size());
    m_where = Where::Entity;
}

void PartReader::EndEntity() {
    m_part.entities.push_back(m_entity.Take());
    m_where = Where::Entities;
    if (m_progress && m_part.entities.size() % kProgressEvery == 0) m_progress(m_part.entities.size());
}

void PartReader::EndLevels() {
    m_part.levels = ParseLevels(m_levels.Take());
    m_where = Where::Root;
}

// A value of the wrong kind where the file's shape wants another.
void PartReader::Refuse() const {
    switch (m_where) {
        case Where::EntitiesValue: Fail("entities", "must be an array");
        case Where::TablesValue: Fail("memoryTables", "must be an object");
        case Where::Tables: Fail(TablePlace(), "must be a text");
        default: Fail("part file", "must be a JSON object");
    }
}

}  // namespace partfile
