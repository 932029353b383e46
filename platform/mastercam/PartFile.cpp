// Part-file reading: every field is checked and converted into a Part first;
// only a complete Part is handed to the host stand-in.
#include "platform/mastercam/PartFile.h"

#include <array>
#include <fstream>
#include <initializer_list>
#include <limits>
#include <sstream>

#include <nlohmann/json.hpp>

namespace partfile {
namespace {

using nlohmann::json;
using standin::host::EntityType;

[[noreturn]] void Fail(const std::string& place, const std::string& problem) {
    throw PartFileError(place + ": " + problem);
}

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

// Refuses fields that nothing reads, so that a misspelt one is not lost.
void RequireKnownFields(const json& object, const std::string& place,
                        std::initializer_list<const char*> known) {
    for (const auto& item : object.items()) {
        bool found = false;
        for (const char* name : known) found = found || item.key() == name;
        if (!found) Fail(place, "unknown field " + Quoted(item.key()));
    }
}

bool IsInt32(const json& value) {
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    if (value.is_number_unsigned()) return value.get<std::uint64_t>() <= std::uint64_t(kMax);
    if (value.is_number_integer()) {
        const auto v = value.get<std::int64_t>();
        return v >= kMin && v <= kMax;
    }
    return false;
}

std::int32_t Int32(const json& value, const std::string& place, const std::string& field) {
    if (!IsInt32(value)) Fail(place, Quoted(field) + " must be a 32-bit integer");
    return value.get<std::int32_t>();
}

// The file is UTF-8 (the JSON parser has checked it); the host works in UTF-16.
WString Widen(const std::string& text) {
    if (text.empty()) return {};
    const int size = int(text.size());
    const int needed = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    WString wide(std::size_t(needed), u'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), needed);
    return wide;
}

WString Text(const json& value, const std::string& place, const std::string& field) {
    if (!value.is_string()) Fail(place, Quoted(field) + " must be a text");
    return Widen(value.get<std::string>());
}

p_3d Point(const json& value, const std::string& place) {
    const bool good = value.is_array() && value.size() == 3 && value[0].is_number() &&
                      value[1].is_number() && value[2].is_number();
    if (!good) Fail(place, "\"basePoint\" must be an array of 3 numbers");
    return {value[0].get<double>(), value[1].get<double>(), value[2].get<double>()};
}

EntityType TypeNamed(const std::string& name) {
    struct Named {
        const char* name;
        EntityType type;
    };
    static constexpr std::array<Named, 4> kTypes = {{{"note", EntityType::Note},
                                                     {"point", EntityType::Point},
                                                     {"line", EntityType::Line},
                                                     {"arc", EntityType::Arc}}};
    for (const Named& named : kTypes) {
        if (name == named.name) return named.type;
    }
    return EntityType::Other;  // any other host entity: the note walk skips it
}

standin::host::NoteData Note(const json& entity, const std::string& place) {
    RequireKnownFields(entity, place, {"type", "text", "basePoint", "memoryTable"});
    if (!entity.contains("text")) Fail(place, "a note needs \"text\"");
    standin::host::NoteData note;
    note.text = Text(entity["text"], place, "text");
    if (entity.contains("basePoint")) note.basePoint = Point(entity["basePoint"], place);
    if (entity.contains("memoryTable")) {
        note.memoryTable = Int32(entity["memoryTable"], place, "memoryTable");
    }
    return note;
}

Entity ParseEntity(const json& value, std::size_t index) {
    const std::string place = "entity " + std::to_string(index);
    if (!value.is_object()) Fail(place, "must be an object");
    if (!value.contains("type") || !value["type"].is_string()) {
        Fail(place, "\"type\" must be a text");
    }
    Entity entity;
    entity.type = TypeNamed(value["type"].get<std::string>());
    if (entity.type == EntityType::Note) {
        entity.note = Note(value, place);
    } else {
        RequireKnownFields(value, place, {"type"});
    }
    return entity;
}

std::vector<Entity> ParseEntities(const json& value) {
    if (!value.is_array()) Fail("entities", "must be an array");
    std::vector<Entity> entities;
    entities.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) entities.push_back(ParseEntity(value[i], i));
    return entities;
}

// A table id written as a key: plain decimal digits with an optional minus.
std::optional<std::int32_t> TableId(const std::string& key) {
    std::istringstream in(key);
    std::int64_t id = 0;
    in >> id;
    const bool whole = !in.fail() && in.eof() && !key.empty() && key[0] != '+' &&
                       key.find_first_of(" \t\r\n") == std::string::npos;
    if (!whole || id < std::numeric_limits<std::int32_t>::min() ||
        id > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return std::int32_t(id);
}

std::map<std::int32_t, WString> ParseTables(const json& value) {
    if (!value.is_object()) Fail("memoryTables", "must be an object");
    std::map<std::int32_t, WString> tables;
    for (const auto& item : value.items()) {
        const auto id = TableId(item.key());
        const std::string place = "memoryTables " + Quoted(item.key());
        if (!id) Fail(place, "the key must be a 32-bit integer table id");
        if (!item.value().is_string()) Fail(place, "must be a text");
        tables[*id] = Widen(item.value().get<std::string>());
    }
    return tables;
}

std::vector<std::int32_t> LevelList(const json& levels, const char* field) {
    if (!levels.contains(field)) return {};
    const json& list = levels[field];
    if (!list.is_array()) Fail("levels", Quoted(field) + " must be an array of integers");
    std::vector<std::int32_t> numbers;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!IsInt32(list[i])) {
            Fail("levels", Quoted(field) + " item " + std::to_string(i) +
                               " must be a 32-bit integer");
        }
        numbers.push_back(list[i].get<std::int32_t>());
    }
    return numbers;
}

standin::host::Levels ParseLevels(const json& value) {
    if (!value.is_object()) Fail("levels", "must be an object");
    RequireKnownFields(value, "levels", {"active", "visible", "main"});
    standin::host::Levels levels;
    levels.active = LevelList(value, "active");
    levels.visible = LevelList(value, "visible");
    if (value.contains("main")) levels.main = Int32(value["main"], "levels", "main");
    return levels;
}

json ParseJson(std::string_view text) {
    try {
        return json::parse(text.begin(), text.end());
    } catch (const json::exception& error) {
        // Syntax errors and numbers too large for a double alike. Keep the
        // parser's own place ("at line 3, column 7: ...") without its tag.
        const std::string what = error.what();
        const auto tagEnd = what.find("] ");
        Fail("part file", "not valid JSON: " +
                              (tagEnd == std::string::npos ? what : what.substr(tagEnd + 2)));
    }
}

}  // namespace

