#pragma once
// The per-step state of a load: what one step may change. The base holds the
// deactivation flag and the amplitude; each load type's state adds its magnitudes.
#include "platform/mdl/mdl_PropAttr.h"
#include "module/klo/kloC_TypeIds.h"
#include "module/kpr/steps/kprC_Step.h"
#include "platform/nex/nex_Exception.h"

// A static scripting-name function of the loads module.
#define KLOC_NAME(function, text) KPRC_NAME(function, text)

#define KLOC_LOADSTATE_ATTRIBUTES(A) \
    A(bool, deactivate, false)       \
    A(mdl_PropAttr<cow_String>, amplitude, {})

class kloC_LoadState : public cls_Persistent {
    CLS_ABSTRACT_PERSISTENT(kloC_LoadState, cls_Persistent, kloC_LoadState_TypeId, 203, KLOC_LOADSTATE_ATTRIBUTES)

    KLOC_NAME(loadStateRepositoryCmd, "loadStates")
    KLOC_NAME(pythonTypeName, "LoadState")
    KLOC_NAME(amplitudeStateCmd, "amplitudeState")

    kloC_LoadState() = default;
    kloC_LoadState(kloC_LoadState const&) = default;
    kloC_LoadState& operator=(kloC_LoadState const&) = default;

    kloC_LoadState* Copy() const override = 0;
    virtual void AssertValid() const {}
    // Takes over what `other` (a state of the same type) defines in its step; a
    // deactivating definition brings no amplitude.
    virtual void Modify(kloC_LoadState const& other);
    // What a later step inherits: values set here become inherited.
    virtual void Propagate();
    virtual bool IsModified() const;
    // Procedures without amplitudes: Buckle, Frequency, Static Riks, Static Linear
    // Perturbation, Complex Frequency.
    virtual bool UseAmplitude(unsigned int procedureType) const;
    // Complex magnitudes: the steady-state direct and modal procedures.
    virtual bool UseComplex(unsigned int procedureType) const;
    virtual void ChangeProcedureType(unsigned int procedureType);

    mdl_PropAttr<cow_String>& MutableAmplitude() { return amplitude_; }

protected:
    // `other` as the derived state D (the states of one load are all of its type).
    template <class D>
    static D const& As(kloC_LoadState const& other) {
        auto const* d = dynamic_cast<D const*>(&other);
        NEX_ASSERT(d != nullptr);
        return *d;
    }
};

// Runs `f` on each of the member pointers in turn.
template <class F, class... M>
void kloC_ForEachMember(F&& f, M... members) {
    (f(members), ...);
}

// The overrides of Modify, Propagate and IsModified for a state level whose own
// per-step attributes (pointers to mdl_PropAttr members) are listed: each runs the base
// level, then the attributes in stored order. A level's attributes take over whatever
// the definition sets, deactivating or not.
#define KLOC_PROPAGATING_ATTRIBUTES(Base, ...)                                             \
    void Modify(kloC_LoadState const& other) override {                                    \
        Base::Modify(other);                                                               \
        auto const& o = As<cls_Self>(other);                                               \
        kloC_ForEachMember([&](auto m) { (this->*m).Modify(o.*m); }, __VA_ARGS__);         \
    }                                                                                      \
    void Propagate() override {                                                            \
        Base::Propagate();                                                                 \
        kloC_ForEachMember([&](auto m) { (this->*m).Propagate(); }, __VA_ARGS__);          \
    }                                                                                      \
    bool IsModified() const override {                                                     \
        bool modified = Base::IsModified();                                                \
        kloC_ForEachMember([&](auto m) { modified = modified || (this->*m).IsModified(); }, __VA_ARGS__); \
        return modified;                                                                   \
    }
