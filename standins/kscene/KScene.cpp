// The scene: the objects it holds (saved or not), change notifications, and
// the scene library's static entry points.
#include "host/kscene/KObjectTree.h"
#include "standins/kscene/Failing.h"
#include "standins/kscene/KSceneStandIn.h"

namespace {

struct SceneLibrary {
    KScene scene;
    KObjectTreeManager tree;
    bool present = true;
    bool clearResult = true;
    int clears = 0;
    std::vector<std::string> undoPoints;
    std::vector<std::string> loadedDlls;
};

SceneLibrary& Library() {
    static SceneLibrary library;
    return library;
}

// All or nothing: an object is held together with its tree node, or not at all.
void Hold(KScene::Impl& impl, boost::shared_ptr<KObject> object, bool saved) {
    KObject* const address = object.get();
    if (!impl.Add(object, saved)) return;
    try {
        Library().tree.AddNodeForObject(object);
    } catch (...) {
        impl.Remove(address);
        throw;
    }
}

template <class List>
bool AppendAccepted(const std::vector<KScene::Impl::Entry>& entries, List& objects,
                    const KTypeCompareFct& accept) {
    const std::size_t before = objects.size();
    for (const KScene::Impl::Entry& entry : entries) {
        if (accept(entry.object)) objects.push_back(entry.object);
    }
    return objects.size() != before;
}

}  // namespace

const KScene::Impl::Entry* KScene::Impl::Find(const void* address) const {
    const std::size_t position = byAddress.Find(address);
    return position == AddressIndex::kAbsent ? nullptr : &entries[position];
}

int KScene::Impl::ModifiedCount(const KObject* object) const {
    const auto found = modified.find(object);
    return found == modified.end() ? 0 : found->second;
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
    std::vector<Entry>().swap(entries);
    byAddress.Clear();
    std::unordered_map<const KObject*, int>().swap(modified);
}

KScene::KScene() : m_impl(std::make_unique<Impl>()) {}
KScene::~KScene() = default;

void KScene::AddObject(boost::shared_ptr<KObject> object) {
    standin::kscene::detail::ThrowIfFailing();
    Hold(*m_impl, std::move(object), true);
}

void KScene::AddUnsavableObject(boost::shared_ptr<KObject> object) {
    standin::kscene::detail::ThrowIfFailing();
    Hold(*m_impl, std::move(object), false);
}

boost::shared_ptr<KObject> KScene::GetObjectPtr(const void* address) const {
    standin::kscene::detail::ThrowIfFailing();
    const Impl::Entry* entry = m_impl->Find(address);
    return entry != nullptr ? entry->object : boost::shared_ptr<KObject>();
}

void KScene::ObjectModified(boost::shared_ptr<KObject> object) {
    standin::kscene::detail::ThrowIfFailing();
    ++m_impl->modified[object.get()];
}

bool KScene::GetAllObjectsOfType(std::vector<boost::shared_ptr<KObject>>& objects,
                                 const KTypeCompareFct& accept) const {
    standin::kscene::detail::ThrowIfFailing();
    objects.reserve(objects.size() + m_impl->entries.size());
    return AppendAccepted(m_impl->entries, objects, accept);
}

bool KScene::GetAllObjectsOfType(std::list<boost::shared_ptr<KObject>>& objects,
                                 const KTypeCompareFct& accept) const {
    standin::kscene::detail::ThrowIfFailing();
    return AppendAccepted(m_impl->entries, objects, accept);
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
    library.scene.impl().Clear();
    library.tree.Clear();
    return library.clearResult;
}

KObjectTreeManager* KD::GetTreeMgr() { return &Library().tree; }

namespace standin::kscene {

void SetScenePresent(bool present) { Library().present = present; }

void Reset() {
    FailOperations(false);
    SceneLibrary& library = Library();
    library.scene.impl().Clear();
    library.tree.Clear();
    library.present = true;
    library.clearResult = true;
    library.clears = 0;
    std::vector<std::string>().swap(library.undoPoints);
    std::vector<std::string>().swap(library.loadedDlls);
}

KScene& Scene() { return Library().scene; }
const std::vector<std::string>& UndoPoints() { return Library().undoPoints; }
const std::vector<std::string>& LoadedDlls() { return Library().loadedDlls; }
int ClearCount() { return Library().clears; }
void SetClearResult(bool result) { Library().clearResult = result; }

}  // namespace standin::kscene
