// Recording the host's level state (active and visible levels, main level)
// into a named view.
#include <cstdint>
#include <utility>
#include <vector>

#include "draftlift/draftlift.h"
#include "host/Mastercam.h"
#include "host/kscene/KCapturedView.h"
#include "sdk/Handles.h"
#include "sdk/view/LevelQuery.h"

extern "C" KSDK_API void KSDKNamedViewRecordLevelState(KSDKHandle view) {
    if (view == nullptr) return;
    sdk::Guarded([&] {
        KCapturedView& captured = sdk::Expect<KCapturedView>(view);
        // One count serves both queries, as the host expects.
        std::int32_t count = 0;
        std::vector<std::int32_t> active = sdk::view::QueryLevels(get_active_levels, count);
        std::vector<std::int32_t> visible = sdk::view::QueryLevels(get_visible_levels, count);
        captured.SetLevels(KCapturedView::KLevelMan(std::move(active), std::move(visible), main_level));
    });
}
