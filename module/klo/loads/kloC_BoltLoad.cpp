#include "module/klo/loads/kloC_BoltLoad.h"

void kloC_BoltLoad::Deactivate(cow_String const&) { kloC_Assert(false, kloC_BOLT_DEACTIVATE); }

void kloC_BoltLoad::Move(cow_String const& fromStepName, cow_String const& toStepName) {
    if (auto const* from = Recs::Find(States(), fromStepName))
        kloC_Assert(from->status() != StatusEnm::CREATED, kloC_BOLT_MOVE_CREATION);
    kloC_Scalar::Move(fromStepName, toStepName);
}

void kloC_BoltLoad::AssertValid() const {
    if (IsSuppressed()) return;
    AssertValidAnyMagnitude();
    // Before the load joins a container its one record has no status yet.
    if (Recs::HasProcedure(States()))
        kloC_Assert(States().front().status() == StatusEnm::CREATED, kloC_BOLT_NOT_IN_FIRST_STEP);
    auto const method = dynamic_cast<kloC_BoltLoadState const&>(StateIn(CreateStepName())).boltMethod().value();
    kloC_Assert(method != kloC_BoltLoadMethodEnm::FIX_LENGTH, kloC_BOLT_FIXED_AT_CREATION);
    if (method != kloC_BoltLoadMethodEnm::ADJUST_LENGTH)
        kloC_Assert(!CheckForZero(CreateStepName()), kloC_ZERO_MAGNITUDE);
}

CLS_DEFINE(kloC_BoltLoadState)
CLS_DEFINE(kloC_BoltLoad)
