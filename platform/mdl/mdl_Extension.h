#pragma once
// Base of the per-model containers that modules attach to every model (steps, loads,
// controls, ...). A model holds one extension per registered key, copies them with the
// model and writes each of them when the model is saved, so every extension is stored.
#include "platform/cls/cls_Persistent.h"

class mdl_Extension : public cls_Persistent {
public:
    mdl_Extension* Copy() const override = 0;

protected:
    mdl_Extension() = default;
    mdl_Extension(mdl_Extension const&) = default;
    mdl_Extension& operator=(mdl_Extension const&) = default;
    explicit mdl_Extension(cls_ReadVisitor const& reader) : cls_Persistent(reader) {}
};
