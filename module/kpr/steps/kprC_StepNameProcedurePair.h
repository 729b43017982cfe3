#pragma once
// A step's name with a handle to the step itself: the element of the step lists that
// the host hands to the propagating containers after every change of the step sequence.
#include <vector>

#include "module/kpr/steps/kprC_StepRef.h"

#define KPRC_STEPNAMEPROCEDUREPAIR_ATTRIBUTES(A) \
    A(cow_String, stepName, "")                  \
    A(cow_COW<kprC_Step>, procedure, {})

class kprC_StepNameProcedurePair : public cls_Persistent {
    CLS_PERSISTENT_BY_ACCESSORS(kprC_StepNameProcedurePair, cls_Persistent, kprC_StepNameProcedurePair_TypeId, 831,
                                KPRC_STEPNAMEPROCEDUREPAIR_ATTRIBUTES)

    kprC_StepNameProcedurePair() = default;
    kprC_StepNameProcedurePair(cow_String stepName, cow_COW<kprC_Step> procedure)
        : step_(std::move(stepName), std::move(procedure)) {}
    kprC_StepNameProcedurePair(kprC_StepNameProcedurePair const&) = default;
    kprC_StepNameProcedurePair& operator=(kprC_StepNameProcedurePair const&) = default;

    cow_String const& stepName() const { return step_.name(); }
    void stepName(cow_String value) { step_.name(std::move(value)); }
    cow_COW<kprC_Step> const& procedure() const { return step_.procedure(); }
    void procedure(cow_COW<kprC_Step> value) { step_.procedure(std::move(value)); }
    // The handle the records of the step share.
    kprC_StepRef const& step() const { return step_; }

    void cls_ReadMore(cls_ReadVisitor const& reader) { step_ = reader.OperationShared<kprC_StepRefs>().Share(step_); }

private:
    kprC_StepRef step_;
};

using kprC_StepList = std::vector<kprC_StepNameProcedurePair>;
