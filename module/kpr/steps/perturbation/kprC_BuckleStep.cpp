#include "module/kpr/steps/perturbation/kprC_BuckleStep.h"

#include "module/kpr/kprC_assert.h"

void kprC_BuckleStep::AssertValid() const {
    kprC_AssertEigenRange(maxEigen_, numEigen_);
    kprC_AssertSymmetricDirectSolver(matrixSolver());
    switch (eigensolver_) {
        case EigensolverEnm::LANCZOS:
            return kprC_AssertLanczosBlocks(blockSize_, maxBlocks_);
        case EigensolverEnm::SUBSPACE:
            return kprC_AssertSubspaceIteration(vectors_, maxIterations_);
        default:  // AMS cannot extract buckling modes
            kprC_Assert(false, kprC_EIGENSOLVER_NOT_SELECTED);
    }
}

CLS_DEFINE(kprC_BuckleStep)
