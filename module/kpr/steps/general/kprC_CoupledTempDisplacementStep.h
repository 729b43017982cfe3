#pragma once
// The coupled temperature-displacement step: stress and heat transfer solved together,
// transient or steady state, with optional creep integration. Its equations are
// unsymmetric, so it starts with the unsymmetric direct solver.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_StepAttributeGroups.h"

// `deltmx` is the maximum temperature change per increment, `cetol` the creep strain
// error tolerance.
#define KPRC_COUPLEDTEMPDISPLACEMENTSTEP_ATTRIBUTES(A)                                             \
    A(kprC_Step_NlgeomEnm, nlgeom, kprC_Step_NlgeomEnm::OFF)                                       \
    A(kprC_Step_ResponseEnm, response, kprC_Step_ResponseEnm::TRANSIENT)                           \
    A(double, timePeriod, 1.0)                                                                     \
    KPRC_STABILIZATION_ROWS(A, kprC_CoupledTempDisplacementStep_StabilizationMethodEnm)            \
    KPRC_INCREMENT_ROWS(A)                                                                         \
    A(double, deltmx, 0.0)                                                                         \
    A(double, cetol, 0.0)                                                                          \
    A(kprC_CoupledTempDisplacementStep_CreepIntegrationEnm, creepIntegration,                      \
      kprC_CoupledTempDisplacementStep_CreepIntegrationEnm::CREEP_OFF)                             \
    A(kprC_Step_AmplitudeEnm, amplitude, kprC_Step_AmplitudeEnm::STEP)                             \
    A(kprC_Step_ExtrapolationEnm, extrapolation, kprC_Step_ExtrapolationEnm::LINEAR)               \
    A(kprC_Step_SolutionTechniqueEnm, solutionTechnique, kprC_Step_SolutionTechniqueEnm::FULL_NEWTON) \
    A(int, contactIterations, 30)                                                                  \
    A(double, contactSolutions, 1.0)

// Contact iterations are chosen with the solution technique CONTACT_ITERATIONS: this step
// has no applyContactIterations.
class kprC_CoupledTempDisplacementStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_CoupledTempDisplacementStep, 831, KPRC_COUPLEDTEMPDISPLACEMENTSTEP_ATTRIBUTES)
    CLS_WRITE_ORDER("nlgeom", "response", "timePeriod", "stabilizationMagnitude", "stabilizationMethod",
                    "timeIncrementationMethod", "contactSolutions", "contactIterations", "maxNumInc",
                    "initialInc", "minInc", "maxInc", "deltmx", "cetol", "creepIntegration", "amplitude",
                    "extrapolation", "solutionTechnique")
    CLS_REGISTER_ORDER("nlgeom", "response", "timePeriod", "stabilizationMagnitude", "stabilizationMethod",
                       "timeIncrementationMethod", "maxNumInc", "initialInc", "minInc", "maxInc", "deltmx",
                       "cetol", "creepIntegration", "amplitude", "extrapolation", "solutionTechnique",
                       "contactIterations", "contactSolutions")

    using StabilizationMethodEnm = kprC_CoupledTempDisplacementStep_StabilizationMethodEnm;
    using CreepIntegrationEnm = kprC_CoupledTempDisplacementStep_CreepIntegrationEnm;

    kprC_CoupledTempDisplacementStep() : kprC_AnalysisStep(MatrixSolverEnm::DIRECT_UNSYMMETRIC) {}

    void AssertValid() const override;
    KPRC_STABILIZATION_ANSWERS(StabilizationMethodEnm)

    static double MinimumDef(double, double timePeriod) { return kprC_MinimumIncrement(timePeriod); }
};
