// Every allocation of representative call sequences fails once in turn: no
// block may leak, no exception may leave a function that must catch it, and
// the scene must stay whole (an object is in it entirely or not at all).
#include <cstdlib>
#include <functional>
#include <new>
#include <set>
#include <stdexcept>
#include <vector>

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

#include "draftlift/draftlift.h"
#include "host/kscene/KMBD.h"
#include "host/kscene/KObjectTree.h"
#include "standins/kscene/Access.h"
#include "standins/kscene/KSceneStandIn.h"
#include "tests/support/StandIns.h"
#include "tests/support/TextRecords.h"

// This program replaces the global allocation functions: it counts the blocks
// alive and can make the n-th allocation from now throw std::bad_alloc.
namespace allocation {

long countdown = -1;  // allocations that still succeed; negative: never fail
bool failed = false;  // whether the armed failure has happened
long live = 0;

void* Allocate(std::size_t size) {
    if (countdown == 0) {
        countdown = -1;
        failed = true;
        throw std::bad_alloc();
    }
    if (countdown > 0) --countdown;
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) throw std::bad_alloc();
    ++live;
    return block;
}

void Release(void* block) noexcept {
    if (block == nullptr) return;
    --live;
    std::free(block);
}

}  // namespace allocation

void* operator new(std::size_t size) { return allocation::Allocate(size); }
void* operator new[](std::size_t size) { return allocation::Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return allocation::Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* block) noexcept { allocation::Release(block); }
void operator delete[](void* block) noexcept { allocation::Release(block); }
void operator delete(void* block, std::size_t) noexcept { allocation::Release(block); }
void operator delete[](void* block, std::size_t) noexcept { allocation::Release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { allocation::Release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { allocation::Release(block); }

namespace {

using standin::kscene::Access;

// Whether the libraries' allocations come to this program's allocation
// functions. Under valgrind they do not (it puts its own in their place for
// every shared library), so no allocation can be made to fail and blocks
// would cross between the two; the tests have nothing to check there.
bool AllocationsAreCounted() {
    const long before = allocation::live;
    // Its message is allocated inside the C++ runtime library.
    const std::runtime_error probe("an allocation made by a shared library");
    return allocation::live != before;
}

class AllocationFailure : public testing::Test {
protected:
    void SetUp() override {
        if (!AllocationsAreCounted()) GTEST_SKIP() << "the allocation functions are replaced (valgrind?)";
    }
};

void ExpectTreeWhole(const KObjectTreeNode& node, std::set<const KObjectTreeNode*>& seen) {
    EXPECT_TRUE(seen.insert(&node).second) << "a tree node appears twice";
    for (const auto& child : Access::Children(node)) {
        ASSERT_TRUE(child);
        EXPECT_EQ(Access::Parent(*child), &node);
        ExpectTreeWhole(*child, seen);
    }
}

void ExpectAnnotationWhole(const KMBDBase& annotation) {
    for (const auto& target : Access::Targets(annotation)) EXPECT_TRUE(target);
    for (const auto& frame : Access::SubFrames(annotation)) {
        ASSERT_TRUE(frame);
        for (const auto& control : Access::Controls(*frame)) EXPECT_TRUE(control);
    }
}

void ExpectSceneWhole() {
    EXPECT_TRUE(standin::kscene::IndexMatchesEntries());
    for (const standin::kscene::SceneEntry& entry : standin::kscene::Entries()) {
        const auto& object = entry.object;
        ASSERT_TRUE(object);
        std::vector<boost::shared_ptr<KObjectTreeNode>> nodes;
        KD::GetTreeMgr()->GetNodesForObject(nodes, object);
        EXPECT_EQ(nodes.size(), 1u) << "every object held has its one tree node";
        if (const auto* annotation = dynamic_cast<const KMBDBase*>(object.get())) {
            ExpectAnnotationWhole(*annotation);
        }
    }
    std::set<const KObjectTreeNode*> seen;
    ExpectTreeWhole(*Access::Root(*KD::GetTreeMgr()), seen);
}

// Runs the sequence with the n-th allocation failing, for every n until a run
// completes untouched; after each run the scene is whole and, once cleared,
// nothing allocated by the run is left.
// Returns how many allocations the untouched run makes.
long FailEachAllocation(const std::function<void()>& sequence) {
    testing_support::ResetStandIns();
    sequence();  // first-use allocations of the program are not the sequence's
    for (long n = 0;; ++n) {
        testing_support::ResetStandIns();
        const long before = allocation::live;
        allocation::countdown = n;
        allocation::failed = false;
        sequence();
        allocation::countdown = -1;
        const bool failed = allocation::failed;
        ExpectSceneWhole();
        testing_support::ResetStandIns();
        EXPECT_EQ(allocation::live, before) << "blocks leaked with allocation " << n << " failing";
        if (!failed || testing::Test::HasFailure()) return n;
    }
}

// The creating functions let running out of memory through; the caller stops.
template <class Create>
KSDKHandle Created(Create create) {
    try {
        return create();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void BuildNamedViewAndGroup() {
    boost::shared_ptr<KMBDDatum> datum;
    try {
        datum = boost::make_shared<KMBDDatum>();
        KD::GetScene()->AddObject(datum);
    } catch (const std::bad_alloc&) {
        return;  // the stand-in scene itself ran out; nothing of ours ran
    }
    const KSDKHandle view = Created(KSDKCreateNamedView);
    if (view == nullptr) return;
    const KSDKHandle shown[] = {datum.get()};
    const KSDKNamedViewData data = {"Front", 1, 0, 0, 1, {1, 0, 0, 0, 1, 0, 0, 0, 1}, shown, 1, shown, 1};
    KSDKSetNamedViewData(view, &data);
    KSDKNamedViewRecordVisibility(view);
    KSDKNamedViewRecordLevelState(view);
    KSDKFinishNamedView(view);
    const KSDKHandle members[] = {datum.get(), view};
    const KSDKHandle group = KSDKCreateGroup(members, 2, "Datums");
    KSDKSetGroupName(group, "Datum features");
    // The tab-state functions catch nothing either.
    try {
        KSDKRestoreOrvantaTabState(KSDKGetOrvantaTabStateAndRestoreMcamTabs());
    } catch (const std::bad_alloc&) {
    }
}

void BuildAnnotations() {
    using namespace testing_support;
    const KSDKHandle frame = Created([] { return KSDKCreateMbd(KSDK_MBD_FEATURE_CONTROL_FRAME); });
    if (frame == nullptr) return;
    KSDKSetCommonData(frame, &kCommon);
    KSDKSetMbdData(frame, &kMbd);
    KSDKSetTargetPtData(KSDKAddTarget(frame), &kTarget);
    const KSDKHandle subFrame = KSDKAddFrame(frame);
    KSDKSetFrameSymbol(subFrame, KSDKGetSymbolChar(0));
    KSDKSetControlData(KSDKAddControlToFrame(subFrame), &kControl);
    KSDKAddWitnessSegment(frame, &kSegment);
    KSDKCreateMainBalloon(frame, &kBalloon);
    KSDKCreateSubBalloon(frame, 0, &kBalloon);
    KSDKFinishMbd(frame);

    const KSDKHandle datum = Created([] { return KSDKCreateMbd(KSDK_MBD_DATUM_TARGET); });
    if (datum == nullptr) return;
    KSDKSetCommonData(datum, &kCommon);
    KSDKSetDatumData(datum, &kDatum);
    KSDKFinishMbd(datum);
    const KSDKHandle dimension = Created([] { return KSDKCreateMbd(KSDK_MBD_TWO_POINT_DIMENSION); });
    if (dimension != nullptr) KSDKSetDimensionData(dimension, &kDimension);
}

TEST_F(AllocationFailure, AnnotationsWithTheirPartsAndBalloons) {
    EXPECT_GT(FailEachAllocation(BuildAnnotations), 20);
}

// A mesh the builder cannot finish is given back, so nothing is left over.
void BuildMeshAndCloud() {
    const double points[] = {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1};
    const std::uint32_t indices[] = {0, 1, 2, 0, 1, 3, 0, 2, 3, 1, 2, 3};
    for (const bool mesh : {true, false}) {
        const KSDKHandle object = Created(mesh ? KSDKCreateMesh : KSDKCreateCloud);
        if (object == nullptr) continue;
        const KSDKGeneralInfo info = {mesh ? "Tetra" : "Points", 1, {1, 0, 0, 1}};
        const KSDKVertices vertices = {points, 4, nullptr, nullptr, nullptr};
        const KSDKFaces faces = {indices, 4, nullptr};
        const bool filled = KSDKSetGeneralInfo(object, &info) == 0 &&
                            KSDKSetVertices(object, &vertices) == 0 &&
                            (!mesh || KSDKSetFaces(object, &faces) == 0);
        if (!filled) {
            KSDKDiscardObject(object);
            continue;
        }
        KSDKFinishObject(object);  // on -1 the builder has let the object go
    }
}

TEST_F(AllocationFailure, MeshesAndClouds) { EXPECT_GT(FailEachAllocation(BuildMeshAndCloud), 10); }

TEST_F(AllocationFailure, NamedViewsGroupsAndTabs) {
    EXPECT_GT(FailEachAllocation(BuildNamedViewAndGroup), 20);
}

}  // namespace
