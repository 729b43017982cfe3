#include "module/kpr/steps/perturbation/kprC_EigenRules.h"

#include "module/kpr/kprC_assert.h"

void kprC_AssertEigenRange(double maxEigen, int numEigen) {
    kprC_Assert(maxEigen > 0.0, kprC_MAX_EIGEN_NOT_POSITIVE);
    kprC_Assert(numEigen >= 1, kprC_NUM_EIGEN_NOT_POSITIVE);
}

void kprC_AssertSymmetricDirectSolver(kprC_Step_MatrixSolverEnm solver) {
    kprC_Assert(solver == kprC_Step_MatrixSolverEnm::DIRECT_SYMMETRIC || solver == kprC_Step_MatrixSolverEnm::SOLVER_DEFAULT,
                kprC_INVALID_SOLVER);
}

void kprC_AssertLanczosBlocks(int blockSize, int maxBlocks) {
    kprC_Assert(blockSize >= 1, kprC_BLOCK_SIZE_NOT_POSITIVE);
    kprC_Assert(maxBlocks >= 1, kprC_MAX_BLOCKS_NOT_POSITIVE);
}

void kprC_AssertSubspaceIteration(int vectors, int maxIterations) {
    kprC_Assert(vectors >= 1, kprC_VECTORS_NOT_POSITIVE);
    kprC_Assert(maxIterations >= 1, kprC_ITERATIONS_NOT_POSITIVE);
}
