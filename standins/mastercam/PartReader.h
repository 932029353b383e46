// The part file's parser events, taken one at a time in the shape
// nlohmann::json::sax_parse calls them: entities and memory tables are
// converted as they come, and no document of the whole file is ever built.
// Errors are thrown as PartFileError naming the place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "standins/mastercam/PartFile.h"

namespace partfile {

[[noreturn]] void Fail(const std::string& place, const std::string& problem);
// Text from the file (UTF-8, checked by the parser) as the host keeps it.
WString Widen(const std::string& text);

// Builds one small JSON value (the level state) from parser events,
// refusing a key given twice in any of its objects.
class ValueBuilder {
public:
    bool Building() const { return !m_open.empty(); }
    // Each returns true once the value is complete.
    bool Scalar(nlohmann::json value);
    void Open(nlohmann::json container);
    bool Close();
    // False when the open object has the key already.
    bool Key(std::string key);
    nlohmann::json Take() { return std::move(m_root); }

private:
    nlohmann::json& Put(nlohmann::json value);

    nlohmann::json m_root;
    std::vector<nlohmann::json*> m_open;
    std::string m_key;
};

// One entity's members as they arrive. They are checked once the entity is
// complete, as its type may come last.
class EntityReader {
public:
    // Starts over for the entity at `index`, keeping what was allocated.
    void Start(std::size_t index);

    void Key(std::string key);
    void String(std::string& value);
    // A number; `int32` holds it when it is an integer that fits 32 bits.
    void Number(double value, std::optional<std::int32_t> int32);
    // null or a boolean.
    void Other();
    void Open(bool array);
    // True when the entity's own object closes.
    bool Close();
    // The entity, or PartFileError naming what is wrong with it.
    Entity Take() const;

private:
    enum class Field { Type, Text, BasePoint, MemoryTable, Unknown };
    // A member's value: absent, good, or present but of the wrong kind.
    template <class T>
    struct Member {
        std::optional<T> value;
        bool wrong = false;
        bool Given() const { return value || wrong; }
    };

    void Wrong();
    void PointValue(std::optional<double> coordinate);
    std::optional<std::string> FirstUnknownKey(std::initializer_list<const char*> known) const;
    [[noreturn]] void Fail(const std::string& problem) const;

    std::size_t m_index = 0;
    std::vector<std::string> m_keys;
    Field m_field = Field::Unknown;
    // How deep inside the current member's value the events are.
    std::size_t m_depth = 0;
    Member<std::string> m_type;
    Member<std::string> m_text;
    Member<p_3d> m_basePoint;
    std::vector<double> m_coordinates;
    Member<std::int32_t> m_memoryTable;
};

// The whole file: the root object, the entities array, the memory-table
// object and the level state.
class PartReader {
public:
    explicit PartReader(const ReadProgress& progress) : m_progress(progress) {}

    bool null();
    bool boolean(bool value);
    bool number_integer(std::int64_t value);
    bool number_unsigned(std::uint64_t value);
    bool number_float(double value, const std::string&);
    bool binary(nlohmann::json::binary_t&);
    bool string(std::string& value);
    bool start_object(std::size_t);
    bool start_array(std::size_t);
    bool key(std::string& key);
    bool end_object();
    bool end_array();
    bool parse_error(std::size_t, const std::string&, const nlohmann::json::exception& error);

    // The part once the parser is through; PartFileError when a required
    // member is missing.
    Part Finish();

private:
    // Where in the file the next event belongs.
    enum class Where { Start, Root, EntitiesValue, Entities, Entity, TablesValue, Tables, LevelsValue, Done };

    bool Number(double value, std::optional<std::int32_t> int32, nlohmann::json json);
    bool Scalar(nlohmann::json value);
    bool Open(bool array);
    bool Close();
    void RootKey(const std::string& key);
    void TableKey(const std::string& key);
    std::string TablePlace() const;
    void StartEntity();
    void EndEntity();
    void EndLevels();
    [[noreturn]] void Refuse() const;

    const ReadProgress& m_progress;
    Where m_where = Where::Start;
    EntityReader m_entity;
    // The level state, small, is built as a JSON value and checked whole.
    ValueBuilder m_levels;
    Part m_part;
    bool m_sawEntities = false;
    bool m_sawTables = false;
    bool m_sawLevels = false;
    std::string m_tableKey;
    std::int32_t m_tableId = 0;
};

}  // namespace partfile
