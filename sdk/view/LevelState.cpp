// Recording the host's level state (active and visible levels, main level)
// into a named view.
#include <stdexcept>
#include <vector>

#include "draftlift/draftlift.h"
#include "host/Mastercam.h"
#include "host/kscene/KCapturedView.h"
#include "sdk/Handles.h"

namespace {

using LevelQuery = void (*)(std::int32_t* count, std::int32_t* levels);

// The host's rule: ask for the count with a null array, then for the levels
// only when there are some. The list keeps the length of the first answer.
std::vector<std::int32_t> QueryLevels(LevelQuery query, std::int32_t& count) {
    query(&count, nullptr);
    if (count < 0) throw std::length_error("negative level count");
    std::vector<std::int32_t> levels(static_cast<std::size_t>(count), 0);
    if (count != 0) query(&count, levels.data());
    return levels;
}

}  // namespace

extern "C" KSDK_API void KSDKNamedViewRecordLevelState(KSDKHandle view) {
    if (view == nullptr) return;
    sdk::Guarded([&] {
        KCapturedView& captured = sdk::Expect<KCapturedView>(view);
        // One count serves both queries, as the host expects.
        std::int32_t count = 0;
        std::vector<std::int32_t> active = QueryLevels(get_active_levels, count);
        std::vector<std::int32_t> visible = QueryLevels(get_visible_levels, count);
        captured.SetLevels(KCapturedView::KLevelMan(std::move(active), std::move(visible), main_level));
    });
}
