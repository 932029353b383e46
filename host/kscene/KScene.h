// The scene, its object queries and the static entry points of the scene
// library (KD).
#pragma once

#include <list>
#include <memory>

#include <boost/shared_ptr.hpp>

#include "host/kscene/KObject.h"

class KObjectTreeManager;

// Predicate over scene objects for KScene::GetAllObjectsOfType.
class KTypeCompareFct {
public:
    virtual ~KTypeCompareFct() = default;
    virtual bool operator()(const boost::shared_ptr<KObject>& object) const = 0;
};

// Accepts the objects that are a T, by run-time type.
template <class T>
class is_kind_of : public KTypeCompareFct {
public:
    bool operator()(const boost::shared_ptr<KObject>& object) const override {
        return dynamic_cast<const T*>(object.get()) != nullptr;
    }
};

class KScene {
public:
    KScene();
    ~KScene();
    KScene(const KScene&) = delete;
    KScene& operator=(const KScene&) = delete;

    // Kept and saved with the scene.
    void AddObject(boost::shared_ptr<KObject> object);
    // Kept and shown, never saved.
    void AddUnsavableObject(boost::shared_ptr<KObject> object);
    // The scene's own pointer for an address, empty when it holds none.
    boost::shared_ptr<KObject> GetObjectPtr(const void* address) const;
    void ObjectModified(boost::shared_ptr<KObject> object);
    // Appends every held object the predicate accepts; true when it
    // appended any.
    bool GetAllObjectsOfType(std::list<boost::shared_ptr<KObject>>& objects,
                             const KTypeCompareFct& accept) const;

private:
    friend struct standin::kscene::Access;
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

class KD {
public:
    static KScene* GetScene();
    static bool LoadDLL(const char* name);
    static void SetUndoPoint(const char* label);
    static bool ClearOrvantaDB();
    static KObjectTreeManager* GetTreeMgr();
};
