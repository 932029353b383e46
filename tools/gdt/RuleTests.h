// The tests behind the rule table, by topic: frames (FrameRules.cpp), datums
// (DatumRules.cpp), dimensions and what could not be read
// (AnnotationRules.cpp). Each adds one breach per thing wrong.
#pragma once

#include <string>
#include <vector>

#include "tools/gdt/Rules.h"

namespace draftlift_tool::gdt::rules {

void FormTakesNoDatum(const Annotation& annotation, std::vector<Breach>& found);
void OrientationNeedsDatum(const Annotation& annotation, std::vector<Breach>& found);
void PositionNeedsDatum(const Annotation& annotation, std::vector<Breach>& found);
void RegardlessOfFeatureSizeOnly(const Annotation& annotation, std::vector<Breach>& found);
void NotInAsme2018(const Annotation& annotation, std::vector<Breach>& found);
void SurfaceTakesNoMaterialModifier(const Annotation& annotation, std::vector<Breach>& found);
void MaterialModifierOnlyDerived(const Annotation& annotation, std::vector<Breach>& found);
void DiameterZoneWhereCylindrical(const Annotation& annotation, std::vector<Breach>& found);
void SphericalZoneOnlyPosition(const Annotation& annotation, std::vector<Breach>& found);
void ProjectedZoneWhereAllowed(const Annotation& annotation, std::vector<Breach>& found);
void TangentPlaneOnlyOrientation(const Annotation& annotation, std::vector<Breach>& found);
void TolerancePositive(const Annotation& annotation, std::vector<Breach>& found);
void UnequalWithinTolerance(const Annotation& annotation, std::vector<Breach>& found);
void CompositeOneCharacteristic(const Annotation& annotation, std::vector<Breach>& found);
void CompositeTolerancesShrink(const Annotation& annotation, std::vector<Breach>& found);
void CompositeDatumsLead(const Annotation& annotation, std::vector<Breach>& found);

void AtMostThreeDatums(const Annotation& annotation, std::vector<Breach>& found);
void DatumOncePerRow(const Annotation& annotation, std::vector<Breach>& found);
void DatumLettersAllowed(const Annotation& annotation, std::vector<Breach>& found);
void DatumsDefined(const PartLetters& letters, std::vector<Breach>& found);
void AreaTargetHasSize(const Annotation& annotation, std::vector<Breach>& found);

void LimitsInOrder(const Annotation& annotation, std::vector<Breach>& found);
void ToleranceNotZero(const Annotation& annotation, std::vector<Breach>& found);
void EverythingRead(const Annotation& annotation, std::vector<Breach>& found);

// For the breaches' words: "row 2 (position)", a text with its symbols named.
std::string RowName(const ToleranceRow& row);
std::string Spoken(const WString& text);

}  // namespace draftlift_tool::gdt::rules
