// Inspection and control of the scene-library stand-in, for tests and tools.
// What the scene library's classes keep is read through Access.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "host/kscene/KObject.h"
#include "host/kscene/KScene.h"

namespace standin::kscene {

// No neighbour across a triangle's edge, or no vertex any more: the scene
// library's mark in a mesh's index lists.
constexpr std::uint32_t kNoNeighbor = 0xFFFFFFFFu;

// An object the scene holds.
struct SceneEntry {
    boost::shared_ptr<KObject> object;
    // Added with AddObject (saved with the scene) rather than AddUnsavableObject.
    bool saved = false;
};

// Whether KD::GetScene finds a scene (it does after Reset).
void SetScenePresent(bool present);
// A fresh scene, tree, undo list and load list.
void Reset();
// The scene, whether or not KD::GetScene currently reports it.
KScene& Scene();
// The objects the scene holds, in the order it took them.
const std::vector<SceneEntry>& Entries();
// Whether the scene holds an object at this address.
bool Holds(const void* address);
// Whether the scene's index by address names exactly the objects it holds.
bool IndexMatchesEntries();
// How often the scene heard that the object at this address changed.
int Notices(const void* object);
const std::vector<std::string>& UndoPoints();
const std::vector<std::string>& LoadedDlls();
int ClearCount();
// While set, every operation of the scene library but KD::GetScene throws
// std::runtime_error ("scene library failure"), constructors included.
void FailOperations(bool failing);
// While set, KScene::GetAllObjectsOfType alone throws std::runtime_error
// ("scene listing failure").
void FailListing(bool failing);
// What KD::ClearOrvantaDB reports next.
void SetClearResult(bool result);

}  // namespace standin::kscene
