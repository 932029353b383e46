// The object tree: a root, a node per scene object, and group nodes.
#include <algorithm>

#include <boost/make_shared.hpp>

#include "host/kscene/KObjectTree.h"
#include "standins/kscene/Failing.h"

namespace {

template <class Visit>
void Walk(const boost::shared_ptr<KObjectTreeNode>& node, Visit& visit) {
    visit(node);
    for (const auto& child : node->children) Walk(child, visit);
}

void Detach(KObjectTreeNode& node) {
    KObjectTreeNode* parent = node.parent;
    if (parent == nullptr) return;
    auto& siblings = parent->children;
    siblings.erase(std::remove_if(siblings.begin(), siblings.end(),
                                  [&](const auto& child) { return child.get() == &node; }),
                   siblings.end());
    node.parent = nullptr;
}

void Attach(const boost::shared_ptr<KObjectTreeNode>& node, KObjectTreeNode& parent) {
    node->parent = &parent;
    parent.children.push_back(node);
}

}  // namespace

KObjectTreeNode::KObjectTreeNode() = default;
KObjectTreeNode::~KObjectTreeNode() = default;

KObjectTreeManager::KObjectTreeManager() : m_root(boost::make_shared<KObjectTreeNode>()) {
    m_root->isGroup = true;
}

KObjectTreeManager::~KObjectTreeManager() = default;

void KObjectTreeManager::GetNodesForObject(std::vector<boost::shared_ptr<KObjectTreeNode>>& nodes,
                                           boost::shared_ptr<KObject> object) const {
    standin::kscene::detail::ThrowIfFailing();
    if (!object) return;
    auto collect = [&](const boost::shared_ptr<KObjectTreeNode>& node) {
        if (!node->isGroup && node->object.lock() == object) nodes.push_back(node);
    };
    Walk(m_root, collect);
}

boost::shared_ptr<KObjectTreeNode> KObjectTreeManager::GetObjectTreeNodePtr(const void* address) const {
    standin::kscene::detail::ThrowIfFailing();
    boost::shared_ptr<KObjectTreeNode> found;
    auto match = [&](const boost::shared_ptr<KObjectTreeNode>& node) {
        if (!found && node.get() == address) found = node;
    };
    Walk(m_root, match);
    return found;
}

boost::shared_ptr<KObjectTreeNode> KObjectTreeManager::GroupNodes(
    const std::set<boost::shared_ptr<KObjectTreeNode>>& members,
    boost::shared_ptr<KObjectTreeNode> parent) {
    auto group = boost::make_shared<KObjectTreeNode>();
    group->isGroup = true;
    KObjectTreeNode& home = parent ? *parent : *m_root;
    // Room first: once members start moving, nothing may fail.
    group->children.reserve(members.size());
    home.children.reserve(home.children.size() + 1);
    Attach(group, home);
    for (const auto& member : members) {
        // A group never takes itself or one of its ancestors.
        bool ancestor = false;
        for (const KObjectTreeNode* up = group.get(); up != nullptr; up = up->parent) {
            ancestor = ancestor || up == member.get();
        }
        if (!member || ancestor) continue;
        Detach(*member);
        Attach(member, *group);
    }
    return group;
}

void KObjectTreeManager::ObjectModified(boost::shared_ptr<KObjectTreeNode> node) {
    standin::kscene::detail::ThrowIfFailing();
    m_modified.push_back(node.get());
}

boost::shared_ptr<KObjectTreeNode> KObjectTreeManager::AddNodeForObject(
    const boost::shared_ptr<KObject>& object) {
    auto node = boost::make_shared<KObjectTreeNode>();
    node->object = object;
    if (object) node->SetName(object->GetName());
    Attach(node, *m_root);
    return node;
}

int KObjectTreeManager::ModifiedCount(const KObjectTreeNode* node) const {
    return static_cast<int>(std::count(m_modified.begin(), m_modified.end(), node));
}

void KObjectTreeManager::Clear() {
    m_root = boost::make_shared<KObjectTreeNode>();
    m_root->isGroup = true;
    std::vector<const KObjectTreeNode*>().swap(m_modified);  // a cleared tree holds no memory
}
