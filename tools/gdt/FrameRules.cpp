// The rules on feature control frames: datums each characteristic needs or
// refuses, the modifiers and zone shapes it allows, its values, and how the
// rows of a composite frame relate.
#include <algorithm>

#include "tools/gdt/RuleTests.h"
#include "tools/gdt/Vocabulary.h"

namespace draftlift_tool::gdt::rules {
namespace {

bool Is(const ToleranceRow& row, std::initializer_list<Characteristic> characteristics) {
    return row.characteristic &&
           std::find(characteristics.begin(), characteristics.end(), *row.characteristic) != characteristics.end();
}

bool InFamily(const ToleranceRow& row, std::initializer_list<Family> families) {
    return row.characteristic &&
           std::find(families.begin(), families.end(), FamilyOf(*row.characteristic)) != families.end();
}

bool Has(const std::vector<Modifier>& modifiers, Modifier modifier) {
    return std::find(modifiers.begin(), modifiers.end(), modifier) != modifiers.end();
}

const Modifier* MaterialCondition(const std::vector<Modifier>& modifiers) {
    const auto found = std::find_if(modifiers.begin(), modifiers.end(), IsMaterialCondition);
    return found == modifiers.end() ? nullptr : &*found;
}

std::string LabelOf(const DatumReference& reference) {
    std::string label;
    for (const WString& part : reference.labels) label += (label.empty() ? "" : "-") + Spoken(part);
    return label.empty() ? Spoken(reference.text) : label;
}

std::string Datums(const ToleranceRow& row) {
    std::string list;
    for (const DatumReference& reference : row.datums) list += (list.empty() ? "" : ", ") + LabelOf(reference);
    return list;
}

// Visits every row of a frame annotation.
template <class Visit>
void Rows(const Annotation& annotation, Visit visit) {
    if (annotation.frame) ForEachRow(*annotation.frame, visit);
}

// Visits every composite segment's rows from the second, with the row above.
template <class Visit>
void LowerRows(const Annotation& annotation, Visit visit) {
    if (!annotation.frame) return;
    for (const FrameSegment& segment : annotation.frame->segments) {
        for (std::size_t k = 1; k < segment.rows.size(); ++k) visit(segment.rows[k - 1], segment.rows[k]);
    }
}

}  // namespace

std::string RowName(const ToleranceRow& row) {
    const std::string number = "row " + std::to_string(row.place.frameRow + 1);
    return row.characteristic ? number + " (" + NameOf(*row.characteristic) + ")" : number;
}

void FormTakesNoDatum(const Annotation& annotation, std::vector<Breach>& found) {
    Rows(annotation, [&](const ToleranceRow& row) {
        if (InFamily(row, {Family::Form}) && !row.datums.empty()) {
            found.push_back({RowName(row) + " references " + Datums(row)});
        }
    });
}

void OrientationNeedsDatum(const Annotation& annotation, std::vector<Breach>& found) {
    Rows(annotation, [&](const ToleranceRow& row) {
        if (InFamily(row, {Family::Orientation, Family::Runout}) && row.datums.empty()) {
            found.push_back({RowName(row) + " references no datum"});
        }
    });
}

void PositionNeedsDatum(const Annotation& annotation, std::vector<Breach>& found) {
    Rows(annotation, [&](const ToleranceRow& row) {
        if (Is(row, {Characteristic::Position}) && row.datums.empty()) {
            found.push_back({RowName(row) + " references no datum"});
        }
    });
}

void RegardlessOfFeatureSizeOnly(const Annotation& annotation, std::vector<Breach>& found) {
    Rows(annotation, [&](const ToleranceRow& row) {
        if (!InFamily(row, {Family::Runout}) && !Is(row, {Characteristic::Concentricity, Characteristic::Symmetry})) {
            return;
        }
        if (const Modifier* modifier = MaterialCondition(row.modifiers)) {
            found.push_back({RowName(row) + " has " + NameOf(*modifier) + " on its tolerance"});
        }
        for (const DatumReference& reference : row.datums) {
            if (const Modifier* modifier = MaterialCondition(reference.modifiers)) {
                found.push_back({RowName(row) + " has " + NameOf(*modifier) + " on datum " + LabelOf(reference)});
            }
        }
    });
}

void NotInAsme2018(const Annotation& annotation, std::vector<Breach>& found) {
    Rows(annotation, [&](const ToleranceRow& row) {
        if (Is(row, {Characteristic::Concentricity, Characteristic::Symmetry})) found.push_back({RowName(row)});
    });
}

void SurfaceTakesNoMaterialModifier(const Annotation& annotation, std::vector<Breach>& found) {
    Rows(annotation, [&](const ToleranceRow& row) {
        const Modifier* modifier = MaterialCondition(row.modifiers);
        if (modifier != nullptr && (Is(row, {Characteristic::Circularity, Characteristic::Cylindricity}) ||
                                    InFamily(row, {Family::Profile}))) {
            found.push_back({RowName(row) + " has " + NameOf(*modifier)});
        }
    });
}

void MaterialModifierOnlyDerived(const Annotation& annotation, std::vector<Breach>& found) {
    Rows(annotation, [&](const ToleranceRow& row) {
        const Modifier* modifier = MaterialCondition(row.modifiers);
        if (modifier != nullptr && Is(row, {Characteristic::Flatness, Characteristic::Straightness})) {
            found.push_back({RowName(row) + " has " + NameOf(*modifier) + ": it must control a derived median"});
        }
    });
}

void DiameterZoneWhereCylindrical(const Annotation& annotation, std::vector<Breach>& found) {
    Rows(annotation, [&](const ToleranceRow& row) {
        if (row.zone == ZoneShape::Diameter && row.characteristic &&
            !Is(row, {Characteristic::Position, Characteristic::Straightness, Characteristic::Concentricity}) &&
            !InFamily(row, {Family::Orientation})) {
            found.push_back({RowName(row) + " has a diameter zone"});
        }
    });
}

void SphericalZoneOnlyPosition(const Annotation& annotation, std::vector<Breach>& found) {
    Rows(annotation, [&](const ToleranceRow& row) {
        if (row.zone == ZoneShape::SphericalDiameter && row.characteristic && !Is(row, {Characteristic::Position})) {
            found.push_back({RowName(row) + " has a spherical diameter zone"});
        }
    });
}

void ProjectedZoneWhereAllowed(const Annotation& annotation, std::vector<Breach>& found) {
    Rows(annotation, [&](const ToleranceRow& row) {
        if (Has(row.modifiers, Modifier::ProjectedZone) && row.characteristic &&
            !Is(row, {Characteristic::Position}) && !InFamily(row, {Family::Orientation})) {
            found.push_back({RowName(row) + " has a projected tolerance zone"});
        }
    });
}

void TangentPlaneOnlyOrientation(const Annotation& annotation, std::vector<Breach>& found) {
    Rows(annotation, [&](const ToleranceRow& row) {
        if (Has(row.modifiers, Modifier::TangentPlane) && row.characteristic && !InFamily(row, {Family::Orientation})) {
            found.push_back({RowName(row) + " has the tangent plane modifier"});
        }
    });
}

void TolerancePositive(const Annotation& annotation, std::vector<Breach>& found) {
    Rows(annotation, [&](const ToleranceRow& row) {
        if (!row.tolerance || row.tolerance->number > 0) return;
        const bool zeroAtMaterial = row.tolerance->number == 0 && MaterialCondition(row.modifiers) != nullptr;
        if (!zeroAtMaterial) found.push_back({RowName(row) + " has the tolerance " + Spoken(row.tolerance->text)});
    });
}

void UnequalWithinTolerance(const Annotation& annotation, std::vector<Breach>& found) {
    Rows(annotation, [&](const ToleranceRow& row) {
        if (!row.unequal || !row.tolerance) return;
        if (row.unequal->number < 0 || row.unequal->number > row.tolerance->number) {
            found.push_back({RowName(row) + " has the unequally disposed value " + Spoken(row.unequal->text) +
                             " with the tolerance " + Spoken(row.tolerance->text)});
        }
    });
}

void CompositeOneCharacteristic(const Annotation& annotation, std::vector<Breach>& found) {
    LowerRows(annotation, [&](const ToleranceRow& upper, const ToleranceRow& lower) {
        if (upper.characteristic && lower.characteristic && upper.characteristic != lower.characteristic) {
            found.push_back({RowName(lower) + " below " + RowName(upper)});
        }
    });
}

void CompositeTolerancesShrink(const Annotation& annotation, std::vector<Breach>& found) {
    LowerRows(annotation, [&](const ToleranceRow& upper, const ToleranceRow& lower) {
        if (upper.tolerance && lower.tolerance && lower.tolerance->number >= upper.tolerance->number) {
            found.push_back({RowName(lower) + " has the tolerance " + Spoken(lower.tolerance->text) + ", " +
                             RowName(upper) + " above it " + Spoken(upper.tolerance->text)});
        }
    });
}

void CompositeDatumsLead(const Annotation& annotation, std::vector<Breach>& found) {
    LowerRows(annotation, [&](const ToleranceRow& upper, const ToleranceRow& lower) {
        const auto sameLabels = [](const DatumReference& a, const DatumReference& b) { return a.labels == b.labels; };
        const bool leads = lower.datums.size() <= upper.datums.size() &&
                           std::equal(lower.datums.begin(), lower.datums.end(), upper.datums.begin(), sameLabels);
        if (!leads) {
            found.push_back({RowName(lower) + " references " + (lower.datums.empty() ? "none" : Datums(lower)) +
                             ", " + RowName(upper) + " above it " + (upper.datums.empty() ? "none" : Datums(upper))});
        }
    });
}

}  // namespace draftlift_tool::gdt::rules
