#pragma once
// The per-step states of adaptive mesh constraints: what one step may change. The base
// holds the deactivation flag and the amplitude; the displacement kind adds six
// displacement/rotation components with their complex values and the buckle case, the
// velocity kind six velocity/angular velocity components.
#include <array>
#include <utility>

#include "module/kpr/enums/kprC_Enums.h"
#include "module/kpr/kprC_TypeIds.h"
#include "module/kpr/steps/kprC_Step.h"
#include "platform/mdl/mdl_PropAttr.h"
#include "platform/nex/nex_Exception.h"

#define KPRC_ADPTMESHCONSSTATE_ATTRIBUTES(A) \
    A(bool, deactivate, false)               \
    A(mdl_PropAttr<cow_String>, amplitude, {})

class kprC_AdptMeshConsState : public cls_Persistent {
    CLS_ABSTRACT_PERSISTENT(kprC_AdptMeshConsState, cls_Persistent, kprC_AdptMeshConsState_TypeId, 203,
                            KPRC_ADPTMESHCONSSTATE_ATTRIBUTES)

    KPRC_NAME(stateRepositoryCmd, "adaptiveMeshConstraintStates")
    KPRC_NAME(pythonTypeName, "AdaptiveMeshConstraintState")
    KPRC_NAME(amplitudeStateCmd, "amplitudeState")

    using Components = std::array<mdl_PropAttr<double>*, 6>;

    kprC_AdptMeshConsState() = default;
    kprC_AdptMeshConsState(kprC_AdptMeshConsState const&) = default;
    kprC_AdptMeshConsState& operator=(kprC_AdptMeshConsState const&) = default;

    kprC_AdptMeshConsState* Copy() const override = 0;
    virtual void AssertValid() const {}
    // Takes over what `other` (a state of the same kind) defines in its step; a
    // deactivating definition brings no amplitude, its components still count.
    virtual void Modify(kprC_AdptMeshConsState const& other);
    // What a later step inherits: values set here become inherited.
    void Propagate();
    // Every attribute back to a fresh unset one.
    void Zero();
    bool IsModified() const;
    bool IsConditionModified() const { return IsModified(); }
    // Amplitudes are not used in the Initial step, Buckle, Frequency, Static Riks, Static
    // linear perturbation and Complex frequency.
    virtual bool UseAmplitude(unsigned int procedureType) const;
    // Complex values: Steady-state dynamics, Direct only.
    bool UseComplex(unsigned int procedureType) const;
    // Magnitudes: every procedure but Frequency and Complex frequency.
    bool UseMagnitude(unsigned int procedureType) const;
    virtual void ChangeProcedureType(unsigned int procedureType);

    // The six components in stored order.
    virtual Components MutableComponents() = 0;
    mdl_PropAttr<double> const& Component(int i) const;

protected:
    template <class D>
    static D const& As(kprC_AdptMeshConsState const& other) {
        auto const* d = dynamic_cast<D const*>(&other);
        NEX_ASSERT(d != nullptr);
        return *d;
    }
};

#define KPRC_DISPADPTMESHCONSSTATE_ATTRIBUTES(A)           \
    A(mdl_PropAttr<double>, u1, {})                        \
    A(mdl_PropAttr<double>, u2, {})                        \
    A(mdl_PropAttr<double>, u3, {})                        \
    A(mdl_PropAttr<double>, ur1, {})                       \
    A(mdl_PropAttr<double>, ur2, {})                       \
    A(mdl_PropAttr<double>, ur3, {})                       \
    A(double, cU1real, 0.0)                                \
    A(double, cU1imag, 0.0)                                \
    A(double, cU2real, 0.0)                                \
    A(double, cU2imag, 0.0)                                \
    A(double, cU3real, 0.0)                                \
    A(double, cU3imag, 0.0)                                \
    A(double, cUR1real, 0.0)                               \
    A(double, cUR1imag, 0.0)                               \
    A(double, cUR2real, 0.0)                               \
    A(double, cUR2imag, 0.0)                               \
    A(double, cUR3real, 0.0)                               \
    A(double, cUR3imag, 0.0)                               \
    A(kprC_BucklingCaseEnm, buckleCase, kprC_BucklingCaseEnm::NOT_APPLICABLE)

class kprC_DispAdptMeshConsState : public kprC_AdptMeshConsState {
    CLS_PERSISTENT(kprC_DispAdptMeshConsState, kprC_AdptMeshConsState, kprC_DispAdptMeshConsState_TypeId, 203,
                   KPRC_DISPADPTMESHCONSSTATE_ATTRIBUTES)
    KPRC_NAME(pythonTypeName, "DisplacementAdaptiveMeshConstraintState")

    kprC_DispAdptMeshConsState() = default;
    kprC_DispAdptMeshConsState(kprC_DispAdptMeshConsState const&) = default;

    void Modify(kprC_AdptMeshConsState const& other) override;
    void ChangeProcedureType(unsigned int procedureType) override;
    Components MutableComponents() override { return {&u1_, &u2_, &u3_, &ur1_, &ur2_, &ur3_}; }

    // Component i (1 to 6) as (real, imaginary).
    std::pair<double, double> ComplexComponent(int i) const;
    void SetComplexComponent(int i, double real, double imag);

private:
    std::array<std::pair<double*, double*>, 6> ComplexParts();
};

#define KPRC_VELADPTMESHCONSSTATE_ATTRIBUTES(A) \
    A(mdl_PropAttr<double>, v1, {})             \
    A(mdl_PropAttr<double>, v2, {})             \
    A(mdl_PropAttr<double>, v3, {})             \
    A(mdl_PropAttr<double>, vr1, {})            \
    A(mdl_PropAttr<double>, vr2, {})            \
    A(mdl_PropAttr<double>, vr3, {})

class kprC_VelAdptMeshConsState : public kprC_AdptMeshConsState {
    CLS_PERSISTENT(kprC_VelAdptMeshConsState, kprC_AdptMeshConsState, kprC_VelAdptMeshConsState_TypeId, 203,
                   KPRC_VELADPTMESHCONSSTATE_ATTRIBUTES)
    KPRC_NAME(pythonTypeName, "VelocityAdaptiveMeshConstraintState")

    kprC_VelAdptMeshConsState() = default;
    kprC_VelAdptMeshConsState(kprC_VelAdptMeshConsState const&) = default;

    // Velocities keep their amplitude in every procedure but Static Riks and Static linear perturbation.
    bool UseAmplitude(unsigned int procedureType) const override;
    Components MutableComponents() override { return {&v1_, &v2_, &v3_, &vr1_, &vr2_, &vr3_}; }
};
