#pragma once
// A step's name with a handle to the step itself: the element of the step lists that
// the host hands to the propagating containers after every change of the step sequence.
#include <vector>

#include "module/kpr/steps/kprC_Step.h"
#include "platform/cow/cow_COW.h"

#define KPRC_STEPNAMEPROCEDUREPAIR_ATTRIBUTES(A) \
    A(stepName, stepName_, "stepName", "")       \
    A(procedure, procedure_, "procedure", {})

class kprC_StepNameProcedurePair : public cls_Persistent {
    CLS_PERSISTENT(kprC_StepNameProcedurePair, cls_Persistent, kprC_StepNameProcedurePair_TypeId, 831,
                   KPRC_STEPNAMEPROCEDUREPAIR_ATTRIBUTES)

    kprC_StepNameProcedurePair() = default;
    kprC_StepNameProcedurePair(cow_String stepName, cow_COW<kprC_Step> procedure)
        : stepName_(std::move(stepName)), procedure_(std::move(procedure)) {}
    kprC_StepNameProcedurePair(kprC_StepNameProcedurePair const&) = default;
    kprC_StepNameProcedurePair& operator=(kprC_StepNameProcedurePair const&) = default;

    cow_String const& StepName() const { return stepName_; }
    cow_COW<kprC_Step> const& Procedure() const { return procedure_; }

private:
    cow_String stepName_;
    cow_COW<kprC_Step> procedure_;
};

using kprC_StepList = std::vector<kprC_StepNameProcedurePair>;
