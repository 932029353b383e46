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
    // A 4 x 4 matrix in memory order, then three values.
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

    private:
        friend struct standin::kscene::Access;
        std::vector<std::int32_t> m_active;
        std::vector<std::int32_t> m_visible;
        std::int32_t m_main;
    };

    // Our reading of the type of the shown/hidden set: pairs of the shown
    // flag and a weak reference, in the standard ordered set.
    using VisibilitySet = std::set<std::pair<bool, boost::weak_ptr<KSceneObject>>>;

    KCapturedView();
    ~KCapturedView() override;

    void SetView(const KView& view);
    void SetVisibilitySet(const VisibilitySet& set);
    void SetLevels(const KLevelMan& levels);

    std::uint8_t hasView;

private:
    friend struct standin::kscene::Access;
    KView m_view;
    bool m_hasDescription;
    VisibilitySet m_visibility;
    bool m_hasVisibility;
    int m_visibilityCalls;
    KLevelMan m_levels;
    bool m_hasLevels;
};
