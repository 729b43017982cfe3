#include "module/klo/loads/kloC_LoadState.h"

#include "module/kpr/procedures/kprC_ProcedureCodes.h"

void kloC_LoadState::Modify(kloC_LoadState const& other) {
    deactivate_ = other.deactivate_;
    if (!deactivate_) amplitude_.Modify(other.amplitude_);
}

void kloC_LoadState::Propagate() { amplitude_.Propagate(); }

bool kloC_LoadState::IsModified() const { return amplitude_.IsModified(); }

bool kloC_LoadState::UseAmplitude(unsigned int p) const {
    return p != kprC_BUCKLE_STEP_ID && p != kprC_FREQUENCY_STEP_ID && p != kprC_STATIC_RIKS_STEP_ID &&
           p != kprC_STATIC_LINEAR_PERTURBATION_STEP_ID && p != kprC_COMPLEX_FREQUENCY_STEP_ID;
}

bool kloC_LoadState::UseComplex(unsigned int p) const {
    return p == kprC_STEADY_STATE_DIRECT_STEP_ID || p == kprC_STEADY_STATE_MODAL_STEP_ID;
}

void kloC_LoadState::ChangeProcedureType(unsigned int p) {
    if (!UseAmplitude(p)) amplitude_ = mdl_PropAttr<cow_String>();
}

CLS_DEFINE(kloC_LoadState)
