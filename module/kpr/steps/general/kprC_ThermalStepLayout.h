#pragma once
// The attributes that the heat transfer and coupled thermal-electric steps share, as rows
// of their attribute tables in declaration order, and the answers both give alike.
#include "module/kpr/steps/kprC_StepAttributeGroups.h"

// `end` is the temperature change rate that ends a transient step; `mxdem` the maximum
// allowable emissivity change.
#define KPRC_THERMALSTEP_ROWS(A)                                            \
    A(kprC_Step_ResponseEnm, response, kprC_Step_ResponseEnm::TRANSIENT)    \
    A(double, end, kprC_UNSET)                                              \
    A(double, timePeriod, 1.0)                                              \
    KPRC_INCREMENT_ROWS(A)                                                  \
    A(double, deltmx, 0.0)                                                  \
    A(double, mxdem, 0.1)                                                   \
    A(kprC_Step_AmplitudeEnm, amplitude, kprC_Step_AmplitudeEnm::STEP)      \
    A(kprC_Step_ExtrapolationEnm, extrapolation, kprC_Step_ExtrapolationEnm::LINEAR) \
    A(kprC_Step_SolutionTechniqueEnm, solutionTechnique, kprC_Step_SolutionTechniqueEnm::FULL_NEWTON)

// The stored order up to the extrapolation.
#define KPRC_THERMALSTEP_STORED_HEAD                                                                 \
    "response", "end", "timePeriod", "timeIncrementationMethod", "maxNumInc", "initialInc", "minInc", \
        "maxInc", "deltmx", "mxdem", "amplitude", "extrapolation"

#define KPRC_THERMALSTEP_ANSWERS                                                           \
    static double MinimumDef(double, double timePeriod) { return kprC_MinimumIncrement(timePeriod); }
