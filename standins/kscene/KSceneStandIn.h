// Inspection and control of the scene-library stand-in, for tests and tools.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "host/kscene/KScene.h"
#include "standins/kscene/AddressIndex.h"

struct KScene::Impl {
    struct Entry {
        boost::shared_ptr<KObject> object;
        bool saved = false;
    };
    // In the order the scene took them.
    std::vector<Entry> entries;
    AddressIndex byAddress;
    std::unordered_map<const KObject*, int> modified;

    const Entry* Find(const void* address) const;
    int ModifiedCount(const KObject* object) const;
    bool Add(boost::shared_ptr<KObject> object, bool saved);
    void Remove(const void* address);
    void Clear();
};

namespace standin::kscene {

// Whether KD::GetScene finds a scene (it does after Reset).
void SetScenePresent(bool present);
// A fresh scene, tree, undo list and load list.
void Reset();
// The scene, whether or not KD::GetScene currently reports it.
KScene& Scene();
const std::vector<std::string>& UndoPoints();
const std::vector<std::string>& LoadedDlls();
int ClearCount();
// While set, every operation of the scene library but KD::GetScene throws
// std::runtime_error ("scene library failure"), constructors included.
void FailOperations(bool failing);
// What KD::ClearOrvantaDB reports next.
void SetClearResult(bool result);

}  // namespace standin::kscene
