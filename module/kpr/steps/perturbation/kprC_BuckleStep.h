#pragma once
// The eigenvalue buckling step: the number and range of buckling eigenvalues and the
// eigensolver (subspace or Lanczos) that extracts them.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_StepAccessors.h"
#include "module/kpr/steps/perturbation/kprC_EigenRules.h"

#define KPRC_BUCKLESTEP_ATTRIBUTES(A)                                              \
    A(numEigen, numEigen_, "numEigen", 0)                                          \
    A(maxEigen, maxEigen_, "maxEigen", kprC_EigenUnsetFloat)                       \
    A(vectors, vectors_, "vectors", 0)                                             \
    A(maxIterations, maxIterations_, "maxIterations", 30)                          \
    A(eigensolver, eigensolver_, "eigensolver", kprC_Step_EigensolverEnm::SUBSPACE) \
    A(minEigen, minEigen_, "minEigen", kprC_EigenUnsetFloat)                       \
    A(blockSize, blockSize_, "blockSize", kprC_EigenUnsetInt)                      \
    A(maxBlocks, maxBlocks_, "maxBlocks", kprC_EigenUnsetInt)                      \
    A(timePeriod, timePeriod_, "timePeriod", 0.0)

class kprC_BuckleStep : public kprC_AnalysisStep {
    CLS_PERSISTENT(kprC_BuckleStep, kprC_AnalysisStep, kprC_BuckleStep_TypeId, 831, KPRC_BUCKLESTEP_ATTRIBUTES)

private:
    int numEigen_;
    double maxEigen_;
    int vectors_;
    int maxIterations_;
    kprC_Step_EigensolverEnm eigensolver_;
    double minEigen_;
    int blockSize_;
    int maxBlocks_;
    double timePeriod_;

public:
    KPRC_ACCESSORS(KPRC_BUCKLESTEP_ATTRIBUTES)

    kprC_BuckleStep() : kprC_AnalysisStep(MatrixSolverEnm::DIRECT_SYMMETRIC) { Attributes().ApplyDefaults(*this); }
    kprC_BuckleStep(kprC_BuckleStep const&) = default;

    double TimePeriod() const override { return timePeriod_; }
    void AssertValid() const override;

    static constexpr int VectorsDef(int n) { return kprC_EigenVectorsDef(n); }

    KPRC_NAME(constructorCmd, "BuckleStep")
};
