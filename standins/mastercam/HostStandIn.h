// Building and inspecting the host stand-in's database, for tests and tools.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/Mastercam.h"

namespace standin::host {

// Entity type bits of the stand-in; notes are the host's drafting notes.
enum class EntityType : std::uint32_t {
    Point = 1u << 0,
    Line = 1u << 1,
    Arc = 1u << 2,
    Note = 1u << 4,
    Other = 1u << 16,
};

// Selection flags an entity answers to.
enum SelectionFlag : std::uint16_t {
    SelectAny = 1,
    SelectDrafting = 256,
};

struct NoteData {
    WString text;
    p_3d basePoint{};
    std::int32_t memoryTable = 0;
};

struct Levels {
    std::vector<std::int32_t> active;
    std::vector<std::int32_t> visible;
    std::int32_t main = 0;
};

// Empties the database, memory tables, levels and counters.
void Reset();
// Each returns the new entity's index (its position in the database). Notes
// and tables are taken by value, so that a caller may hand its texts over.
std::int32_t AddNote(NoteData note);
std::int32_t AddEntity(EntityType type);
void SetMemoryTable(std::int32_t id, WString text);
void SetLevels(const Levels& levels);

std::size_t EntityCount();
// The index of the entity a record was filled for (its position in the
// database), and a record made to name an entity, as get_raw_ent fills it.
std::int32_t EntityIndexOf(const ent& record);
void SetEntityIndex(ent& record, std::int32_t index);
// Hears the index of every entity get_raw_ent hands out, so that a long walk
// can report how far it has come; none after Reset.
void SetWalkObserver(std::function<void(std::int32_t)> observer);
int RepaintCount();
int GetRawEntCount();
// The current MFC resource handle when the graphics were last repainted.
HINSTANCE ResourcesAtLastRepaint();

// One call of get_active_levels / get_visible_levels, in call order.
struct LevelQuery {
    bool visibleList = false;
    bool withArray = false;
    std::int32_t count = 0;
};
const std::vector<LevelQuery>& LevelQueries();

}  // namespace standin::host
