// Named views and groups in the scene JSON. A view lists its orientation,
// the objects it shows and hides (by name) and its level state; each group
// of the object tree lists its members, objects by their index in "objects"
// and nested groups by their index in "groups".
#include <unordered_map>
#include <vector>

#include "host/kscene/KCapturedView.h"
#include "standins/kscene/Access.h"
#include "standins/kscene/SceneJsonParts.h"

namespace scenejson {
namespace {

using NodePtr = boost::shared_ptr<KObjectTreeNode>;
using standin::kscene::Access;

void Orientation(JsonOut& out, const KCapturedView& view) {
    const KCapturedView::KView* description = Access::View(view);
    if (description == nullptr) {
        out.Null();
        return;
    }
    out.BeginObject();
    out.Key("matrix").BeginArray();
    for (const double value : description->matrix) out.Double(value);
    out.EndArray();
    out.Key("params").BeginArray();
    for (const double value : {description->param1, description->param2, description->param3}) out.Double(value);
    out.EndArray();
    out.EndObject();
}

// A gone object has no name left to show.
void ReferenceName(JsonOut& out, const boost::weak_ptr<KSceneObject>& reference) {
    const auto object = reference.lock();
    if (object) {
        out.Text(object->GetName());
    } else {
        out.Null();
    }
}

void Visibility(JsonOut& out, const KCapturedView& view) {
    const KCapturedView::VisibilitySet* set = Access::Visibility(view);
    if (set == nullptr) {
        out.Null();
        return;
    }
    out.BeginObject();
    for (const bool shown : {true, false}) {
        out.Key(shown ? "shown" : "hidden").BeginArray();
        for (const auto& [visible, reference] : *set) {
            if (visible == shown) ReferenceName(out, reference);
        }
        out.EndArray();
    }
    out.EndObject();
}

void Integers(JsonOut& out, const char* key, const std::vector<std::int32_t>& values) {
    out.Key(key).BeginArray();
    for (const std::int32_t value : values) out.Int(value);
    out.EndArray();
}

void Levels(JsonOut& out, const KCapturedView& view) {
    const KCapturedView::KLevelMan* levels = Access::Levels(view);
    if (levels == nullptr) {
        out.Null();
        return;
    }
    out.BeginObject();
    Integers(out, "active", Access::ActiveLevels(*levels));
    Integers(out, "visible", Access::VisibleLevels(*levels));
    out.Member("main", Access::MainLevel(*levels));
    out.EndObject();
}

// Every group node below the root, parents before their children.
void CollectGroups(const NodePtr& node, std::vector<const KObjectTreeNode*>& groups) {
    for (const NodePtr& child : Access::Children(*node)) {
        if (!Access::IsGroup(*child)) continue;
        groups.push_back(child.get());
        CollectGroups(child, groups);
    }
}

// Positions by address, so that a scene of many objects and groups is
// indexed once rather than searched for every member.
class Positions {
public:
    template <class T>
    explicit Positions(const std::vector<const T*>& list) {
        m_index.reserve(list.size());
        for (std::size_t i = 0; i < list.size(); ++i) m_index.emplace(list[i], i);
    }
    // The position, or null when the item is not in the list.
    void Write(JsonOut& out, const void* item) const {
        const auto found = m_index.find(item);
        if (found != m_index.end()) {
            out.Unsigned(found->second);
        } else {
            out.Null();
        }
    }

private:
    std::unordered_map<const void*, std::size_t> m_index;
};

void Member(JsonOut& out, const KObjectTreeNode& member, const Positions& objects, const Positions& groups) {
    out.BeginObject();
    out.Member("name", Access::Name(member));
    if (Access::IsGroup(member)) {
        groups.Write(out.Key("group"), &member);
    } else {
        objects.Write(out.Key("object"), static_cast<const KObject*>(Access::Object(member).lock().get()));
    }
    out.EndObject();
}

void Group(JsonOut& out, const KObjectTreeNode& group, const KObjectTreeNode& root, const Positions& objects,
           const Positions& groups) {
    out.BeginObject();
    out.Member("name", Access::Name(group));
    if (Access::Parent(group) == &root) {
        out.Key("parent").Null();
    } else {
        groups.Write(out.Key("parent"), Access::Parent(group));
    }
    out.Key("members").BeginArray();
    for (const NodePtr& member : Access::Children(group)) Member(out, *member, objects, groups);
    out.EndArray();
    out.EndObject();
}

}  // namespace

bool ViewMembers(JsonOut& out, const KObject& object) {
    const auto* view = dynamic_cast<const KCapturedView*>(&object);
    if (view == nullptr) return false;
    out.Member("class", "KCapturedView");
    out.Member("name", view->GetName());
    out.Member("hasView", view->hasView);
    out.Key("view");
    Orientation(out, *view);
    out.Key("visibility");
    Visibility(out, *view);
    out.Key("levels");
    Levels(out, *view);
    return true;
}

void WriteGroups(JsonOut& out, const KObjectTreeManager& tree, const std::vector<const KObject*>& objects) {
    std::vector<const KObjectTreeNode*> groups;
    CollectGroups(Access::Root(tree), groups);
    out.BeginArray();
    if (!groups.empty()) {
        const Positions objectPositions(objects);
        const Positions groupPositions(groups);
        for (const KObjectTreeNode* group : groups) {
            Group(out, *group, *Access::Root(tree), objectPositions, groupPositions);
        }
    }
    out.EndArray();
}

}  // namespace scenejson
