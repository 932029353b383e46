// The scene library's object tree: nodes that show scene objects, and groups.
#pragma once

#include <set>
#include <vector>

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

#include "host/WinTypes.h"
#include "host/kscene/KObject.h"

class KObjectTreeNode {
public:
    KObjectTreeNode();
    virtual ~KObjectTreeNode();
    // The node's name, as KObject::SetName names an object.
    virtual void SetName(const WString& name);

private:
    friend struct standin::kscene::Access;
    WString m_name;
    // The object shown by this node; empty for a group.
    boost::weak_ptr<KObject> m_object;
    KObjectTreeNode* m_parent;
    std::vector<boost::shared_ptr<KObjectTreeNode>> m_children;
    bool m_isGroup;
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

private:
    friend struct standin::kscene::Access;
    boost::shared_ptr<KObjectTreeNode> m_root;
    std::vector<const KObjectTreeNode*> m_modified;
};
