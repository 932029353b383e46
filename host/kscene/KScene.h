// The scene, its object queries and the static entry points of the scene
// library (KD).
#pragma once

#include <array>
#include <cstddef>
#include <list>
#include <memory>
#include <typeinfo>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "host/kscene/KObject.h"

class KObjectTreeManager;

// Predicate over scene objects for KScene::GetAllObjectsOfType.
class KTypeCompareFct {
public:
    virtual ~KTypeCompareFct() = default;
    virtual bool operator()(const boost::shared_ptr<KObject>& object) const = 0;
};

// Accepts the objects that are a T. The answer depends on an object's class
// alone, so one predicate works it out once for each class it meets: listing
// a scene of many objects of a few classes then costs a run-time type test
// per class, not per object.
template <class T>
class is_kind_of : public KTypeCompareFct {
public:
    bool operator()(const boost::shared_ptr<KObject>& object) const override {
        const KObject* const candidate = object.get();
        if (candidate == nullptr) return false;
        const std::type_info* const type = &typeid(*candidate);
        for (std::size_t i = 0; i < m_known; ++i) {
            if (m_classes[i].type == type) return m_classes[i].accepted;
        }
        const bool accepted = dynamic_cast<const T*>(candidate) != nullptr;
        if (m_known < m_classes.size()) m_classes[m_known++] = {type, accepted};
        return accepted;
    }

private:
    struct Known {
        const std::type_info* type = nullptr;
        bool accepted = false;
    };
    // Classes met beyond these are tested object by object.
    mutable std::array<Known, 16> m_classes{};
    mutable std::size_t m_known = 0;
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
    // Appends every held object (saved or not) the predicate accepts, in the
    // order the scene took them; true when it appended any. The contiguous
    // list costs no allocation per object.
    bool GetAllObjectsOfType(std::vector<boost::shared_ptr<KObject>>& objects,
                             const KTypeCompareFct& accept) const;
    // The same into a node list, for callers that still pass one.
    bool GetAllObjectsOfType(std::list<boost::shared_ptr<KObject>>& objects,
                             const KTypeCompareFct& accept) const;

    struct Impl;
    Impl& impl() const { return *m_impl; }

private:
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
