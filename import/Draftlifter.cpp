#include "import/Draftlifter.h"

#include <boost/shared_ptr.hpp>

#include "host/kscene/KMBD.h"
#include "host/kscene/KScene.h"
#include "import/AnnotationBuilder.h"
#include "import/NoteSource.h"
#include "import/RecordReader.h"

#include <optional>
#include <utility>

Draftlifter::~Draftlifter() = default;

// The record is read whole before anything is built, so a refused record
// leaves nothing behind.
bool Draftlifter::ImportNote(const ent& record) {
    const noteimport::NoteSource source = noteimport::FindNoteSource(record);
    if (source.missing) return false;
    noteimport::RecordReading reading = noteimport::ReadRecord(source.text);
    if (!reading.Decoded()) return false;
    const auto object = noteimport::BuildAnnotation(std::move(reading.record), source.basePoint);
    if (!object) return true;
    if (KScene* scene = KD::GetScene()) scene->AddObject(object);
    return true;
}
