#pragma once
// The eigenvalue buckling step: the number and range of buckling eigenvalues and the
// eigensolver (subspace or Lanczos) that extracts them.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/perturbation/kprC_EigenRules.h"

#define KPRC_BUCKLESTEP_ATTRIBUTES(A)                                          \
    A(int, numEigen, 0)                                                        \
    A(double, maxEigen, kprC_EigenUnsetFloat)                                  \
    A(int, vectors, 0)                                                         \
    A(int, maxIterations, 30)                                                  \
    A(kprC_Step_EigensolverEnm, eigensolver, kprC_Step_EigensolverEnm::SUBSPACE) \
    A(double, minEigen, kprC_EigenUnsetFloat)                                  \
    A(int, blockSize, kprC_EigenUnsetInt)                                      \
    A(int, maxBlocks, kprC_EigenUnsetInt)                                      \
    A(double, timePeriod, 0.0)

class kprC_BuckleStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_BuckleStep, 831, KPRC_BUCKLESTEP_ATTRIBUTES)

    kprC_BuckleStep() : kprC_AnalysisStep(MatrixSolverEnm::DIRECT_SYMMETRIC) {}

    void AssertValid() const override;

    static constexpr int VectorsDef(int n) { return kprC_EigenVectorsDef(n); }
};
