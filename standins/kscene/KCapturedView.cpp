// Named views: the scene library keeps what it is given and interprets it
// when the view is applied; the stand-in only keeps it.
#include "host/kscene/KCapturedView.h"
#include "standins/kscene/Failing.h"

#include <utility>

KCapturedView::KLevelMan::KLevelMan(std::vector<std::int32_t> active,
                                    std::vector<std::int32_t> visible, std::int32_t main)
    : m_active(std::move(active)), m_visible(std::move(visible)), m_main(main) {}

// Nothing handed over yet.
KCapturedView::KCapturedView()
    : hasView(0), m_view{}, m_hasDescription(false), m_hasVisibility(false), m_visibilityCalls(0),
      m_levels({}, {}, 0), m_hasLevels(false) {}
KCapturedView::~KCapturedView() = default;

void KCapturedView::SetView(const KView& view) {
    standin::kscene::detail::ThrowIfFailing();
    m_view = view;
    m_hasDescription = true;
}

void KCapturedView::SetVisibilitySet(const VisibilitySet& set) {
    standin::kscene::detail::ThrowIfFailing();
    m_visibility = set;
    m_hasVisibility = true;
    ++m_visibilityCalls;
}

void KCapturedView::SetLevels(const KLevelMan& levels) {
    standin::kscene::detail::ThrowIfFailing();
    m_levels = levels;
    m_hasLevels = true;
}
