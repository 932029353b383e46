// The scene as a whole: objects in scene order, each described by the first
// writer that knows its kind, then groups, undo points and repaints.
#include "platform/kscene/SceneJson.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "host/kscene/KScene.h"
#include "platform/kscene/KSceneStandIn.h"
#include "platform/kscene/SceneJsonParts.h"
#include "platform/mastercam/HostStandIn.h"

namespace scenejson {
namespace {


// The run-time class name, for objects no writer knows.
std::string ClassName(const KObject& object) {
    const char* mangled = typeid(object).name();
    int status = 0;
    const std::unique_ptr<char, void (*)(void*)> plain(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    return status == 0 && plain ? std::string(plain.get()) : std::string(mangled);
}

Json PlainObjectJson(const KObject& object) {
    return {{"class", ClassName(object)}, {"name", Utf8(object.GetName())}};
}

}  // namespace

std::string Utf8(const WString& text) {
    if (text.empty()) return {};
    const int size = int(text.size());
    const int needed = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(std::size_t(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), needed, nullptr, nullptr);
    return narrow;
}

Json PointJson(const KPt3<double>& point) { return Json::array({point.x, point.y, point.z}); }

Json ObjectJson(const KObject& object, bool saved) {
    std::optional<Json> described = MbdJson(object);
    if (!described) described = ViewJson(object);
    if (!described) described = CloudJson(object);
    Json result = described ? *described : PlainObjectJson(object);
    result["saved"] = saved;
    if (const auto* drawable = dynamic_cast<const KSceneObject*>(&object)) {
        result["visible"] = drawable->visible != 0;
    }
    return result;
}

Json SceneJson() {
    const auto& entries = standin::kscene::Scene().impl().entries;
    Json objects = Json::array();
    std::vector<const KObject*> order;
    for (const KScene::Impl::Entry& entry : entries) {
        objects.push_back(ObjectJson(*entry.object, entry.saved));
        order.push_back(entry.object.get());
    }
    return {{"objects", objects},
            {"groups", GroupsJson(*KD::GetTreeMgr(), order)},
            {"undoPoints", standin::kscene::UndoPoints()},
            {"repaints", standin::host::RepaintCount()}};
}

std::string SceneJsonText() {
    return SceneJson().dump(2, ' ', false, Json::error_handler_t::replace);
}

}  // namespace scenejson
