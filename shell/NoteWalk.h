// The two walks over the host's entity database.
#pragma once

#include "host/Mastercam.h"

// Whether the note's text starts with the record prefix "~M01|".
bool HasRecordPrefix(const ent& record);

// Hands every drafting note that carries a record to the importer, then
// repaints once. Nothing happens without a current scene.
void ImportRecordedNotes();

// Visits every entity of the second selection without acting on any, then
// repaints once. Nothing happens without a current scene.
void VisitHostEntities();
