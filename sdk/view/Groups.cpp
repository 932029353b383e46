// Groups of object-tree nodes: the nodes of listed scene objects and listed
// nodes (earlier groups among them) become members of a new group node.
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "draftlift/draftlift.h"
#include "host/kscene/KObject.h"
#include "host/kscene/KObjectTree.h"
#include "host/kscene/KScene.h"
#include "sdk/Handles.h"

namespace {

using NodePtr = boost::shared_ptr<KObjectTreeNode>;
using MemberSet = std::set<NodePtr>;

void AddMember(MemberSet& members, const KScene& scene, const KObjectTreeManager& tree,
               KSDKHandle handle) {
    if (const auto object = scene.GetObjectPtr(handle)) {
        std::vector<NodePtr> nodes;
        tree.GetNodesForObject(nodes, object);
        members.insert(nodes.begin(), nodes.end());
    } else if (auto node = tree.GetObjectTreeNodePtr(handle)) {
        members.insert(std::move(node));
    }
}

MemberSet CollectMembers(const KScene& scene, const KObjectTreeManager& tree,
                         const KSDKHandle* handles, std::int32_t count) {
    MemberSet members;
    for (std::int32_t i = 0; i < count; ++i) AddMember(members, scene, tree, handles[i]);
    return members;
}

KObjectTreeManager& TreeManager() {
    KObjectTreeManager* tree = KD::GetTreeMgr();
    if (tree == nullptr) throw sdk::kWrongHandle;
    return *tree;
}

void Rename(KObjectTreeManager& tree, const NodePtr& node, const char* name) {
    node->SetName(KTextObject::ConvertMBDsymbolText(name));
    tree.ObjectModified(node);
}

}  // namespace

extern "C" {

KSDK_API KSDKHandle KSDKCreateGroup(const KSDKHandle* handles, int32_t count, const char* name) {
    const KScene* scene = KD::GetScene();
    if (scene == nullptr) return nullptr;
    // The group is the tree's once made; a later failure leaves it there.
    NodePtr group;
    sdk::Guarded([&] {
        KObjectTreeManager& tree = TreeManager();
        const MemberSet members = CollectMembers(*scene, tree, handles, count);
        if (members.empty()) return;
        group = tree.GroupNodes(members, NodePtr());
        if (group && name != nullptr) Rename(tree, group, name);
    });
    return group.get();
}

KSDK_API void KSDKSetGroupName(KSDKHandle group, const char* name) {
    if (group == nullptr || name == nullptr) return;
    sdk::Guarded([&] {
        KObjectTreeManager& tree = TreeManager();
        if (const NodePtr node = tree.GetObjectTreeNodePtr(group)) Rename(tree, node, name);
    });
}

}  // extern "C"
