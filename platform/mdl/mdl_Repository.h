#pragma once
// The stored base of the model's repositories of named objects: a model extension with
// an identity of its own and an (empty) stored part that the repositories' rows point at.
#include "platform/cls/cls_AttributeTable.h"
#include "platform/mdl/mdl_Extension.h"
#include "platform/typ/typ_PlatformTable.h"

class mdl_Repository : public mdl_Extension {
    CLS_ABSTRACT_PERSISTENT(mdl_Repository, mdl_Extension, mdl_Repository_TypeId, 1, CLS_NO_ATTRIBUTES)

    mdl_Repository() = default;
    mdl_Repository(mdl_Repository const&) = default;
    mdl_Repository& operator=(mdl_Repository const&) = default;
    mdl_Repository* Copy() const override = 0;
};
