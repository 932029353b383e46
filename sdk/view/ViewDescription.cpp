#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

#include "host/kscene/KObject.h"
#include "sdk/view/ViewDescription.h"

#include <cstdint>

namespace sdk::view {
namespace {

constexpr int kOrientationSize = 3;
constexpr int kMatrixSize = 4;

// Position of element (row, column) in the view description's matrix.
constexpr int MatrixSlot(int row, int column) { return kMatrixSize * row + column; }

void Insert(KCapturedView::VisibilitySet& set, const KScene& scene, const KSDKHandle* handles,
            std::int32_t count, bool shown) {
    for (std::int32_t i = 0; i < count; ++i) {
        const auto object = boost::dynamic_pointer_cast<KSceneObject>(scene.GetObjectPtr(handles[i]));
        if (object) set.insert({shown, boost::weak_ptr<KSceneObject>(object)});
    }
}

}  // namespace

KCapturedView::KView DescribeView(const KSDKNamedViewData& data) {
    KCapturedView::KView view{};
    for (int row = 0; row < kOrientationSize; ++row) {
        for (int column = 0; column < kOrientationSize; ++column) {
            view.matrix[MatrixSlot(row, column)] = data.viewMatrix[kOrientationSize * row + column];
        }
    }
    view.matrix[MatrixSlot(kOrientationSize, kOrientationSize)] = 1.0;
    view.param1 = data.viewParam1;
    view.param2 = data.viewParam2;
    view.param3 = data.viewParam3;
    return view;
}

KCapturedView::VisibilitySet ListedVisibility(const KScene& scene, const KSDKNamedViewData& data) {
    KCapturedView::VisibilitySet set;
    Insert(set, scene, data.shownObjects, data.shownCount, true);
    Insert(set, scene, data.hiddenObjects, data.hiddenCount, false);
    return set;
}

}  // namespace sdk::view
