#include "tests/support/StandIns.h"

#include "platform/kscene/KSceneStandIn.h"
#include "platform/mastercam/HostStandIn.h"
#include "platform/orvanta/OrvantaStandIn.h"

namespace testing_support {

void ResetStandIns() {
    standin::host::Reset();
    standin::kscene::Reset();
    standin::orvanta::Reset();
}

}  // namespace testing_support
