// One entity of a part file, from its members as the parser hands them over
// to the host's note data. Only notes carry more than a type.
#include <array>

#include "standins/mastercam/PartReader.h"

namespace partfile {
namespace {

using standin::host::EntityType;

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

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

}  // namespace

void EntityReader::Start(std::size_t index) {
    m_index = index;
    m_keys.clear();
    m_field = Field::Unknown;
    m_depth = 0;
    m_type = {};
    m_text = {};
    m_basePoint = {};
    m_coordinates.clear();
    m_memoryTable = {};
}

void EntityReader::Fail(const std::string& problem) const {
    partfile::Fail("entity " + std::to_string(m_index), problem);
}

void EntityReader::Key(std::string key) {
    if (m_depth > 0) return;  // inside a value that is refused anyway
    for (const std::string& seen : m_keys) {
        if (seen == key) Fail(Quoted(key) + " is given twice");
    }
    m_field = key == "type" ? Field::Type
            : key == "text" ? Field::Text
            : key == "basePoint" ? Field::BasePoint
            : key == "memoryTable" ? Field::MemoryTable
            : Field::Unknown;
    m_keys.push_back(std::move(key));
}

void EntityReader::Wrong() {
    switch (m_field) {
        case Field::Type: m_type.wrong = true; break;
        case Field::Text: m_text.wrong = true; break;
        case Field::BasePoint: m_basePoint.wrong = true; break;
        case Field::MemoryTable: m_memoryTable.wrong = true; break;
        case Field::Unknown: break;
    }
}

// An item inside the base point's array; nothing for one that is no number.
void EntityReader::PointValue(std::optional<double> coordinate) {
    if (m_depth == 1 && coordinate) {
        m_coordinates.push_back(*coordinate);
    } else {
        m_basePoint.wrong = true;
    }
}

void EntityReader::String(std::string& value) {
    if (m_depth > 0) {
        if (m_field == Field::BasePoint) PointValue(std::nullopt);
    } else if (m_field == Field::Type) {
        m_type.value = std::move(value);
    } else if (m_field == Field::Text) {
        m_text.value = std::move(value);
    } else {
        Wrong();
    }
}

void EntityReader::Number(double value, std::optional<std::int32_t> int32) {
    if (m_depth > 0) {
        if (m_field == Field::BasePoint) PointValue(value);
    } else if (m_field == Field::MemoryTable && int32) {
        m_memoryTable.value = *int32;
    } else {
        Wrong();
    }
}

void EntityReader::Other() {
    if (m_depth > 0) {
        if (m_field == Field::BasePoint) PointValue(std::nullopt);
    } else {
        Wrong();
    }
}

void EntityReader::Open(bool array) {
    if (m_depth == 0 && !(array && m_field == Field::BasePoint)) Wrong();
    if (m_depth > 0 && m_field == Field::BasePoint) PointValue(std::nullopt);
    if (m_depth == 0) m_coordinates.clear();
    ++m_depth;
}

bool EntityReader::Close() {
    if (m_depth == 0) return true;
    --m_depth;
    if (m_depth == 0 && m_field == Field::BasePoint && !m_basePoint.wrong) {
        if (m_coordinates.size() == 3) {
            m_basePoint.value = p_3d{m_coordinates[0], m_coordinates[1], m_coordinates[2]};
        } else {
            m_basePoint.wrong = true;
        }
    }
    return false;
}

std::optional<std::string> EntityReader::FirstUnknownKey(std::initializer_list<const char*> known) const {
    for (const std::string& key : m_keys) {
        bool found = false;
        for (const char* name : known) found = found || key == name;
        if (!found) return key;
    }
    return std::nullopt;
}

// The checks run in a fixed order, so that an entity with several faults
// names the same one whatever the order of its members.
Entity EntityReader::Take() const {
    if (!m_type.value) Fail("\"type\" must be a text");
    Entity entity;
    entity.type = TypeNamed(*m_type.value);
    if (entity.type != EntityType::Note) {
        if (const auto unknown = FirstUnknownKey({"type"})) Fail("unknown field " + Quoted(*unknown));
        return entity;
    }
    if (const auto unknown = FirstUnknownKey({"type", "text", "basePoint", "memoryTable"})) {
        Fail("unknown field " + Quoted(*unknown));
    }
    if (!m_text.Given()) Fail("a note needs \"text\"");
    if (m_text.wrong) Fail("\"text\" must be a text");
    if (m_basePoint.wrong) Fail("\"basePoint\" must be an array of 3 numbers");
    if (m_memoryTable.wrong) Fail("\"memoryTable\" must be a 32-bit integer");
    entity.note.text = Widen(*m_text.value);
    if (m_basePoint.value) entity.note.basePoint = *m_basePoint.value;
    if (m_memoryTable.value) entity.note.memoryTable = *m_memoryTable.value;
    return entity;
}

}  // namespace partfile
