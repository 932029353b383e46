// STEP AP242 files with semantic PMI: annotations written and read back
// through Open CASCADE's XDE. A build without Open CASCADE has the same
// functions; they say that it cannot.
#pragma once

#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/step/Pmi.h"

namespace draftlift_tool::step {

// A file that cannot be written or read, with the translator's reason.
class StepError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Whether this build reads and writes STEP (the DRAFTLIFT_STEP option).
bool StepSupported();

// Writes the annotations, each attached to a leader from its target to its
// anchor; returns what the file cannot carry of them. Throws StepError.
std::vector<Loss> WriteStep(const std::vector<PmiAnnotation>& annotations, std::ostream& out);

struct StepReading {
    std::vector<PmiAnnotation> annotations;  // in the file's order
    std::vector<Loss> skipped;               // items the file holds that could not be read
};

// Reads a file's PMI; `name` names it in messages. Throws StepError naming
// the reader's reason when the file is malformed.
StepReading ReadStep(std::istream& in, const std::string& name);

}  // namespace draftlift_tool::step
