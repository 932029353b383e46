#include "standins/kscene/Failing.h"

#include <stdexcept>

#include "standins/kscene/KSceneStandIn.h"

namespace {

bool& Failing() {
    static bool failing = false;
    return failing;
}

}  // namespace

namespace standin::kscene {

void FailOperations(bool failing) { Failing() = failing; }

namespace detail {

void ThrowIfFailing() {
    if (Failing()) throw std::runtime_error("scene library failure");
}

}  // namespace detail
}  // namespace standin::kscene
