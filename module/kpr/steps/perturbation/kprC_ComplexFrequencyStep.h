#pragma once
// The complex eigenvalue extraction step: the number of complex eigenvalues, the shift,
// the frequency range and whether friction damping enters the eigenproblem.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/perturbation/kprC_EigenRules.h"

#define KPRC_COMPLEXFREQUENCYSTEP_ATTRIBUTES(A)                 \
    A(int, numEigen, kprC_EigenUnsetInt, .Word<kprC_ComplexFrequencyStep_AllEnm>(kprC_EigenUnsetInt)) \
    A(double, shift, 0.0)                                       \
    A(double, timePeriod, 0.0)                                  \
    A(bool, frictionDamping, false)                             \
    A(double, minEigen, kprC_EigenUnsetFloat)                   \
    A(double, maxEigen, 1.0e18)                                 \
    A(double, propertyEvaluationFrequency, kprC_EigenUnsetFloat)

class kprC_ComplexFrequencyStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_ComplexFrequencyStep, 881, KPRC_COMPLEXFREQUENCYSTEP_ATTRIBUTES)

    using AllEnm = kprC_ComplexFrequencyStep_AllEnm;
    // numEigen for all eigenvalues.
    static constexpr int ALL = kprC_EigenUnsetInt;

    kprC_ComplexFrequencyStep() : kprC_AnalysisStep(MatrixSolverEnm::DIRECT_UNSYMMETRIC) {}

    void AssertValid() const override;
};
