#pragma once
// A model extension holding objects by key and by numeric id: key -> id -> copy-on-write
// handle. Every insertion takes the next id after the last one handed out, so ids are
// never reused within a repository (Clear keeps the counter). Copies share the objects
// until one of them is changed. Removals, insertions and renames are recorded in the
// thread's change history. A module instantiates it with the type identifier and class
// version under which its class table registers the instance.
#include <cstdint>
#include <map>
#include <utility>

#include "platform/cls/cls_AttributeTable.h"
#include "platform/cow/cow_COW.h"
#include "platform/cow/cow_String.h"
#include "platform/mdl/mdl_Repository.h"
#include "platform/nex/nex_Exception.h"
#include "platform/omu/omu_ChangeHistory.h"
#include "platform/thr/thr_ThreadSingleton.h"

#define MDL_IDREPOSITORY_ATTRIBUTES(A) \
    A(KeyToId, nameToID, {})           \
    A(IdToObject, IDToObj, {})         \
    A(unsigned int, lastID, 0u)

template <class K, class T, std::uint32_t Id, int Version>
class mdl_IdRepositoryOfCows : public mdl_Repository {
public:
    using KeyToId = std::map<K, unsigned int>;
    using IdToObject = std::map<unsigned int, cow_COW<T>>;

    CLS_TEMPLATE_ABSTRACT_PERSISTENT(mdl_IdRepositoryOfCows, mdl_Repository, Id, Version, MDL_IDREPOSITORY_ATTRIBUTES)

    mdl_IdRepositoryOfCows() = default;
    mdl_IdRepositoryOfCows(mdl_IdRepositoryOfCows const&) = default;
    mdl_IdRepositoryOfCows& operator=(mdl_IdRepositoryOfCows const&) = default;

    unsigned int Size() const { return static_cast<unsigned int>(IDToObj_.size()); }
    bool IsEmpty() const { return IDToObj_.empty(); }
    bool IsMember(unsigned int id) const { return IDToObj_.contains(id); }
    bool IsMember(K const& key) const { return nameToID_.contains(key); }

    // False when nothing has that key.
    virtual bool Remove(K const& key) {
        auto it = nameToID_.find(key);
        if (it == nameToID_.end()) return false;
        IDToObj_.erase(it->second);
        nameToID_.erase(it);
        Record({"Remove", key});
        return true;
    }
    // An object already under the key is removed first; the new one takes the next id.
    virtual bool Insert(K const& key, T* object) {
        Remove(key);
        nameToID_[key] = ++lastID_;
        IDToObj_[lastID_] = cow_COW<T>(object);
        Record({"Insert", key, -99});
        return true;
    }
    virtual bool Insert(K const& key, T const& object) { return Insert(key, Clone(object)); }
    virtual void Clear() {
        nameToID_.clear();
        IDToObj_.clear();
    }

    // The object under an id or key; omu_KeyErrorException when there is none.
    T const& ConstGet(unsigned int id) const { return *Handle(id); }
    T const& ConstGet(K const& key) const { return *Handle(key); }
    T& Get(unsigned int id) { return Mutable(id); }
    T& Get(K const& key) { return Mutable(GetID(key)); }
    cow_COW<T> const& Handle(unsigned int id) const {
        auto it = IDToObj_.find(id);
        if (it == IDToObj_.end()) throw omu_KeyErrorException(std::to_string(id));
        return it->second;
    }
    cow_COW<T> const& Handle(K const& key) const { return Handle(GetID(key)); }

    virtual bool Rename(K const& oldKey, K const& newKey) {
        auto it = nameToID_.find(oldKey);
        if (it == nameToID_.end() || nameToID_.contains(newKey)) return false;
        nameToID_[newKey] = it->second;
        nameToID_.erase(oldKey);
        Record({"Rename", oldKey, newKey, -99});
        return true;
    }
    unsigned int GetID(K const& key) const {
        auto it = nameToID_.find(key);
        if (it == nameToID_.end()) throw omu_KeyErrorException(key);
        return it->second;
    }
    K const& GetKey(unsigned int id) const {
        for (auto const& [key, value] : nameToID_)
            if (value == id) return key;
        throw omu_KeyErrorException(std::to_string(id));
    }
    // Sorted by key.
    virtual cow_List<K> Keys() const {
        cow_List<K> keys;
        for (auto const& entry : nameToID_) keys.push_back(entry.first);
        return keys;
    }
    cow_List<cow_COW<T>> Values() const {
        cow_List<cow_COW<T>> values;
        for (auto const& entry : IDToObj_) values.push_back(entry.second);
        return values;
    }
    cow_List<unsigned int> IDs() const {
        cow_List<unsigned int> ids;
        for (auto const& entry : IDToObj_) ids.push_back(entry.first);
        return ids;
    }

protected:
    static T* Clone(T const& object) {
        if constexpr (requires { object.Copy(); })
            return object.Copy();
        else
            return new T(object);
    }
    static void Record(omu_PrimTuple change) { thr_ThreadSingleton<omu_ChangeHistory>::Instance().addChange(std::move(change)); }
    T& Mutable(unsigned int id) {
        auto it = IDToObj_.find(id);
        if (it == IDToObj_.end()) throw omu_KeyErrorException(std::to_string(id));
        return it->second.GetMutable();
    }
    // Places an object under a key that holds none, with the next id; false when the id is taken.
    bool Place(K const& key, cow_COW<T> object) {
        nameToID_[key] = ++lastID_;
        return IDToObj_.emplace(lastID_, std::move(object)).second;
    }
    // Moves the id of `oldKey` to `newKey`, which holds none.
    void Rekey(K const& oldKey, K const& newKey) {
        auto node = nameToID_.extract(oldKey);
        node.key() = newKey;
        nameToID_.insert(std::move(node));
    }
};
