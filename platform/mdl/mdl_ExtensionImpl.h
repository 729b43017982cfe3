#pragma once
// Supplies TypeId, DynTypeId, Copy (by the copy constructor) and an empty stored form to
// a model extension that stores nothing of its own yet. Its metadata carries the name of
// its class table entry; reading gives a default-constructed extension.
#include <memory>

#include "platform/cls/cls_ClassRegistrar.h"
#include "platform/cls/cls_Uid.h"
#include "platform/cls/cls_WriteVisitor.h"
#include "platform/mdl/mdl_Extension.h"
#include "platform/typ/typ_ArchCompTable.h"

template <class Derived, unsigned Id, class Base = mdl_Extension>
class mdl_ExtensionImpl : public Base {
public:
    static constexpr std::uint32_t TypeId() { return Id; }
    std::uint32_t DynTypeId() const override { return Id; }
    mdl_Extension* Copy() const override { return new Derived(static_cast<Derived const&>(*this)); }
    void DBWrite(cls_WriteVisitor const& writer) const override { writer.StartWrite(Id, uid_.Get()); }

    static void InitializeMetadata(cls_ClassRegistrar& registrar) {
        auto const* entry = typ_ArchCompTable::Entry(Id);
        cls_ClassMetadata::Factory factory{
            [](cls_ReadVisitor const&) -> std::shared_ptr<cls_Persistent> { return std::make_shared<Derived>(); },
            [](cls_ReadVisitor const&) -> cls_Persistent* { return new Derived(); }};
        // Name and base as the class table gives them, so that the placeholder is stored
        // under the hierarchy of the class that will replace it.
        registrar.AddClassMD(cls_ClassMetadata(entry && entry->name ? entry->name : "mdl_Extension", Id, 1, factory,
                                               entry && entry->name ? entry->parent : cls_NoBaseId));
    }

private:
    cls_InstanceUid uid_;
};
