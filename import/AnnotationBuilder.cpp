#include "import/AnnotationBuilder.h"

#include <boost/make_shared.hpp>

#include "host/WinTypes.h"
#include "import/SymbolCodes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace noteimport {
namespace {

constexpr std::size_t kMaxControls = 3;
constexpr std::size_t kDimensionTargets = 2;

// For the frame kinds: how many controls, and which sub-frame (A, B, C as
// 0, 1, 2) holds each. Control n takes frame row n.
struct FrameLayout {
    std::size_t controls;
    std::array<std::size_t, kMaxControls> subFrameOf;
};

std::optional<FrameLayout> FrameLayoutOf(std::int32_t kind) {
    switch (kind) {
        case 1: return FrameLayout{1, {0, 0, 0}};
        case 2: return FrameLayout{2, {0, 0, 0}};
        case 3: return FrameLayout{3, {0, 0, 1}};
        case 4: return FrameLayout{2, {0, 1, 0}};
        case 5: return FrameLayout{3, {0, 1, 2}};
        case 6: return FrameLayout{3, {0, 0, 0}};
        default: return std::nullopt;
    }
}

boost::shared_ptr<KMBDBase> MakeObject(std::int32_t kind) {
    switch (kind) {
        case 0: case 1: case 2: case 3: case 4: case 5: case 6: case 8: case 9: case 13:
            return boost::make_shared<KMBDTicket>();
        case 7: return boost::make_shared<KMBDDatum>();
        case 10: case 11: return boost::make_shared<KMBDDatumTarget>();
        case 12: case 14: return boost::make_shared<KMBD2PtDimension>();
        default: return {};
    }
}

// The magnitude of an id; the lowest id has none that fits and stays as it
// is, as the host's 32-bit arithmetic leaves it.
std::int32_t Magnitude(std::int32_t id) {
    return id < 0 ? static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(id)) : id;
}

void AddTargetAt(KMBDBase& object, const p_3d& point) {
    const auto target = boost::make_shared<KMBDTarget>();
    object.AddTarget(target);
    target->SetTargetPoint(point);
}

// A note without a dimension: named (shown only when the name holds),
// targeted at the note and tied to its host entity.
void AttachToNote(KMBDBase& object, const NoteRecord& record, const p_3d& basePoint) {
    object.showName = true;
    object.SetName(record.name);
    if (object.GetName().empty()) object.showName = false;
    const auto target = boost::make_shared<KMBDTarget>();
    object.AddTarget(target);
    target->SetTargetPoint(basePoint);
    object.SetAnchorPoint({0.0, 0.0, 0.0});
    target->SetGroupId(record.groupId);
    target->SetEntityId(record.groupId == 0 ? record.entityId : Magnitude(record.entityId));
    if (auto* datumTarget = dynamic_cast<KMBDDatumTarget*>(&object)) {
        datumTarget->datumLabel.text = record.name;
        if (!record.name.empty()) datumTarget->datumLabel.enabled = true;
    }
}

// The label and value lines of a dimension record; the targets' points are
// not carried by the record and stay at the origin.
void AttachDimensionValues(KMBDDimension& dimension, const NoteRecord& record, DimensionPart& part) {
    dimension.showName = true;
    dimension.SetName(record.name);
    for (std::size_t k = 0; k < kDimensionTargets; ++k) AddTargetAt(dimension, p_3d{});
    dimension.SetAnchorPoint({0.0, 0.0, 0.0});
    dimension.dimensionText1.text = std::move(part.label);
    dimension.dimensionText1.enabled = true;
    dimension.dimensionNumber2 = part.number;
    dimension.dimensionText2 = std::move(part.value1);
    dimension.dimensionText3 = std::move(part.value2);
}

void AttachDimension(KMBDBase& object, const NoteRecord& record, DimensionPart& part,
                     const p_3d& basePoint) {
    if (part.hasValueLines) {
        if (auto* dimension = dynamic_cast<KMBDDimension*>(&object)) {
            AttachDimensionValues(*dimension, record, part);
        }
        return;
    }
    object.showName = true;
    object.SetName(record.name);
    AddTargetAt(object, basePoint);
    object.SetAnchorPoint({0.0, 0.0, 0.0});
}

void FillControl(KMBDControl& control, FrameRow& row) {
    control.toleranceText = BuildToleranceText(row.modifierBefore, row.valueText, row.modifierAfter1,
                                               row.textAfter1, row.modifierAfter2, row.textAfter2);
    if (!row.hasDatumRefs) return;
    control.datumRef1Text = std::move(row.datumRefs[0]);
    control.datumRef2Text = std::move(row.datumRefs[1]);
    control.datumRef3Text = std::move(row.datumRefs[2]);
}

// Built whatever the row flags said: a row not read gives an empty control.
void BuildFrames(KMBDBase& object, const FrameLayout& layout, NoteRecord& record) {
    std::array<boost::shared_ptr<KMBDSubFrame>, kMaxControls> subFrames;
    for (std::size_t n = 0; n < layout.controls; ++n) {
        FrameRow& row = record.rows[n];
        auto& subFrame = subFrames[layout.subFrameOf[n]];
        if (!subFrame) {
            subFrame = object.AddSubFrame();
            subFrame->symbolText.assign(1, HostSymbolChar(row.symbol));
        }
        FillControl(*subFrame->AddControl(), row);
    }
}

void ApplyTexts(KMBDBase& object, NoteRecord& record) {
    if (record.datumLabel) {
        object.datumLabel.text = std::move(*record.datumLabel);
        object.datumLabel.enabled = true;
    }
    if (record.text5) {
        object.text5.text = std::move(*record.text5);
        object.text5.enabled = true;
    }
    if (record.noteText) {
        object.text2.text = std::move(*record.noteText);
        object.text2.enabled = true;
    }
}

}  // namespace

boost::shared_ptr<KMBDBase> BuildAnnotation(NoteRecord record, const p_3d& basePoint) {
    auto object = MakeObject(record.kind);
    if (!object) return object;
    if (record.dimension) {
        AttachDimension(*object, record, *record.dimension, basePoint);
    } else {
        AttachToNote(*object, record, basePoint);
    }
    if (const auto layout = FrameLayoutOf(record.kind)) BuildFrames(*object, *layout, record);
    ApplyTexts(*object, record);
    return object;
}

}  // namespace noteimport