Part Parse(std::string_view text) {
    const json root = ParseJson(text);
    if (!root.is_object()) Fail("part file", "must be a JSON object");
    RequireKnownFields(root, "part file", {"entities", "memoryTables", "levels"});
    if (!root.contains("entities")) Fail("part file", "\"entities\" is missing");
    Part part;
    part.entities = ParseEntities(root["entities"]);
    if (root.contains("memoryTables")) part.memoryTables = ParseTables(root["memoryTables"]);
    if (root.contains("levels")) part.levels = ParseLevels(root["levels"]);
    return part;
}

Part ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw PartFileError(path + ": cannot be read");
    std::ostringstream contents;
    contents << in.rdbuf();
    if (in.bad()) throw PartFileError(path + ": cannot be read");
    try {
        return Parse(contents.str());
    } catch (const PartFileError& error) {
        throw PartFileError(path + ": " + error.what());
    }
}

void Load(const Part& part) {
    for (const Entity& entity : part.entities) {
        if (entity.type == EntityType::Note) {
            standin::host::AddNote(entity.note);
        } else {
            standin::host::AddEntity(entity.type);
        }
    }
    for (const auto& [id, text] : part.memoryTables) standin::host::SetMemoryTable(id, text);
    if (part.levels) standin::host::SetLevels(*part.levels);
}

}  // namespace partfile
