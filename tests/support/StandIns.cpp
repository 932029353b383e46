#include "tests/support/StandIns.h"

#include "standins/kscene/KSceneStandIn.h"
#include "standins/mastercam/HostStandIn.h"
#include "standins/orvanta/OrvantaStandIn.h"

namespace testing_support {

void ResetStandIns() {
    standin::host::Reset();
    standin::kscene::Reset();
    standin::orvanta::Reset();
}

}  // namespace testing_support
