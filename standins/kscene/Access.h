// The one friend the scene library's classes name: how the stand-ins look
// inside their own classes, and how the tests and tools that run on them
// read what the classes keep. The library never includes this.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

#include "host/WinTypes.h"
#include "host/kscene/KCapturedView.h"
#include "host/kscene/KCloud.h"
#include "host/kscene/KMBD.h"
#include "host/kscene/KObject.h"
#include "host/kscene/KObjectTree.h"
#include "host/kscene/KScene.h"

namespace standin::kscene {

struct Access {
    // Annotations and their parts.
    static const KPt3<double>& AnchorPoint(const KMBDBase& annotation) { return annotation.m_anchorPoint; }
    static const std::vector<boost::shared_ptr<KMBDTarget>>& Targets(const KMBDBase& annotation) {
        return annotation.m_targets;
    }
    static const std::vector<boost::shared_ptr<KMBDSubFrame>>& SubFrames(const KMBDBase& annotation) {
        return annotation.m_subFrames;
    }
    // Start and end of each segment.
    static const std::vector<std::pair<KPt3<double>, KPt3<double>>>& WitnessSegments(const KMBDBase& annotation) {
        return annotation.m_witness;
    }
    static const boost::shared_ptr<KMBDBalloon>& MainBalloon(const KMBDBase& annotation) {
        return annotation.m_mainBalloon;
    }
    static const std::map<std::uint64_t, boost::shared_ptr<KMBDBalloon>>& SubBalloons(const KMBDBase& annotation) {
        return annotation.m_subBalloons;
    }
    static const std::vector<boost::shared_ptr<KMBDControl>>& Controls(const KMBDSubFrame& frame) {
        return frame.m_controls;
    }
    static const KPt3<double>& TargetPoint(const KMBDTarget& target) { return target.m_targetPoint; }
    static std::int32_t GroupId(const KMBDTarget& target) { return target.m_groupId; }
    static std::int32_t EntityId(const KMBDTarget& target) { return target.m_entityId; }

    // Named views: what each setter last handed over, null before.
    static const KCapturedView::KView* View(const KCapturedView& view) {
        return view.m_hasDescription ? &view.m_view : nullptr;
    }
    static const KCapturedView::VisibilitySet* Visibility(const KCapturedView& view) {
        return view.m_hasVisibility ? &view.m_visibility : nullptr;
    }
    static const KCapturedView::KLevelMan* Levels(const KCapturedView& view) {
        return view.m_hasLevels ? &view.m_levels : nullptr;
    }
    static int SetVisibilityCalls(const KCapturedView& view) { return view.m_visibilityCalls; }
    static const std::vector<std::int32_t>& ActiveLevels(const KCapturedView::KLevelMan& levels) {
        return levels.m_active;
    }
    static const std::vector<std::int32_t>& VisibleLevels(const KCapturedView::KLevelMan& levels) {
        return levels.m_visible;
    }
    static std::int32_t MainLevel(const KCapturedView::KLevelMan& levels) { return levels.m_main; }

    // Clouds and meshes.
    static KVertex Vertex(const KCloud& cloud, std::size_t index);
    static const std::vector<KPt3<double>>& Positions(const KCloud& cloud) { return cloud.m_positions; }
    static const std::vector<KPt3<double>>& Normals(const KCloud& cloud) { return cloud.m_normals; }
    static const std::vector<KColor>& VertexColors(const KCloud& cloud) { return cloud.m_colors; }
    static bool IsInitialized(const KCloud& cloud) { return cloud.m_initialized; }
    // The spatial index as last built, null before.
    static const KOctree* Octree(const KMeshBase& mesh) { return mesh.m_octree.get(); }

    // The object tree.
    static const WString& Name(const KObjectTreeNode& node) { return node.m_name; }
    static const boost::weak_ptr<KObject>& Object(const KObjectTreeNode& node) { return node.m_object; }
    static const KObjectTreeNode* Parent(const KObjectTreeNode& node) { return node.m_parent; }
    static const std::vector<boost::shared_ptr<KObjectTreeNode>>& Children(const KObjectTreeNode& node) {
        return node.m_children;
    }
    static bool IsGroup(const KObjectTreeNode& node) { return node.m_isGroup; }
    static const boost::shared_ptr<KObjectTreeNode>& Root(const KObjectTreeManager& tree) { return tree.m_root; }
    // How often the tree heard that this node changed.
    static int ModifiedCount(const KObjectTreeManager& tree, const KObjectTreeNode* node);

    // The stand-ins' own operations, apart from the classes' surface.
    static KScene::Impl& State(const KScene& scene) { return *scene.m_impl; }
    // A node showing the object, under the root (the scene adds one for every
    // object it takes).
    static boost::shared_ptr<KObjectTreeNode> AddNodeForObject(KObjectTreeManager& tree,
                                                               const boost::shared_ptr<KObject>& object);
    static boost::shared_ptr<KObjectTreeNode> GroupNodes(KObjectTreeManager& tree,
                                                         const std::set<boost::shared_ptr<KObjectTreeNode>>& members,
                                                         KObjectTreeNode& home);
    static void Attach(const boost::shared_ptr<KObjectTreeNode>& node, KObjectTreeNode& parent);
    static void Detach(KObjectTreeNode& node);
    // An empty tree: the root alone.
    static void Clear(KObjectTreeManager& tree);
    // Whether a row within the annotation's rows holds a balloon.
    static bool HasSubBalloon(const KMBDBase& annotation, std::uint64_t row);
    static void SetNormal(KCloud& cloud, std::size_t index, const KPt3<double>& normal) {
        cloud.m_normals[index] = normal;
    }
    // Keeps the points not listed, in order; `kept` maps old indices to new
    // ones (0xFFFFFFFF for removed points). False, and nothing done, when no
    // index names a point.
    static bool KeepPointsExcept(KCloud& cloud, const std::vector<std::uint32_t>& indices,
                                 std::vector<std::uint32_t>& kept);
};

}  // namespace standin::kscene
