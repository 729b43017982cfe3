#pragma once
// A step's name with a handle to the step itself: the element of the step lists that
// the host hands to the propagating containers after every change of the step sequence.
#include <vector>

#include "module/kpr/steps/kprC_Step.h"
#include "platform/cow/cow_COW.h"

#define KPRC_STEPNAMEPROCEDUREPAIR_ATTRIBUTES(A) \
    A(cow_String, stepName, "")                  \
    A(cow_COW<kprC_Step>, procedure, {})

class kprC_StepNameProcedurePair : public cls_Persistent {
    CLS_PERSISTENT(kprC_StepNameProcedurePair, cls_Persistent, kprC_StepNameProcedurePair_TypeId, 831,
                   KPRC_STEPNAMEPROCEDUREPAIR_ATTRIBUTES)

    kprC_StepNameProcedurePair() = default;
    kprC_StepNameProcedurePair(cow_String stepName, cow_COW<kprC_Step> procedure)
        : stepName_(std::move(stepName)), procedure_(std::move(procedure)) {}
    kprC_StepNameProcedurePair(kprC_StepNameProcedurePair const&) = default;
    kprC_StepNameProcedurePair& operator=(kprC_StepNameProcedurePair const&) = default;
};

using kprC_StepList = std::vector<kprC_StepNameProcedurePair>;
