// The host's entity database as a linked list of nodes, walked with
// get_raw_ent; notes and memory tables live beside it.
#include <cstring>
#include <deque>
#include <memory>
#include <unordered_map>

#include "host/Afx.h"
#include "standins/mastercam/HostStandIn.h"

// The host's list node, as the stand-in keeps it.
struct DB_LIST_ENT {
    DB_LIST_ENT* next = nullptr;
    DB_LIST_ENT* prev = nullptr;
    std::int32_t entityIndex = -1;
};

DB_LIST_ENT* db_start = nullptr;

namespace {

// What the stand-in keeps in the leading bytes of a host entity record.
struct RecordHeader {
    std::int32_t id;
    std::uint32_t typeBit;
    std::uint16_t selection;
};
static_assert(sizeof(RecordHeader) <= sizeof(ent), "the header fits the record");

RecordHeader HeaderOf(const ent& record) {
    RecordHeader header;
    std::memcpy(&header, record.bytes, sizeof header);
    return header;
}

void Fill(ent& record, const RecordHeader& header) { std::memcpy(record.bytes, &header, sizeof header); }

class StandInNote final : public NoteEnt {
public:
    explicit StandInNote(standin::host::NoteData data) : m_data(std::move(data)) {}
    WString GetText(bool) const override { return m_data.text; }
    std::int32_t GetMemoryTableId(bool) const override { return m_data.memoryTable; }
    p_3d GetBasePointWorld() const override { return m_data.basePoint; }

private:
    standin::host::NoteData m_data;
};

struct Entity {
    std::uint32_t typeBit = 0;
    std::uint16_t selection = 0;
    std::unique_ptr<StandInNote> note;
};

struct Database {
    std::deque<DB_LIST_ENT> nodes;  // a deque keeps node addresses stable
    std::deque<Entity> entities;
    std::unordered_map<std::int32_t, WString> memoryTables;  // nodes keep each text in place
    int repaints = 0;
    int getRawEntCalls = 0;
    HINSTANCE resourcesAtRepaint = nullptr;
    std::function<void(std::int32_t)> walkObserver;
};

Database& Db() {
    static Database db;
    return db;
}

std::int32_t Append(Entity entity) {
    Database& db = Db();
    const auto index = static_cast<std::int32_t>(db.entities.size());
    db.entities.push_back(std::move(entity));
    DB_LIST_ENT& node = db.nodes.emplace_back();
    node.entityIndex = index;
    if (index > 0) {
        DB_LIST_ENT& previous = db.nodes[db.nodes.size() - 2];
        previous.next = &node;
        node.prev = &previous;
    }
    db_start = &db.nodes.front();
    return index;
}

bool Matches(const Entity& entity, std::uint16_t selection, std::uint32_t mask) {
    return (entity.typeBit & mask) != 0 && (entity.selection & selection) != 0;
}

}  // namespace

void get_raw_ent(bool, DB_LIST_ENT** cursor, DB_LIST_ENT** previous, ent* record,
                 std::uint16_t selection, std::uint32_t mask, bool* success) {
    Database& db = Db();
    ++db.getRawEntCalls;
    for (DB_LIST_ENT* node = *cursor; node != nullptr; node = node->next) {
        const Entity& entity = db.entities[static_cast<std::size_t>(node->entityIndex)];
        if (!Matches(entity, selection, mask)) continue;
        Fill(*record, {node->entityIndex, entity.typeBit, entity.selection});
        *previous = node;
        *cursor = node->next;
        *success = true;
        if (db.walkObserver) db.walkObserver(node->entityIndex);
        return;
    }
    *cursor = nullptr;
    *success = false;
}

void repaint_graphics() {
    ++Db().repaints;
    Db().resourcesAtRepaint = AfxGetModuleState()->m_hCurrentResourceHandle;
}

const void* mTableFindData(std::int32_t tableId) {
    const auto& tables = Db().memoryTables;
    const auto found = tables.find(tableId);
    return found == tables.end() ? nullptr : found->second.c_str();
}

NoteEnt* Cnc::Drafting::Note::GetNoteEntPointer(const ent& record) {
    auto& entities = Db().entities;
    const std::int32_t index = HeaderOf(record).id;
    if (index < 0 || static_cast<std::size_t>(index) >= entities.size()) return nullptr;
    return entities[static_cast<std::size_t>(index)].note.get();
}

namespace standin::host {

void Reset() {
    Database& db = Db();
    db.nodes.clear();
    db.entities.clear();
    db.memoryTables.clear();
    db.repaints = 0;
    db.getRawEntCalls = 0;
    db.resourcesAtRepaint = nullptr;
    db.walkObserver = nullptr;
    db_start = nullptr;
    SetLevels({});
}

std::int32_t AddNote(NoteData note) {
    Entity entity;
    entity.typeBit = static_cast<std::uint32_t>(EntityType::Note);
    entity.selection = SelectAny | SelectDrafting;
    entity.note = std::make_unique<StandInNote>(std::move(note));
    return Append(std::move(entity));
}

std::int32_t AddEntity(EntityType type) {
    if (type == EntityType::Note) return AddNote({});
    Entity entity;
    entity.typeBit = static_cast<std::uint32_t>(type);
    entity.selection = SelectAny;
    return Append(std::move(entity));
}

void SetMemoryTable(std::int32_t id, WString text) { Db().memoryTables[id] = std::move(text); }

std::size_t EntityCount() { return Db().entities.size(); }
std::int32_t EntityIndexOf(const ent& record) { return HeaderOf(record).id; }
void SetEntityIndex(ent& record, std::int32_t index) {
    RecordHeader header = HeaderOf(record);
    header.id = index;
    Fill(record, header);
}
void SetWalkObserver(std::function<void(std::int32_t)> observer) { Db().walkObserver = std::move(observer); }
int RepaintCount() { return Db().repaints; }
int GetRawEntCount() { return Db().getRawEntCalls; }
HINSTANCE ResourcesAtLastRepaint() { return Db().resourcesAtRepaint; }

}  // namespace standin::host
