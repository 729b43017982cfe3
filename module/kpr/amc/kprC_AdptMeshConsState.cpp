// The per-step rules of adaptive mesh constraint states: modifying by a step's
// definition, propagating to later steps, and following a change of procedure.
#include "module/kpr/amc/kprC_AdptMeshConsState.h"

#include "module/kpr/procedures/kprC_ProcedureCodes.h"

void kprC_AdptMeshConsState::Modify(kprC_AdptMeshConsState const& other) {
    deactivate_ = other.deactivate_;
    if (!deactivate_) amplitude_.Modify(other.amplitude_);
    auto const theirs = const_cast<kprC_AdptMeshConsState&>(other).MutableComponents();
    auto const mine = MutableComponents();
    for (std::size_t i = 0; i < mine.size(); ++i) mine[i]->Modify(*theirs[i]);
}

void kprC_AdptMeshConsState::Propagate() {
    amplitude_.Propagate();
    for (auto* c : MutableComponents()) c->Propagate();
}

void kprC_AdptMeshConsState::Zero() {
    amplitude_ = mdl_PropAttr<cow_String>();
    for (auto* c : MutableComponents()) *c = mdl_PropAttr<double>();
}

bool kprC_AdptMeshConsState::IsModified() const {
    bool modified = amplitude_.IsModified();
    for (auto* c : const_cast<kprC_AdptMeshConsState*>(this)->MutableComponents()) modified = modified || c->IsModified();
    return modified;
}

mdl_PropAttr<double> const& kprC_AdptMeshConsState::Component(int i) const {
    NEX_ASSERT(i >= 1 && i <= 6);
    return *const_cast<kprC_AdptMeshConsState*>(this)->MutableComponents()[i - 1];
}

bool kprC_AdptMeshConsState::UseAmplitude(unsigned int p) const {
    return p != 0 && p != kprC_BUCKLE_STEP_ID && p != kprC_FREQUENCY_STEP_ID && p != kprC_STATIC_RIKS_STEP_ID &&
           p != kprC_STATIC_LINEAR_PERTURBATION_STEP_ID && p != kprC_COMPLEX_FREQUENCY_STEP_ID;
}

bool kprC_AdptMeshConsState::UseComplex(unsigned int p) const { return p == kprC_STEADY_STATE_DIRECT_STEP_ID; }

bool kprC_AdptMeshConsState::UseMagnitude(unsigned int p) const {
    return p != kprC_FREQUENCY_STEP_ID && p != kprC_COMPLEX_FREQUENCY_STEP_ID;
}

void kprC_AdptMeshConsState::ChangeProcedureType(unsigned int p) {
    if (!UseAmplitude(p)) amplitude_ = mdl_PropAttr<cow_String>();
}

std::array<std::pair<double*, double*>, 6> kprC_DispAdptMeshConsState::ComplexParts() {
    return {{{&cU1real_, &cU1imag_}, {&cU2real_, &cU2imag_}, {&cU3real_, &cU3imag_},
             {&cUR1real_, &cUR1imag_}, {&cUR2real_, &cUR2imag_}, {&cUR3real_, &cUR3imag_}}};
}

std::pair<double, double> kprC_DispAdptMeshConsState::ComplexComponent(int i) const {
    NEX_ASSERT(i >= 1 && i <= 6);
    auto const [re, im] = const_cast<kprC_DispAdptMeshConsState*>(this)->ComplexParts()[i - 1];
    return {*re, *im};
}

void kprC_DispAdptMeshConsState::SetComplexComponent(int i, double real, double imag) {
    NEX_ASSERT(i >= 1 && i <= 6);
    auto const [re, im] = ComplexParts()[i - 1];
    *re = real;
    *im = imag;
}

void kprC_DispAdptMeshConsState::Modify(kprC_AdptMeshConsState const& other) {
    kprC_AdptMeshConsState::Modify(other);
    auto const& o = As<kprC_DispAdptMeshConsState>(other);
    for (int i = 1; i <= 6; ++i) {
        auto const [re, im] = o.ComplexComponent(i);
        SetComplexComponent(i, re, im);
    }
    buckleCase_ = o.buckleCase_;
}

void kprC_DispAdptMeshConsState::ChangeProcedureType(unsigned int p) {
    kprC_AdptMeshConsState::ChangeProcedureType(p);
    if (UseMagnitude(p)) {
        if (UseComplex(p)) return;
        for (auto [re, im] : ComplexParts()) *im = 0.0;  // the real part stays
        return;
    }
    for (auto* c : MutableComponents()) *c = mdl_PropAttr<double>();
    for (auto [re, im] : ComplexParts()) *re = *im = 0.0;
}

bool kprC_VelAdptMeshConsState::UseAmplitude(unsigned int p) const {
    return p != kprC_STATIC_RIKS_STEP_ID && p != kprC_STATIC_LINEAR_PERTURBATION_STEP_ID;
}

CLS_DEFINE(kprC_AdptMeshConsState)
CLS_DEFINE(kprC_DispAdptMeshConsState)
CLS_DEFINE(kprC_VelAdptMeshConsState)
