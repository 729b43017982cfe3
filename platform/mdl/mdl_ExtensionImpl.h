#pragma once
// Supplies TypeId, DynTypeId and Copy (by the copy constructor) to a model extension.
#include "platform/mdl/mdl_Extension.h"

template <class Derived, unsigned Id, class Base = mdl_Extension>
class mdl_ExtensionImpl : public Base {
public:
    static unsigned TypeId() { return Id; }
    unsigned DynTypeId() const override { return Id; }
    mdl_Extension* Copy() const override { return new Derived(static_cast<Derived const&>(*this)); }
};
