#pragma once
// The coupled temperature-displacement step: stress and heat transfer solved together,
// transient or steady state, with optional creep integration. Its equations are
// unsymmetric, so it starts with the unsymmetric direct solver.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_StepAttributeGroups.h"

// Rows in registration order; ranks give the reading (declaration) order.
#define KPRC_COUPLEDTEMPDISPLACEMENTSTEP_ATTRIBUTES(A)                                                         \
    A(nlgeom, nlgeom_, "nlgeom", kprC_Step_NlgeomEnm::OFF)                                                     \
    A(response, response_, "response", kprC_Step_ResponseEnm::TRANSIENT)                                       \
    A(timePeriod, timePeriod_, "timePeriod", 1.0)                                                              \
    KPRC_STABILIZATION_ROWS(A, kprC_CoupledTempDisplacementStep_StabilizationMethodEnm, 3)                     \
    KPRC_INCREMENT_ROWS(A)                                                                                     \
    A(deltmx, deltmx_, "deltmx", 0.0)                                                                          \
    A(cetol, cetol_, "cetol", 0.0)                                                                             \
    A(creepIntegration, creepIntegration_, "creepIntegration",                                                 \
      kprC_CoupledTempDisplacementStep_CreepIntegrationEnm::CREEP_OFF)                                         \
    A(amplitude, amplitude_, "amplitude", kprC_Step_AmplitudeEnm::STEP)                                        \
    A(extrapolation, extrapolation_, "extrapolation", kprC_Step_ExtrapolationEnm::LINEAR)                      \
    A(solutionTechnique, solutionTechnique_, "solutionTechnique", kprC_Step_SolutionTechniqueEnm::FULL_NEWTON) \
    A(contactIterations, contactIterations_, "contactIterations", 30)                                          \
    A(contactSolutions, contactSolutions_, "contactSolutions", 1.0)

// Contact iterations are chosen with the solution technique CONTACT_ITERATIONS: this step
// has no applyContactIterations.
class kprC_CoupledTempDisplacementStep : public kprC_AnalysisStep {
    CLS_PERSISTENT(kprC_CoupledTempDisplacementStep, kprC_AnalysisStep, kprC_CoupledTempDisplacementStep_TypeId, 831,
                   KPRC_COUPLEDTEMPDISPLACEMENTSTEP_ATTRIBUTES)

    using StabilizationMethodEnm = kprC_CoupledTempDisplacementStep_StabilizationMethodEnm;
    using CreepIntegrationEnm = kprC_CoupledTempDisplacementStep_CreepIntegrationEnm;

    kprC_CoupledTempDisplacementStep() : kprC_AnalysisStep(MatrixSolverEnm::DIRECT_UNSYMMETRIC) {}
    kprC_CoupledTempDisplacementStep(kprC_CoupledTempDisplacementStep const&) = default;

    bool AllowAdaptiveMeshDomains() const override { return true; }
    ResponseEnm Response() const override { return response_; }
    double TimePeriod() const override { return timePeriod_; }
    NlgeomEnm Nlgeom() const override { return nlgeom_; }
    void AssertValid() const override;
    SolutionTechniqueEnm SolutionTechnique() const override { return solutionTechnique_; }
    virtual StabilizationMethodEnm StabilizationMethod() const { return stabilizationMethod_; }
    virtual double StabilizationMagnitude() const { return stabilizationMagnitude_; }

    static double MinimumDef(double, double timePeriod) { return kprC_MinimumIncrement(timePeriod); }

    KPRC_NAME(constructorCmd, "CoupledTempDisplacementStep")

    NlgeomEnm nlgeom_ = NlgeomEnm::OFF;
    ResponseEnm response_ = ResponseEnm::TRANSIENT;
    double timePeriod_ = 1.0;
    StabilizationMethodEnm stabilizationMethod_ = StabilizationMethodEnm::NONE;
    double stabilizationMagnitude_ = kprC_UNSET;
    KPRC_INCREMENT_MEMBERS
    double deltmx_ = 0.0;  // maximum temperature change per increment
    double cetol_ = 0.0;   // creep strain error tolerance
    CreepIntegrationEnm creepIntegration_ = CreepIntegrationEnm::CREEP_OFF;
    AmplitudeEnm amplitude_ = AmplitudeEnm::STEP;
    ExtrapolationEnm extrapolation_ = ExtrapolationEnm::LINEAR;
    SolutionTechniqueEnm solutionTechnique_ = SolutionTechniqueEnm::FULL_NEWTON;
    int contactIterations_ = 30;
    double contactSolutions_ = 1.0;
};
