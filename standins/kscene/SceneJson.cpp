// The scene as a whole: objects in scene order, each described by the first
// writer that knows its kind, then groups, undo points and repaints.
#include "standins/kscene/SceneJson.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <typeinfo>

#include "host/kscene/KScene.h"
#include "standins/kscene/KSceneStandIn.h"
#include "standins/kscene/SceneJsonParts.h"
#include "standins/mastercam/HostStandIn.h"

namespace scenejson {
namespace {

// How many objects pass between two progress reports.
constexpr std::size_t kProgressEvery = 4096;

// The run-time class name, for objects no writer knows.
std::string ClassName(const KObject& object) {
    const char* mangled = typeid(object).name();
    int status = 0;
    const std::unique_ptr<char, void (*)(void*)> plain(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    return status == 0 && plain ? std::string(plain.get()) : std::string(mangled);
}

void WriteObject(JsonOut& out, const KObject& object, bool saved, const ExtraMembers& extra) {
    out.BeginObject();
    if (!MbdMembers(out, object) && !ViewMembers(out, object) && !CloudMembers(out, object)) {
        out.Member("class", ClassName(object).c_str());
        out.Member("name", object.GetName());
    }
    out.Member("saved", saved);
    if (const auto* drawable = dynamic_cast<const KSceneObject*>(&object)) out.Member("visible", drawable->visible != 0);
    if (extra) extra(out, object);
    out.EndObject();
}

}  // namespace

std::string Utf8(const WString& text) {
    // Most texts are plain ASCII, which needs no encoding.
    if (std::all_of(text.begin(), text.end(), [](WCHAR c) { return c < 0x80; })) {
        return std::string(text.begin(), text.end());
    }
    const int size = int(text.size());
    const int needed = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(std::size_t(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), needed, nullptr, nullptr);
    return narrow;
}

void WriteSceneJson(std::ostream& stream, const std::function<void(std::size_t)>& progress,
                    const ExtraMembers& extra) {
    const auto& entries = standin::kscene::Entries();
    std::vector<const KObject*> order;
    order.reserve(entries.size());
    JsonOut out(stream);
    out.BeginObject();
    out.Key("objects").BeginArray();
    for (const standin::kscene::SceneEntry& entry : entries) {
        WriteObject(out, *entry.object, entry.saved, extra);
        order.push_back(entry.object.get());
        if (progress && order.size() % kProgressEvery == 0) progress(order.size());
    }
    out.EndArray();
    out.Key("groups");
    WriteGroups(out, *KD::GetTreeMgr(), order);
    out.Key("undoPoints").BeginArray();
    for (const std::string& label : standin::kscene::UndoPoints()) out.String(label);
    out.EndArray();
    out.Member("repaints", std::int32_t(standin::host::RepaintCount()));
    out.EndObject();
}

std::string SceneJsonText() {
    std::ostringstream text;
    WriteSceneJson(text);
    return text.str();
}

Json SceneJson() { return Json::parse(SceneJsonText()); }

}  // namespace scenejson
