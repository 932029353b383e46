// Named views: a view orientation, the shown/hidden set of objects and the
// host's level state.
#pragma once

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include <boost/weak_ptr.hpp>

#include "host/kscene/KObject.h"

class KCapturedView : public KDataObject {
public:
    struct KView {
        double matrix[16];
        double param1;
        double param2;
        double param3;
    };

    class KLevelMan {
    public:
        KLevelMan(std::vector<std::int32_t> active, std::vector<std::int32_t> visible,
                  std::int32_t mainLevel);
        std::vector<std::int32_t> activeLevels;
        std::vector<std::int32_t> visibleLevels;
        std::int32_t mainLevel;
    };

    using VisibilitySet = std::set<std::pair<bool, boost::weak_ptr<KSceneObject>>>;

    KCapturedView();
    ~KCapturedView() override;

    void SetView(const KView& view);
    void SetVisibilitySet(const VisibilitySet& set);
    void SetLevels(const KLevelMan& levels);

    std::uint8_t hasView = 0;

    // What the view holds, for the scene library's own use.
    const KView* View() const { return m_hasDescription ? &m_view : nullptr; }
    const VisibilitySet* Visibility() const { return m_hasVisibility ? &m_visibility : nullptr; }
    const KLevelMan* Levels() const { return m_hasLevels ? &m_levels : nullptr; }
    int SetVisibilityCalls() const { return m_visibilityCalls; }

private:
    KView m_view{};
    bool m_hasDescription = false;
    VisibilitySet m_visibility;
    bool m_hasVisibility = false;
    int m_visibilityCalls = 0;
    KLevelMan m_levels{{}, {}, 0};
    bool m_hasLevels = false;
};
