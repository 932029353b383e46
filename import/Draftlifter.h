// The importer: turns one recorded host note into one annotation of the scene.
#pragma once

#include "host/Mastercam.h"

class Draftlifter {
public:
    virtual ~Draftlifter();
    // True when the note's record was decoded; false when it was refused,
    // in which case nothing was added to the scene.
    bool ImportNote(const ent& record);
};
