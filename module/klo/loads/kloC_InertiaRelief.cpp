#include "module/klo/loads/kloC_InertiaRelief.h"

void kloC_InertiaReliefState::Modify(kloC_LoadState const& other) {
    kloC_LoadState::Modify(other);
    auto const& o = As<kloC_InertiaReliefState>(other);
    if (o.isReferencePointDefined_.IsModified()) referencePoint_ = o.referencePoint_;
    for (auto f : flags) (this->*f).Modify(o.*f);
}

void kloC_InertiaReliefState::Propagate() {
    kloC_LoadState::Propagate();
    for (auto f : flags) (this->*f).Propagate();
}

bool kloC_InertiaReliefState::IsModified() const {
    bool modified = kloC_LoadState::IsModified();
    for (auto f : flags) modified = modified || (this->*f).IsModified();
    return modified;
}

CLS_DEFINE(kloC_InertiaReliefState)
CLS_DEFINE(kloC_InertiaRelief)
