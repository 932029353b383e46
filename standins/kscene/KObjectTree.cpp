// The object tree: a root, a node per scene object, and group nodes.
#include <algorithm>

#include <boost/make_shared.hpp>

#include "host/kscene/KObjectTree.h"
#include "standins/kscene/Access.h"
#include "standins/kscene/Failing.h"

namespace {

using standin::kscene::Access;
using NodePtr = boost::shared_ptr<KObjectTreeNode>;

template <class Visit>
void Walk(const NodePtr& node, Visit& visit) {
    visit(node);
    for (const auto& child : Access::Children(*node)) Walk(child, visit);
}

}  // namespace

KObjectTreeNode::KObjectTreeNode() : m_parent(nullptr), m_isGroup(false) {
    standin::kscene::detail::ThrowIfFailing();
}
KObjectTreeNode::~KObjectTreeNode() = default;

void KObjectTreeNode::SetName(const WString& name) {
    standin::kscene::detail::ThrowIfFailing();
    m_name = name;
}

KObjectTreeManager::KObjectTreeManager() { Access::Clear(*this); }
KObjectTreeManager::~KObjectTreeManager() = default;

void KObjectTreeManager::GetNodesForObject(std::vector<NodePtr>& nodes, boost::shared_ptr<KObject> object) const {
    standin::kscene::detail::ThrowIfFailing();
    if (!object) return;
    auto collect = [&](const NodePtr& node) {
        if (!Access::IsGroup(*node) && Access::Object(*node).lock() == object) nodes.push_back(node);
    };
    Walk(m_root, collect);
}

NodePtr KObjectTreeManager::GetObjectTreeNodePtr(const void* address) const {
    standin::kscene::detail::ThrowIfFailing();
    NodePtr found;
    auto match = [&](const NodePtr& node) {
        if (!found && node.get() == address) found = node;
    };
    Walk(m_root, match);
    return found;
}

NodePtr KObjectTreeManager::GroupNodes(const std::set<NodePtr>& members, NodePtr parent) {
    return Access::GroupNodes(*this, members, parent ? *parent : *m_root);
}

void KObjectTreeManager::ObjectModified(NodePtr node) {
    standin::kscene::detail::ThrowIfFailing();
    m_modified.push_back(node.get());
}

namespace standin::kscene {

void Access::Detach(KObjectTreeNode& node) {
    KObjectTreeNode* parent = node.m_parent;
    if (parent == nullptr) return;
    auto& siblings = parent->m_children;
    siblings.erase(std::remove_if(siblings.begin(), siblings.end(),
                                  [&](const auto& child) { return child.get() == &node; }),
                   siblings.end());
    node.m_parent = nullptr;
}

void Access::Attach(const NodePtr& node, KObjectTreeNode& parent) {
    node->m_parent = &parent;
    parent.m_children.push_back(node);
}

NodePtr Access::GroupNodes(KObjectTreeManager&, const std::set<NodePtr>& members, KObjectTreeNode& home) {
    auto group = boost::make_shared<KObjectTreeNode>();
    group->m_isGroup = true;
    // Room first: once members start moving, nothing may fail.
    group->m_children.reserve(members.size());
    home.m_children.reserve(home.m_children.size() + 1);
    Attach(group, home);
    for (const auto& member : members) {
        // A group never takes itself or one of its ancestors.
        bool ancestor = false;
        for (const KObjectTreeNode* up = group.get(); up != nullptr; up = up->m_parent) {
            ancestor = ancestor || up == member.get();
        }
        if (!member || ancestor) continue;
        Detach(*member);
        Attach(member, *group);
    }
    return group;
}

NodePtr Access::AddNodeForObject(KObjectTreeManager& tree, const boost::shared_ptr<KObject>& object) {
    auto node = boost::make_shared<KObjectTreeNode>();
    node->m_object = object;
    if (object) node->m_name = object->GetName();
    Attach(node, *tree.m_root);
    return node;
}

int Access::ModifiedCount(const KObjectTreeManager& tree, const KObjectTreeNode* node) {
    return static_cast<int>(std::count(tree.m_modified.begin(), tree.m_modified.end(), node));
}

void Access::Clear(KObjectTreeManager& tree) {
    tree.m_root = boost::make_shared<KObjectTreeNode>();
    tree.m_root->m_isGroup = true;
    std::vector<const KObjectTreeNode*>().swap(tree.m_modified);  // a cleared tree holds no memory
}

}  // namespace standin::kscene
