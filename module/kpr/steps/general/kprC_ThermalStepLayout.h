#pragma once
// The attributes that the heat transfer and coupled thermal-electric steps share, as rows
// of their attribute tables and as members, in the same order.
#include "module/kpr/steps/kprC_StepAttributeGroups.h"

#define KPRC_THERMALSTEP_ROWS(A)                                         \
    A(response, response_, "response", kprC_Step_ResponseEnm::TRANSIENT) \
    A(end, end_, "end", kprC_UNSET)                                      \
    A(timePeriod, timePeriod_, "timePeriod", 1.0)                        \
    KPRC_INCREMENT_ROWS(A)                                               \
    A(deltmx, deltmx_, "deltmx", 0.0)                                    \
    A(mxdem, mxdem_, "mxdem", 0.1)                                       \
    A(amplitude, amplitude_, "amplitude", kprC_Step_AmplitudeEnm::STEP)  \
    A(extrapolation, extrapolation_, "extrapolation", kprC_Step_ExtrapolationEnm::LINEAR)

#define KPRC_THERMALSTEP_MEMBERS                                                       \
    ResponseEnm response_ = ResponseEnm::TRANSIENT;                                    \
    double end_ = kprC_UNSET; /* temperature change rate that ends a transient step */ \
    double timePeriod_ = 1.0;                                                          \
    KPRC_INCREMENT_MEMBERS                                                             \
    double deltmx_ = 0.0;                                                              \
    double mxdem_ = 0.1; /* maximum allowable emissivity change */                     \
    AmplitudeEnm amplitude_ = AmplitudeEnm::STEP;                                      \
    ExtrapolationEnm extrapolation_ = ExtrapolationEnm::LINEAR;                        \
    SolutionTechniqueEnm solutionTechnique_ = SolutionTechniqueEnm::FULL_NEWTON;

// The answers both classes give alike.
#define KPRC_THERMALSTEP_ANSWERS                                                           \
    bool Nonmechanical() const override { return true; }                                   \
    ResponseEnm Response() const override { return response_; }                            \
    double TimePeriod() const override { return timePeriod_; }                             \
    SolutionTechniqueEnm SolutionTechnique() const override { return solutionTechnique_; } \
    static double MinimumDef(double, double timePeriod) { return kprC_MinimumIncrement(timePeriod); }
