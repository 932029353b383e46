// What an annotation carries, copied out of the scene library's objects as
// plain texts and numbers: the one place where the model, the checks and the
// drawing meet the scene (see FromAnnotation.h). Nothing here is interpreted.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "host/WinTypes.h"

namespace draftlift_tool::gdt {

// The annotation's class in the scene library.
enum class AnnotationClass : std::uint8_t {
    FeatureControlFrame,
    Datum,
    DatumTarget,
    LinearDimension,  // the two-point dimension
    AngleDimension,
    RadiusDimension,
    DiameterDimension,
    Note,  // the note class, and any other annotation
};

bool IsDimension(AnnotationClass type);

// A text that takes part only while enabled.
struct FlaggedText {
    bool enabled = false;
    WString text;
};

inline constexpr std::size_t kDatumCompartments = 3;

// A row of a feature control frame.
struct ControlFields {
    WString tolerance;  // the tolerance compartment: signs, value, modifiers
    std::array<WString, kDatumCompartments> datumRefs;
    WString extra;  // a compartment after the datum references
};

struct SubFrameFields {
    WString symbol;  // the characteristic compartment, shared by its rows
    std::vector<ControlFields> controls;
};

// The host entity an imported annotation came from, as its first target
// keeps it.
struct HostLink {
    std::int32_t groupId = 0;
    std::int32_t entityId = 0;
};

struct AnnotationFields {
    AnnotationClass type = AnnotationClass::Note;
    WString name;
    bool showName = false;
    FlaggedText text1;
    FlaggedText text2;
    FlaggedText text3;
    FlaggedText datumLabel;
    FlaggedText text5;
    std::vector<SubFrameFields> subFrames;
    WString datumTargetText;  // datum targets: the upper half of the symbol
    // Dimensions: the label, the two values and the two numbers.
    FlaggedText dimensionLabel;
    WString dimensionValue1;
    WString dimensionValue2;
    std::int32_t dimensionNumber1 = 0;
    std::int32_t dimensionNumber2 = 0;
    std::optional<HostLink> link;
};

// The letter a datum or datum target shows: its datum label when enabled,
// else its name.
const WString& ShownDatumLabel(const AnnotationFields& fields);

}  // namespace draftlift_tool::gdt
