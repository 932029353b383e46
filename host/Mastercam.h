// The host CAD operations the library calls: database walk, drafting notes,
// memory tables, the expression calculator, level lists and repaint.
#pragma once

#include <cstdint>

#include "host/WinTypes.h"

struct p_3d {
    double x;
    double y;
    double z;
};

// A node of the host's entity database list, the walk cursor. Only the host
// looks inside.
struct DB_LIST_ENT;

// The host's fixed-size entity record. The library passes it from the walk
// to the note functions and reads none of its fields.
struct ent {
    alignas(8) std::uint8_t bytes[12208];
};
static_assert(sizeof(ent) == 12208, "the host entity record is 12208 bytes");

extern DB_LIST_ENT* db_start;
extern std::int32_t main_level;

void get_raw_ent(bool first, DB_LIST_ENT** cursor, DB_LIST_ENT** previous, ent* record,
                 std::uint16_t selection, std::uint32_t mask, bool* success);
void repaint_graphics();

// Pointer to a memory table's data (a zero-terminated wide text), or null.
const void* mTableFindData(std::int32_t tableId);

// Evaluates an arithmetic expression; the flag is the host's own business.
double calc(const WCHAR* expression, bool* flag);

void get_active_levels(std::int32_t* count, std::int32_t* levels);
void get_visible_levels(std::int32_t* count, std::int32_t* levels);

// A drafting note as the host exposes it; our reading keeps only the three
// operations the library calls.
class NoteEnt {
public:
    virtual ~NoteEnt() = default;
    virtual WString GetText(bool resolved) const = 0;
    virtual std::int32_t GetMemoryTableId(bool create) const = 0;
    virtual p_3d GetBasePointWorld() const = 0;
};

namespace Cnc::Drafting::Note {
// The note object of a note entity; null for any other entity.
NoteEnt* GetNoteEntPointer(const ent& record);
}  // namespace Cnc::Drafting::Note
