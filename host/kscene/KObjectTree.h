// The scene library's object tree: nodes that show scene objects, and groups.
#pragma once

#include <set>
#include <vector>

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

#include "host/kscene/KObject.h"

// A node's name is KObject's (see KObject.h for why a node is one here).
class KObjectTreeNode : public KObject {
public:
    KObjectTreeNode();
    ~KObjectTreeNode() override;

    // The object shown by this node; empty for a group.
    boost::weak_ptr<KObject> object;
    KObjectTreeNode* parent = nullptr;
    std::vector<boost::shared_ptr<KObjectTreeNode>> children;
    bool isGroup = false;
};

class KObjectTreeManager {
public:
    KObjectTreeManager();
    ~KObjectTreeManager();

    void GetNodesForObject(std::vector<boost::shared_ptr<KObjectTreeNode>>& nodes,
                           boost::shared_ptr<KObject> object) const;
    boost::shared_ptr<KObjectTreeNode> GetObjectTreeNodePtr(const void* address) const;
    // Makes a group node holding the members, under the given parent (the
    // root when empty), and returns it.
    boost::shared_ptr<KObjectTreeNode> GroupNodes(
        const std::set<boost::shared_ptr<KObjectTreeNode>>& members,
        boost::shared_ptr<KObjectTreeNode> parent);
    void ObjectModified(boost::shared_ptr<KObjectTreeNode> node);

    // Adds a node showing an object under the root (the scene does this for
    // every object it takes).
    boost::shared_ptr<KObjectTreeNode> AddNodeForObject(const boost::shared_ptr<KObject>& object);
    const boost::shared_ptr<KObjectTreeNode>& Root() const { return m_root; }
    int ModifiedCount(const KObjectTreeNode* node) const;
    void Clear();

private:
    boost::shared_ptr<KObjectTreeNode> m_root;
    std::vector<const KObjectTreeNode*> m_modified;
};
