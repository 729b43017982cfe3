#pragma once
// Shortcuts: stored objects that name another model object by a path from the model,
// so that scripts and model objects can refer to it across a save and an open. A
// shortcut holds an implementation; each implementation is one step of the path (the
// model itself, an extension of the model, an object by name in its parent container).
// Every template is instantiated per target class with the type identifier under which
// the module's class table registers it; the stored name comes from that table.
#include <memory>

#include "platform/cls/cls_AttributeTable.h"
#include "platform/cow/cow_String.h"
#include "platform/ddr/ddr_Model.h"
#include "platform/ddr/ddr_ModelShortcut.h"
#include "platform/typ/typ_ArchCompTable.h"

inline constexpr int ddr_ShortcutVersion = 203;

// How to find a T in a model.
template <class T, std::uint32_t Id>
class ddr_ShortcutImpl : public cls_Persistent {
    CLS_TEMPLATE_ABSTRACT_PERSISTENT(ddr_ShortcutImpl, cls_Persistent, Id, ddr_ShortcutVersion, CLS_NO_ATTRIBUTES)

    using Target = T;
    ddr_ShortcutImpl() = default;
    ddr_ShortcutImpl(ddr_ShortcutImpl const&) = default;
    ddr_ShortcutImpl* Copy() const override = 0;
    // Null when the path no longer leads to a T.
    virtual T const* Find(ddr_Model const& model) const = 0;
};

// The implementation is never changed once set, so copies share it.
#define DDR_SHORTCUT_ATTRIBUTES(A) A(std::shared_ptr<Impl>, impl, {})

// A shortcut to a T: the handle that model objects hold.
template <class T, std::uint32_t Id, class Impl>
class ddr_Shortcut : public cls_Persistent {
    CLS_TEMPLATE_PERSISTENT(ddr_Shortcut, cls_Persistent, Id, ddr_ShortcutVersion, DDR_SHORTCUT_ATTRIBUTES)

    ddr_Shortcut() = default;
    ddr_Shortcut(ddr_Shortcut const&) = default;
    explicit ddr_Shortcut(Impl const& impl) : impl_(impl.Copy()) {}

    T const* Find(ddr_Model const& model) const { return impl_ ? impl_->Find(model) : nullptr; }
};

#define DDR_EXTENSIONINMODEL_ATTRIBUTES(A) A(ddr_ModelShortcut, parent, {})

// The extension of the model under Key(), if it is a C.
template <class C, std::uint32_t Id, class ImplBase, cow_String (*Key)()>
class ddr_ExtensionInModelShortcut : public ImplBase {
    CLS_TEMPLATE_PERSISTENT(ddr_ExtensionInModelShortcut, ImplBase, Id, ddr_ShortcutVersion,
                            DDR_EXTENSIONINMODEL_ATTRIBUTES)

    ddr_ExtensionInModelShortcut() = default;
    ddr_ExtensionInModelShortcut(ddr_ExtensionInModelShortcut const&) = default;

    static cow_String MemberName() { return Key(); }
    C const* Find(ddr_Model const& model) const override {
        ddr_Model const* found = parent_.Find(model);
        if (!found || !found->HasExtension(Key())) return nullptr;
        mdl_Extension const& extension = found->GetExtension(Key());
        if (!typ_ArchCompTable::IsA(extension.DynTypeId(), C::TypeId())) return nullptr;
        return static_cast<C const*>(&extension);
    }
};

#define DDR_OBJECTINCONTAINER_ATTRIBUTES(A) \
    A(cow_String, name, "")                 \
    A(ParentShortcut, parent, {})

// The object under a name in the container that another shortcut leads to.
template <class T, std::uint32_t Id, class ImplBase, class ParentShortcut>
class ddr_ObjectInContainerShortcut : public ImplBase {
    CLS_TEMPLATE_PERSISTENT(ddr_ObjectInContainerShortcut, ImplBase, Id, ddr_ShortcutVersion,
                            DDR_OBJECTINCONTAINER_ATTRIBUTES)

    ddr_ObjectInContainerShortcut() = default;
    ddr_ObjectInContainerShortcut(ddr_ObjectInContainerShortcut const&) = default;
    ddr_ObjectInContainerShortcut(cow_String name, ParentShortcut parent)
        : name_(std::move(name)), parent_(std::move(parent)) {}

    T const* Find(ddr_Model const& model) const override {
        auto const* container = parent_.Find(model);
        if (!container || !container->IsMember(name_)) return nullptr;
        return &container->ConstGet(name_);
    }
};

#define MDL_EXTENSIONWRAPPER_ATTRIBUTES(A) A(std::shared_ptr<C>, extension, {})

// The wrapper under which a module registers the prototype of a per-model container.
// `Version` is the wrapper's stored class version (a module whose older wrappers are
// converted stores its current one above them).
template <class C, std::uint32_t Id, int Version = ddr_ShortcutVersion>
class mdl_ExtensionWrapper : public cls_Persistent {
    CLS_TEMPLATE_PERSISTENT(mdl_ExtensionWrapper, cls_Persistent, Id, Version, MDL_EXTENSIONWRAPPER_ATTRIBUTES)

    mdl_ExtensionWrapper() = default;
    mdl_ExtensionWrapper(mdl_ExtensionWrapper const&) = default;
    explicit mdl_ExtensionWrapper(C const& extension) : extension_(std::make_shared<C>(extension)) {}

};
