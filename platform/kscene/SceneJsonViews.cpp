// Named views and groups in the scene JSON. A view lists its orientation,
// the objects it shows and hides (by name) and its level state; each group
// of the object tree lists its members, objects by their index in "objects"
// and nested groups by their index in "groups".
#include <algorithm>
#include <iterator>
#include <vector>

#include "host/kscene/KCapturedView.h"
#include "platform/kscene/SceneJsonParts.h"

namespace scenejson {
namespace {

using NodePtr = boost::shared_ptr<KObjectTreeNode>;

Json OrientationJson(const KCapturedView& view) {
    const KCapturedView::KView* description = view.View();
    if (description == nullptr) return nullptr;
    return {{"matrix", std::vector<double>(std::begin(description->matrix), std::end(description->matrix))},
            {"params", Json::array({description->param1, description->param2, description->param3})}};
}

// A gone object has no name left to show.
Json ReferenceName(const boost::weak_ptr<KSceneObject>& reference) {
    const auto object = reference.lock();
    return object ? Json(Utf8(object->GetName())) : Json(nullptr);
}

Json VisibilityJson(const KCapturedView& view) {
    const KCapturedView::VisibilitySet* set = view.Visibility();
    if (set == nullptr) return nullptr;
    Json shown = Json::array();
    Json hidden = Json::array();
    for (const auto& [visible, reference] : *set) (visible ? shown : hidden).push_back(ReferenceName(reference));
    return {{"shown", shown}, {"hidden", hidden}};
}

Json LevelsJson(const KCapturedView& view) {
    const KCapturedView::KLevelMan* levels = view.Levels();
    if (levels == nullptr) return nullptr;
    return {{"active", levels->activeLevels}, {"visible", levels->visibleLevels}, {"main", levels->mainLevel}};
}

// Every group node below the root, parents before their children.
void CollectGroups(const NodePtr& node, std::vector<const KObjectTreeNode*>& groups) {
    for (const NodePtr& child : node->children) {
        if (!child->isGroup) continue;
        groups.push_back(child.get());
        CollectGroups(child, groups);
    }
}

template <class T>
Json IndexIn(const std::vector<const T*>& list, const T* item) {
    const auto found = std::find(list.begin(), list.end(), item);
    return found != list.end() ? Json(found - list.begin()) : Json(nullptr);
}

Json MemberJson(const KObjectTreeNode& member, const std::vector<const KObject*>& objects,
                const std::vector<const KObjectTreeNode*>& groups) {
    Json json = {{"name", Utf8(member.GetName())}};
    if (member.isGroup) {
        json["group"] = IndexIn(groups, &member);
    } else {
        json["object"] = IndexIn(objects, static_cast<const KObject*>(member.object.lock().get()));
    }
    return json;
}

Json GroupJson(const KObjectTreeNode& group, const KObjectTreeNode& root,
               const std::vector<const KObject*>& objects, const std::vector<const KObjectTreeNode*>& groups) {
    Json members = Json::array();
    for (const NodePtr& member : group.children) members.push_back(MemberJson(*member, objects, groups));
    const Json parent = group.parent == &root ? Json(nullptr) : IndexIn(groups, static_cast<const KObjectTreeNode*>(group.parent));
    return {{"name", Utf8(group.GetName())}, {"parent", parent}, {"members", members}};
}

}  // namespace

std::optional<Json> ViewJson(const KObject& object) {
    const auto* view = dynamic_cast<const KCapturedView*>(&object);
    if (view == nullptr) return std::nullopt;
    return Json{{"class", "KCapturedView"},
                {"name", Utf8(view->GetName())},
                {"hasView", view->hasView},
                {"view", OrientationJson(*view)},
                {"visibility", VisibilityJson(*view)},
                {"levels", LevelsJson(*view)}};
}

Json GroupsJson(const KObjectTreeManager& tree, const std::vector<const KObject*>& objects) {
    std::vector<const KObjectTreeNode*> groups;
    CollectGroups(tree.Root(), groups);
    Json result = Json::array();
    for (const KObjectTreeNode* group : groups) result.push_back(GroupJson(*group, *tree.Root(), objects, groups));
    return result;
}

}  // namespace scenejson
