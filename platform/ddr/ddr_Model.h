#pragma once
// The model: the object to which every module attaches its per-model containers as
// extensions under fixed keys. A new model holds a copy of every registered prototype.
#include <memory>

#include "platform/cow/cow_String.h"
#include "platform/mdl/mdl_Extension.h"
#include "platform/mdl/mdl_ExtensionSubject.h"
#include "platform/nex/nex_DynamicCast.h"
#include "platform/nex/nex_Exception.h"

class ddr_Model {
public:
    ddr_Model();
    ddr_Model(ddr_Model const& other);
    ddr_Model& operator=(ddr_Model const& other);
    ddr_Model(ddr_Model&&) noexcept = default;
    ddr_Model& operator=(ddr_Model&&) noexcept = default;
    ~ddr_Model();

    // Keys of the members that the library registers.
    static cow_String stepCmd() { return "steps"; }
    static cow_String timePointCmd() { return "timePoints"; }
    static cow_String adaptiveMeshConstraintCmd() { return "adaptiveMeshConstraints"; }
    static cow_String loadCmd() { return "loads"; }
    static cow_String adaptiveMeshControlCmd() { return "adaptiveMeshControls"; }

    bool HasExtension(cow_String const& key) const { return extensions_.contains(key); }
    cow_List<cow_String> ExtensionKeys() const;

    // The extension under key, or omu_KeyErrorException when there is none.
    mdl_Extension& GetExtension(cow_String const& key);
    mdl_Extension const& GetExtension(cow_String const& key) const;
    // Puts an extension under key, replacing the one there (a model read from a file).
    void SetExtension(cow_String const& key, std::unique_ptr<mdl_Extension> extension) {
        extensions_[key] = std::move(extension);
    }

    // The extension under key as its container class T; an extension of another class
    // raises nex_AssertException.
    template <class T>
    T& Extension(cow_String const& key) {
        mdl_Extension& extension = GetExtension(key);
        nex_canDynamicCastRef(T::TypeId(), extension.DynTypeId(), __FILE__, __LINE__);
        return static_cast<T&>(extension);
    }
    template <class T>
    T const& Extension(cow_String const& key) const {
        return const_cast<ddr_Model&>(*this).Extension<T>(key);
    }

private:
    mdl_ExtensionSubject<ddr_Model>::Extensions extensions_;
};
