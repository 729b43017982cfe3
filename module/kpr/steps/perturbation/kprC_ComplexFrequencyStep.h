#pragma once
// The complex eigenvalue extraction step: the number of complex eigenvalues, the shift,
// the frequency range and whether friction damping enters the eigenproblem.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_StepAccessors.h"
#include "module/kpr/steps/perturbation/kprC_EigenRules.h"

#define KPRC_COMPLEXFREQUENCYSTEP_ATTRIBUTES(A)                                                   \
    A(numEigen, numEigen_, "numEigen", kprC_EigenUnsetInt)                                        \
    A(shift, shift_, "shift", 0.0)                                                                \
    A(timePeriod, timePeriod_, "timePeriod", 0.0)                                                 \
    A(frictionDamping, frictionDamping_, "frictionDamping", false)                                \
    A(minEigen, minEigen_, "minEigen", kprC_EigenUnsetFloat)                                      \
    A(maxEigen, maxEigen_, "maxEigen", 1.0e18)                                                    \
    A(propertyEvaluationFrequency, propertyEvaluationFrequency_, "propertyEvaluationFrequency",   \
      kprC_EigenUnsetFloat)

class kprC_ComplexFrequencyStep : public kprC_AnalysisStep {
    CLS_PERSISTENT(kprC_ComplexFrequencyStep, kprC_AnalysisStep, kprC_ComplexFrequencyStep_TypeId, 881,
                   KPRC_COMPLEXFREQUENCYSTEP_ATTRIBUTES)

private:
    int numEigen_;
    double shift_;
    double timePeriod_;
    bool frictionDamping_;
    double minEigen_;
    double maxEigen_;
    double propertyEvaluationFrequency_;

public:
    using AllEnm = kprC_ComplexFrequencyStep_AllEnm;
    // numEigen for all eigenvalues.
    static constexpr int ALL = kprC_EigenUnsetInt;

    KPRC_ACCESSORS(KPRC_COMPLEXFREQUENCYSTEP_ATTRIBUTES)

    kprC_ComplexFrequencyStep() : kprC_AnalysisStep(MatrixSolverEnm::DIRECT_UNSYMMETRIC) {
        Attributes().ApplyDefaults(*this);
    }
    kprC_ComplexFrequencyStep(kprC_ComplexFrequencyStep const&) = default;

    double TimePeriod() const override { return timePeriod_; }
    void AssertValid() const override;

    KPRC_NAME(constructorCmd, "ComplexFrequencyStep")
};
