// Readers of the single lines of a note record, each filling its part of
// the decoded record. They check no line codes; the record reader does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "host/WinTypes.h"
#include "import/RecordReader.h"

namespace noteimport {

// Name, kind, group id and entity id; the reserved fields take no part.
void ReadHeaderLine(WStringView line, NoteRecord& record);

// The settings layout a settings line selects, if it is one of the two.
std::optional<SettingsLayout> SettingsLayoutOf(WStringView line);
RecordFlags ReadSettingsLine(WStringView line, SettingsLayout layout);

// The dimension type and number; replaces the flags it carries.
void ReadDimensionHeader(WStringView line, RecordFlags& flags, DimensionPart& dimension);
// Whether a dimension of this type carries label, value and extra lines.
bool HasValueLines(std::int32_t dimensionType);
void ReadDimensionLabel(WStringView line, DimensionPart& dimension);
// Both value expressions, evaluated by the host's calculator.
void ReadDimensionValues(WStringView line, DimensionPart& dimension);

void ReadFrameRow(WStringView line, FrameRow& row);
void ReadDatumRefs(WStringView line, FrameRow& row);

// Field 1 of a datum label, text5 or target text line.
WString ReadLabelText(WStringView line, std::size_t limit);

}  // namespace noteimport
