// The STEP functions of a build without Open CASCADE.
#include "tools/step/StepFile.h"

namespace draftlift_tool::step {
namespace {

constexpr char kNoSupport[] = "this build of draftlift has no STEP support (built without DRAFTLIFT_STEP)";

}  // namespace

bool StepSupported() { return false; }

std::vector<Loss> WriteStep(const std::vector<PmiAnnotation>&, std::ostream&) { throw StepError(kNoSupport); }

StepReading ReadStep(std::istream&, const std::string&) { throw StepError(kNoSupport); }

}  // namespace draftlift_tool::step
