// The scene: the objects it holds (saved or not), change notifications, and
// the scene library's static entry points.
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/kscene/KObjectTree.h"
#include "host/kscene/KScene.h"
#include "standins/kscene/Access.h"
#include "standins/kscene/AddressIndex.h"
#include "standins/kscene/Failing.h"
#include "standins/kscene/KSceneStandIn.h"

struct KScene::Impl {
    // In the order the scene took them.
    std::vector<standin::kscene::SceneEntry> entries;
    AddressIndex byAddress;
    std::unordered_map<const void*, int> modified;

    void Hold(boost::shared_ptr<KObject> object, bool saved);
    const standin::kscene::SceneEntry* Find(const void* address) const;
    bool Add(boost::shared_ptr<KObject> object, bool saved);
    void Remove(const void* address);
    void Clear();
};

namespace {

using standin::kscene::Access;
using standin::kscene::SceneEntry;

struct SceneLibrary {
    KScene scene;
    KObjectTreeManager tree;
    bool present = true;
    bool clearResult = true;
    bool failListing = false;
    int clears = 0;
    std::vector<std::string> undoPoints;
    std::vector<std::string> loadedDlls;
};

SceneLibrary& Library() {
    static SceneLibrary library;
    return library;
}

}  // namespace

// All or nothing: an object is held together with its tree node, or not at all.
void KScene::Impl::Hold(boost::shared_ptr<KObject> object, bool saved) {
    KObject* const address = object.get();
    if (!Add(object, saved)) return;
    try {
        Access::AddNodeForObject(Library().tree, object);
    } catch (...) {
        Remove(address);
        throw;
    }
}

const SceneEntry* KScene::Impl::Find(const void* address) const {
    const std::size_t position = byAddress.Find(address);
    return position == AddressIndex::kAbsent ? nullptr : &entries[position];
}

bool KScene::Impl::Add(boost::shared_ptr<KObject> object, bool saved) {
    if (!object || Find(object.get()) != nullptr) return false;
    // Grown geometrically: reserving one more each time made every add copy
    // the whole list.
    if (entries.size() == entries.capacity()) entries.reserve(2 * entries.capacity() + 1);
    byAddress.Insert(object.get(), entries.size());
    entries.push_back({std::move(object), saved});  // cannot throw after the reserve
    return true;
}

// Only ever the last object added: the one whose tree node could not be made.
void KScene::Impl::Remove(const void* address) {
    byAddress.Erase(address);
    if (!entries.empty() && entries.back().object.get() == address) entries.pop_back();
}

// Gives the memory back too, so that a cleared scene holds no allocation.
void KScene::Impl::Clear() {
    std::vector<SceneEntry>().swap(entries);
    byAddress.Clear();
    std::unordered_map<const void*, int>().swap(modified);
}

KScene::KScene() : m_impl(std::make_unique<Impl>()) {}
KScene::~KScene() = default;

void KScene::AddObject(boost::shared_ptr<KObject> object) {
    standin::kscene::detail::ThrowIfFailing();
    m_impl->Hold(std::move(object), true);
}

void KScene::AddUnsavableObject(boost::shared_ptr<KObject> object) {
    standin::kscene::detail::ThrowIfFailing();
    m_impl->Hold(std::move(object), false);
}

boost::shared_ptr<KObject> KScene::GetObjectPtr(const void* address) const {
    standin::kscene::detail::ThrowIfFailing();
    const SceneEntry* entry = m_impl->Find(address);
    return entry != nullptr ? entry->object : boost::shared_ptr<KObject>();
}

void KScene::ObjectModified(boost::shared_ptr<KObject> object) {
    standin::kscene::detail::ThrowIfFailing();
    ++m_impl->modified[object.get()];
}

// Every object the predicate accepts, in the order the scene took them.
bool KScene::GetAllObjectsOfType(std::list<boost::shared_ptr<KObject>>& objects,
                                 const KTypeCompareFct& accept) const {
    standin::kscene::detail::ThrowIfFailing();
    if (Library().failListing) throw std::runtime_error("scene listing failure");
    bool any = false;
    for (const SceneEntry& entry : m_impl->entries) {
        if (!accept(entry.object)) continue;
        objects.push_back(entry.object);
        any = true;
    }
    return any;
}

KScene* KD::GetScene() { return Library().present ? &Library().scene : nullptr; }

bool KD::LoadDLL(const char* name) {
    Library().loadedDlls.emplace_back(name != nullptr ? name : "");
    return true;
}

void KD::SetUndoPoint(const char* label) {
    standin::kscene::detail::ThrowIfFailing();
    Library().undoPoints.emplace_back(label);
}

bool KD::ClearOrvantaDB() {
    standin::kscene::detail::ThrowIfFailing();
    SceneLibrary& library = Library();
    ++library.clears;
    Access::State(library.scene).Clear();
    Access::Clear(library.tree);
    return library.clearResult;
}

KObjectTreeManager* KD::GetTreeMgr() { return &Library().tree; }

namespace standin::kscene {

void SetScenePresent(bool present) { Library().present = present; }

void Reset() {
    FailOperations(false);
    SceneLibrary& library = Library();
    Access::State(library.scene).Clear();
    Access::Clear(library.tree);
    library.present = true;
    library.clearResult = true;
    library.failListing = false;
    library.clears = 0;
    std::vector<std::string>().swap(library.undoPoints);
    std::vector<std::string>().swap(library.loadedDlls);
}

KScene& Scene() { return Library().scene; }
const std::vector<SceneEntry>& Entries() { return Access::State(Library().scene).entries; }
bool Holds(const void* address) { return Access::State(Library().scene).Find(address) != nullptr; }

bool IndexMatchesEntries() {
    const auto& state = Access::State(Library().scene);
    if (state.byAddress.size() != state.entries.size()) return false;
    for (const SceneEntry& entry : state.entries) {
        if (state.Find(entry.object.get()) != &entry) return false;
    }
    return true;
}

int Notices(const void* object) {
    const auto& modified = Access::State(Library().scene).modified;
    const auto found = modified.find(object);
    return found == modified.end() ? 0 : found->second;
}

const std::vector<std::string>& UndoPoints() { return Library().undoPoints; }
const std::vector<std::string>& LoadedDlls() { return Library().loadedDlls; }
int ClearCount() { return Library().clears; }
void SetClearResult(bool result) { Library().clearResult = result; }
void FailListing(bool failing) { Library().failListing = failing; }

}  // namespace standin::kscene
