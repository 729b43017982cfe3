#pragma once
// Groups of attributes that many step classes hold alike: rows for their attribute
// tables and the matching members. `rank` is the reading position of the group's first
// attribute in the class's declaration order.
#include "module/kpr/steps/kprC_StepRules.h"

#define KPRC_INCREMENT_ROWS(A)                                                         \
    A(timeIncrementationMethod, timeIncrementationMethod_, "timeIncrementationMethod", \
      kprC_Step_TimeIncrementationMethodEnm::AUTOMATIC)                                \
    A(maxNumInc, maxNumInc_, "maxNumInc", 100)                                         \
    A(initialInc, initialInc_, "initialInc", 0.0)                                      \
    A(minInc, minInc_, "minInc", 0.0)                                                  \
    A(maxInc, maxInc_, "maxInc", 0.0)

#define KPRC_INCREMENT_MEMBERS                                                                      \
    TimeIncrementationMethodEnm timeIncrementationMethod_ = TimeIncrementationMethodEnm::AUTOMATIC; \
    int maxNumInc_ = 100;                                                                           \
    double initialInc_ = 0.0;                                                                       \
    double minInc_ = 0.0;                                                                           \
    double maxInc_ = 0.0;

// Stored magnitude first, declared method first.
#define KPRC_STABILIZATION_ROWS(A, MethodEnm, rank)                                          \
    A(stabilizationMagnitude, stabilizationMagnitude_, "stabilizationMagnitude", kprC_UNSET, \
      .ReadRank(rank + 1))                                                                   \
    A(stabilizationMethod, stabilizationMethod_, "stabilizationMethod", MethodEnm::NONE, .ReadRank(rank))

// Stored with applyContactIterations first, declared with it last.
#define KPRC_CONTACT_ROWS(A, rank)                                                      \
    A(applyContactIterations, applyContactIterations_, "applyContactIterations", false, \
      .ReadRank(rank + 2))                                                              \
    A(contactSolutions, contactSolutions_, "contactSolutions", 1.0, .ReadRank(rank))    \
    A(contactIterations, contactIterations_, "contactIterations", 30, .ReadRank(rank + 1))

#define KPRC_CONTACT_MEMBERS        \
    double contactSolutions_ = 1.0; \
    int contactIterations_ = 30;    \
    bool applyContactIterations_ = false;

// Stored with reformKernel first, declared with solutionTechnique first.
#define KPRC_KERNEL_TECHNIQUE_ROWS(A, rank)                                                                    \
    A(reformKernel, reformKernel_, "reformKernel", 8, .ReadRank(rank + 1))                                     \
    A(solutionTechnique, solutionTechnique_, "solutionTechnique", kprC_Step_SolutionTechniqueEnm::FULL_NEWTON, \
      .ReadRank(rank))
