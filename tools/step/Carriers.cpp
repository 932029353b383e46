#include "tools/step/Carriers.h"

#include <array>

#include "tools/gdt/Tokens.h"
#include "tools/gdt/Vocabulary.h"

namespace draftlift_tool::step {
namespace {

using gdt::Modifier;

struct SlotEntry {
    gdt::TextSlot slot;
    const char* name;
    int offset;
};

constexpr std::array<SlotEntry, 4> kSlots = {{
    {gdt::TextSlot::Text1, "text1", 2},
    {gdt::TextSlot::Text5, "text5", 1},
    {gdt::TextSlot::Text2, "text2", -1},
    {gdt::TextSlot::Text3, "text3", -2},
}};

std::string RowName(const gdt::ToleranceRow& row) { return "row " + std::to_string(row.place.frameRow + 1); }

void RowLosses(const gdt::ToleranceRow& row, std::vector<std::string>& out) {
    const std::string name = RowName(row);
    if (!row.characteristic || !row.tolerance) {
        out.push_back(name + ": without a characteristic and a tolerance value it is no geometric tolerance");
        return;
    }
    if (!Writable(row)) {
        out.push_back(name + ": a " + gdt::NameOf(*row.characteristic) + " tolerance without a datum reference, which AP242 has not");
        return;
    }
    if (!row.perUnit.empty()) out.push_back(name + " per-unit basis: XDE 7.6 has no unit-basis tolerance");
    if (row.unequal) out.push_back(name + " unequally disposed value: XDE 7.6 has no field for it");
    for (const Modifier modifier : row.modifiers) {
        const ModifierCarrier carrier = CarrierOf(modifier);
        if (carrier == ModifierCarrier::None) {
            out.push_back(name + " modifier " + gdt::NameOf(modifier) + ": XDE 7.6 has no such tolerance modifier");
        } else if (carrier == ModifierCarrier::ProjectedZone && !ProjectedZoneTravels(row)) {
            out.push_back(name + " projected zone: Open CASCADE 7.6 carries it only with a diameter zone, and not on "
                                 "an orientation tolerance");
        } else if (carrier == ModifierCarrier::DefaultMeaning) {
            out.push_back(name + " modifier rfs: AP242's default, written as nothing");
        }
    }
    for (const WString& word : row.words) {
        if (!WordModifierOf(word)) out.push_back(name + " word \"" + gdt::Utf8(word) + "\": not an AP242 modifier");
    }
    if (!row.extra.empty()) out.push_back(name + " compartment after the datums: no place in AP242");
    for (const gdt::DatumReference& datum : row.datums) {
        for (const Modifier modifier : datum.modifiers) {
            if (!DatumModifierTravels(modifier)) {
                out.push_back(name + " datum " + gdt::Utf8(datum.text) + " modifier " + gdt::NameOf(modifier) +
                              ": no datum modifier of AP242 says it");
            }
        }
    }
}

}  // namespace

bool NeedsDatums(gdt::Characteristic characteristic) {
    const gdt::Family family = gdt::FamilyOf(characteristic);
    return family == gdt::Family::Orientation || family == gdt::Family::Runout ||
           characteristic == gdt::Characteristic::Concentricity || characteristic == gdt::Characteristic::Symmetry;
}

bool Writable(const gdt::ToleranceRow& row) {
    return row.characteristic && row.tolerance && (!NeedsDatums(*row.characteristic) || !row.datums.empty());
}

ModifierCarrier CarrierOf(Modifier modifier) {
    switch (modifier) {
        case Modifier::MaximumMaterial:
        case Modifier::LeastMaterial: return ModifierCarrier::MaterialRequirement;
        case Modifier::ProjectedZone: return ModifierCarrier::ProjectedZone;
        case Modifier::FreeState:
        case Modifier::TangentPlane:
        case Modifier::Statistical: return ModifierCarrier::ToleranceModifier;
        case Modifier::RegardlessOfFeatureSize: return ModifierCarrier::DefaultMeaning;
        case Modifier::UnequallyDisposed:
        case Modifier::Envelope: return ModifierCarrier::None;
    }
    return ModifierCarrier::None;
}

bool ProjectedZoneTravels(const gdt::ToleranceRow& row) {
    return row.zone != gdt::ZoneShape::None && row.characteristic &&
           gdt::FamilyOf(*row.characteristic) != gdt::Family::Orientation;
}

bool DatumModifierTravels(Modifier modifier) {
    return modifier == Modifier::MaximumMaterial || modifier == Modifier::LeastMaterial ||
           modifier == Modifier::FreeState;
}

const std::vector<ModifierWord>& ModifierWords() {
    static const std::vector<ModifierWord> kWords = {
        {"CZ", WordModifier::CommonZone},      {"ACS", WordModifier::AnyCrossSection},
        {"LE", WordModifier::LineElement},     {"NC", WordModifier::NotConvex},
        {"MD", WordModifier::MajorDiameter},   {"LD", WordModifier::MinorDiameter},
        {"PD", WordModifier::PitchDiameter},   {"ERE", WordModifier::EachRadialElement},
    };
    return kWords;
}

std::optional<WordModifier> WordModifierOf(gdt::WStringView word) {
    for (const ModifierWord& entry : ModifierWords()) {
        if (gdt::IsAscii(word, entry.word)) return entry.modifier;
    }
    return std::nullopt;
}

const char* WordOf(WordModifier modifier) {
    for (const ModifierWord& entry : ModifierWords()) {
        if (entry.modifier == modifier) return entry.word;
    }
    return "";
}

const char* SlotName(gdt::TextSlot slot) {
    for (const SlotEntry& entry : kSlots) {
        if (entry.slot == slot) return entry.name;
    }
    return "";
}

std::optional<gdt::TextSlot> SlotNamed(std::string_view name) {
    for (const SlotEntry& entry : kSlots) {
        if (name == entry.name) return entry.slot;
    }
    return std::nullopt;
}

int SlotOffset(gdt::TextSlot slot) {
    for (const SlotEntry& entry : kSlots) {
        if (entry.slot == slot) return entry.offset;
    }
    return 0;
}

std::optional<gdt::TextSlot> SlotAtOffset(int offset) {
    for (const SlotEntry& entry : kSlots) {
        if (entry.offset == offset) return entry.slot;
    }
    return std::nullopt;
}

std::vector<Loss> LeftOut(const gdt::Annotation& annotation) {
    std::vector<std::string> what;
    if (annotation.frame) gdt::ForEachRow(*annotation.frame, [&what](const gdt::ToleranceRow& row) { RowLosses(row, what); });
    for (const gdt::Unread& unread : annotation.unread) {
        what.push_back(unread.where + " \"" + gdt::Utf8(unread.text) + "\" was not read: " + unread.reason);
    }
    std::vector<Loss> losses;
    const std::string subject = gdt::Utf8(annotation.name);
    for (std::string& entry : what) losses.push_back({subject, std::move(entry)});
    return losses;
}

std::string Describe(const Loss& loss) { return "\"" + loss.subject + "\": " + loss.what; }

}  // namespace draftlift_tool::step
