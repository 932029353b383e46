#include "tools/gdt/Rules.h"

#include "tools/gdt/RuleTests.h"

namespace draftlift_tool::gdt {
namespace {

using namespace rules;
constexpr Severity kError = Severity::Error;
constexpr Severity kWarning = Severity::Warning;

const std::vector<Rule> kRules = {
    {"form-datum", kError,
     "form tolerances (straightness, flatness, circularity, cylindricity) take no datum reference "
     "(ASME Y14.5-2018 and ISO 1101, form tolerances)",
     FormTakesNoDatum},
    {"orientation-datum", kError,
     "orientation tolerances (parallelism, perpendicularity, angularity) and runout are related to at least one "
     "datum (ASME Y14.5-2018 and ISO 1101, orientation and runout tolerances)",
     OrientationNeedsDatum},
    {"position-datum", kWarning,
     "a position tolerance locates a feature from datums; only some patterns go without (ASME Y14.5-2018, "
     "position tolerancing; ISO 1101, location tolerances)",
     PositionNeedsDatum},
    {"rfs-only", kError,
     "runout, concentricity and symmetry apply regardless of feature size: no maximum or least material modifier "
     "on the tolerance or its datum references (ASME Y14.5-2018, runout; ISO 1101, coaxiality and symmetry)",
     RegardlessOfFeatureSizeOnly},
    {"not-in-asme", kWarning,
     "concentricity and symmetry are not part of ASME Y14.5-2018 (use position, profile or runout there); "
     "ISO 1101 keeps them as coaxiality and symmetry",
     NotInAsme2018},
    {"surface-material", kError,
     "circularity, cylindricity and profile control surfaces and take no maximum or least material modifier "
     "(ASME Y14.5-2018 and ISO 1101, form and profile tolerances)",
     SurfaceTakesNoMaterialModifier},
    {"derived-material", kWarning,
     "flatness and straightness take a maximum or least material modifier only for a derived median plane or "
     "line (ASME Y14.5-2018, flatness and straightness of a feature of size)",
     MaterialModifierOnlyDerived},
    {"diameter-zone", kError,
     "a diameter zone is cylindrical: only position, straightness of an axis, orientation of an axis and "
     "concentricity can have one (ASME Y14.5-2018 and ISO 1101, tolerance zones)",
     DiameterZoneWhereCylindrical},
    {"spherical-zone", kError,
     "a spherical diameter zone only locates the centre of a sphere: it is for position alone (ASME Y14.5-2018 "
     "and ISO 1101, tolerance zones)",
     SphericalZoneOnlyPosition},
    {"projected-zone", kError,
     "a projected tolerance zone extends an orientation or position zone beyond the part (ASME Y14.5-2018 and "
     "ISO 1101, projected tolerance zone)",
     ProjectedZoneWhereAllowed},
    {"tangent-plane", kWarning,
     "the tangent plane modifier is for orientation tolerances (ASME Y14.5-2018 and ISO 1101, tangent plane)",
     TangentPlaneOnlyOrientation},
    {"datum-count", kError,
     "a row references at most three datums: primary, secondary and tertiary (ASME Y14.5-2018 and ISO 1101, "
     "datum reference frame)",
     AtMostThreeDatums},
    {"datum-repeated", kError,
     "a datum is referenced at most once in a row (ASME Y14.5-2018 and ISO 1101, order of datum references)",
     DatumOncePerRow},
    {"datum-letter", kError,
     "the letters I, O and Q are not used as datum labels, as they pass for numbers (ASME Y14.5-2018, datum "
     "feature identification)",
     DatumLettersAllowed},
    {"datum-undefined", kWarning,
     "every datum a frame references is identified on the part by a datum feature symbol or datum targets "
     "(ASME Y14.5-2018 and ISO 1101, datum features)",
     nullptr, DatumsDefined},
    {"tolerance-positive", kError,
     "a tolerance zone has a size greater than zero; zero only at maximum or least material (ASME Y14.5-2018 "
     "and ISO 1101, tolerance values)",
     TolerancePositive},
    {"unequal-value", kError,
     "the unequally disposed value is the part of the profile zone outside the true profile: from zero to the "
     "whole tolerance (ASME Y14.5-2018, unequally disposed profile)",
     UnequalWithinTolerance},
    {"composite-characteristic", kError,
     "the rows of a composite frame share one characteristic (ASME Y14.5-2018, composite tolerancing)",
     CompositeOneCharacteristic},
    {"composite-tolerance", kError,
     "each lower row of a composite frame refines the row above it with a smaller tolerance (ASME Y14.5-2018, "
     "composite tolerancing)",
     CompositeTolerancesShrink},
    {"composite-datums", kError,
     "the datum references of a lower composite row repeat the leading references of the row above, in order "
     "(ASME Y14.5-2018, composite tolerancing)",
     CompositeDatumsLead},
    {"dimension-limits", kError,
     "the upper limit of a dimension lies above its lower limit (ASME Y14.5-2018, limit dimensioning)",
     LimitsInOrder},
    {"dimension-zero", kWarning,
     "plus and minus tolerances that are both zero leave the dimension without a tolerance (ASME Y14.5-2018, "
     "plus and minus tolerancing)",
     ToleranceNotZero},
    {"target-size", kError,
     "an area datum target gives the size of its area in the upper half of its symbol (ASME Y14.5-2018, datum "
     "targets)",
     AreaTargetHasSize},
    {"unread", kWarning, "what cannot be read as GD&T is not checked (the tool's reading of annotation texts)",
     EverythingRead},
};

}  // namespace

const char* NameOf(Severity severity) { return severity == Severity::Error ? "error" : "warning"; }

const std::vector<Rule>& Rules() { return kRules; }

const Rule* RuleNamed(const std::string& id) {
    for (const Rule& rule : kRules) {
        if (id == rule.id) return &rule;
    }
    return nullptr;
}

}  // namespace draftlift_tool::gdt
