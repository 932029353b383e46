#include "tools/record/PartNotes.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "import/ValueText.h"

namespace noterecord {
namespace {

using nlohmann::json;

constexpr std::int64_t kHighestTable = std::numeric_limits<std::int32_t>::max();
// Far beyond any table id, and far from overflowing when counted on from.
constexpr std::int64_t kBeyond = std::int64_t(1) << 40;

bool IsHighSurrogate(WCHAR unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(WCHAR unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// UTF-8 has no form for a surrogate that is not half of a pair.
bool HasLoneSurrogate(WStringView text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            ++i;
        } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
            return true;
        }
    }
    return false;
}

// A table id as a key or a note's reference gives it; ids beyond 32 bits
// stay beyond them.
std::int64_t TableNumber(const json& value) {
    if (value.is_number_unsigned()) return std::int64_t(std::min<std::uint64_t>(value.get<std::uint64_t>(), kBeyond));
    return value.is_number_integer() ? std::clamp<std::int64_t>(value.get<std::int64_t>(), -kBeyond, kBeyond) : 0;
}

// A table key as the part reader takes it: digits with an optional minus;
// a key that is none names no table worth avoiding.
std::int64_t KeyNumber(const std::string& key) {
    const bool negative = !key.empty() && key[0] == '-';
    std::int64_t magnitude = 0;
    for (std::size_t i = negative ? 1 : 0; i < key.size(); ++i) {
        if (key[i] < '0' || key[i] > '9') return 0;
        magnitude = std::min(magnitude * 10 + (key[i] - '0'), kBeyond);
    }
    return negative ? -magnitude : magnitude;
}

// The highest table id the part names, as a table or as a note's reference,
// so that no note already in the part finds a new table as its own.
std::int64_t HighestTable(const json& part) {
    std::int64_t highest = 0;
    if (const auto tables = part.find("memoryTables"); tables != part.end()) {
        for (const auto& table : tables->items()) {
            highest = std::max(highest, KeyNumber(table.key()));
        }
    }
    if (const auto entities = part.find("entities"); entities != part.end()) {
        for (const json& entity : *entities) {
            const auto reference = entity.find("memoryTable");
            if (reference != entity.end()) highest = std::max(highest, TableNumber(*reference));
        }
    }
    return highest;
}

bool Holds(const json& part, const char* member, json::value_t type) {
    const auto found = part.find(member);
    return found == part.end() || found->type() == type;
}

bool IsFinite(const p_3d& point) { return std::isfinite(point.x) && std::isfinite(point.y) && std::isfinite(point.z); }

std::optional<std::string> Problem(const json& part, const std::vector<PlacedNote>& notes) {
    if (!part.is_object()) return "the part file is no JSON object";
    if (!Holds(part, "entities", json::value_t::array)) return "\"entities\" is no array";
    if (!Holds(part, "memoryTables", json::value_t::object)) return "\"memoryTables\" is no object";
    for (std::size_t n = 0; n < notes.size(); ++n) {
        if (auto why = WhyPartCannotHold(notes[n])) return "note " + std::to_string(n) + ": " + *why;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> WhyPartCannotHold(const PlacedNote& note) {
    if (!IsFinite(note.basePoint)) return "its base point is not finite";
    if (HasLoneSurrogate(note.note.text) || HasLoneSurrogate(note.note.record)) {
        return "it holds a lone surrogate, which UTF-8 cannot carry";
    }
    return std::nullopt;
}

PartNotesAdding AddNotesToPart(json& part, const std::vector<PlacedNote>& notes) {
    if (auto problem = Problem(part, notes)) return {0, std::move(problem)};
    const std::int64_t highest = HighestTable(part);
    if (highest + std::int64_t(notes.size()) > kHighestTable) return {0, "no table ids are left"};
    const auto first = static_cast<std::int32_t>(highest + 1);
    json& entities = part["entities"];
    json& tables = part["memoryTables"];
    std::int32_t table = first;
    for (const auto& [note, basePoint] : notes) {
        entities.push_back({{"type", "note"},
                            {"text", noteimport::ToUtf8(note.text)},
                            {"basePoint", {basePoint.x, basePoint.y, basePoint.z}},
                            {"memoryTable", table}});
        tables[std::to_string(table)] = noteimport::ToUtf8(note.record);
        ++table;
    }
    return {first, std::nullopt};
}

}  // namespace noterecord
