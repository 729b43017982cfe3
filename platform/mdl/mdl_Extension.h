#pragma once
// Base of the per-model containers that modules attach to every model (steps, loads,
// controls, ...). A model holds one extension per registered key and copies them with
// the model.
class mdl_Extension {
public:
    virtual ~mdl_Extension() = default;
    virtual mdl_Extension* Copy() const = 0;
    virtual unsigned DynTypeId() const = 0;

protected:
    mdl_Extension() = default;
    mdl_Extension(mdl_Extension const&) = default;
    mdl_Extension& operator=(mdl_Extension const&) = default;
};
