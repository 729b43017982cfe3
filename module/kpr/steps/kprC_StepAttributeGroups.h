#pragma once
// Groups of attributes that many step classes hold alike, as rows of their attribute
// tables in declaration order. Each class states its own stored order.
#include "module/kpr/steps/kprC_StepRules.h"

#define KPRC_INCREMENT_ROWS(A)                                                                        \
    A(kprC_Step_TimeIncrementationMethodEnm, timeIncrementationMethod,                               \
      kprC_Step_TimeIncrementationMethodEnm::AUTOMATIC)                                               \
    A(int, maxNumInc, 100)                                                                            \
    A(double, initialInc, 0.0)                                                                        \
    A(double, minInc, 0.0)                                                                            \
    A(double, maxInc, 0.0)

#define KPRC_STABILIZATION_ROWS(A, MethodEnm) \
    A(MethodEnm, stabilizationMethod, MethodEnm::NONE) \
    A(double, stabilizationMagnitude, kprC_UNSET)

#define KPRC_CONTACT_ROWS(A)              \
    A(double, contactSolutions, 1.0)      \
    A(int, contactIterations, 30)         \
    A(bool, applyContactIterations, false)

#define KPRC_TECHNIQUE_ROWS(A)                                                                   \
    A(kprC_Step_SolutionTechniqueEnm, solutionTechnique, kprC_Step_SolutionTechniqueEnm::FULL_NEWTON) \
    A(int, reformKernel, 8)
