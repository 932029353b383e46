// Annotation records with every field given, a text in every text field: a
// call that takes one changes all it can and hands each text to the scene
// library.
#pragma once

#include "draftlift/draftlift.h"

namespace testing_support {

inline constexpr char kText[] = "X";
inline constexpr KSDKCommonData kCommon = {{1, 2, 3}, kText};
inline constexpr KSDKMbdData kMbd = {kText, kText, kText, kText, kText, 9};
inline constexpr KSDKMbdDataExtra kExtra = {4, 5};
inline constexpr KSDKDatumData kDatum = {kText, kText};
inline constexpr KSDKDimensionData kDimension = {8, kText, kText, kText, 8, kText};
inline constexpr KSDKTargetPtData kTarget = {1, {1, 2, 3}, 4, 5, 6, 7};
inline constexpr KSDKControlData kControl = {kText, kText, kText, kText, kText};
inline constexpr KSDKWitnessSegment kSegment = {{1, 1, 1}, {2, 2, 2}};
inline constexpr KSDKMbdBalloonData kBalloon = {kText};

}  // namespace testing_support
