#pragma once
// Values and validation rules shared by the eigenvalue extraction steps (frequency,
// buckle, complex frequency).
#include "module/kpr/enums/kprC_Enums.h"

// An optional float or integer attribute that has no value. For the number of
// eigenvalues the unset integer means ALL.
inline constexpr double kprC_EigenUnsetFloat = 1.7976931348623157e308;
inline constexpr int kprC_EigenUnsetInt = 2147483647;

// The default number of subspace vectors for n requested eigenvalues.
constexpr int kprC_EigenVectorsDef(int n) { return 2 * n < n + 8 ? 2 * n : n + 8; }

// Maximum eigenvalue above zero (unset passes), then at least one eigenvalue (ALL passes).
void kprC_AssertEigenRange(double maxEigen, int numEigen);
// The symmetric direct solver or the default one.
void kprC_AssertSymmetricDirectSolver(kprC_Step_MatrixSolverEnm solver);
// Lanczos block size and number of blocks at least one.
void kprC_AssertLanczosBlocks(int blockSize, int maxBlocks);
// Subspace vectors and iterations at least one.
void kprC_AssertSubspaceIteration(int vectors, int maxIterations);
