#pragma once
// Validation rules that several step classes share: the increment checks on time
// period, number of increments and increment sizes, and the solver checks. Each check
// raises the procedures module's error through kprC_Assert when it fails.
#include <limits>
#include <string_view>

#include "module/kpr/enums/kprC_Enums.h"

// The value of an optional float attribute that has no value.
inline constexpr double kprC_UNSET = std::numeric_limits<double>::max();

// The default minimum increment that scripts derive from a time period.
inline constexpr double kprC_MinimumIncrement(double timePeriod) { return timePeriod * 1.0e-5; }

struct kprC_Increments {
    double timePeriod;
    int maxNumInc;
    double initialInc;
    double minInc;
    double maxInc;
};

// Tests the increment rules named by the letters of `rules`, in that order:
// A timePeriod > 0, B maxNumInc >= 1, C initialInc > 0, D initialInc <= timePeriod,
// E minInc > 0, F maxInc > 0, G minInc <= maxInc, H minInc <= initialInc,
// I initialInc <= maxInc, K maxInc <= timePeriod.
void kprC_AssertIncrements(kprC_Increments const& increments, std::string_view rules);

// DIRECT_SYMMETRIC, DIRECT_UNSYMMETRIC or SOLVER_DEFAULT.
bool kprC_IsDirectSolver(kprC_Step_MatrixSolverEnm solver);
// DIRECT_UNSYMMETRIC or SOLVER_DEFAULT.
bool kprC_IsUnsymmetricOrDefault(kprC_Step_MatrixSolverEnm solver);

// The solver must not be DDM_ITERATIVE ("Invalid solver value for given procedure.").
void kprC_AssertNotIterative(kprC_Step_MatrixSolverEnm solver);
// A stabilized step cannot use the iterative solver.
void kprC_AssertStabilizedSolver(bool stabilized, kprC_Step_MatrixSolverEnm solver);
// QUASI_NEWTON cannot run with DIRECT_UNSYMMETRIC.
void kprC_AssertQuasiNewton(kprC_Step_SolutionTechniqueEnm technique, kprC_Step_MatrixSolverEnm solver);
// Contact iterations need a direct solver, and cannot be combined with QUASI_NEWTON.
void kprC_AssertContactIterations(bool applyContactIterations, kprC_Step_MatrixSolverEnm solver);
void kprC_AssertSingleTechnique(bool applyContactIterations, kprC_Step_SolutionTechniqueEnm technique);
// The coupled steps' pairing of technique and solver: FULL_NEWTON with DIRECT_UNSYMMETRIC
// or SOLVER_DEFAULT, SEPARATED with any solver but DDM_ITERATIVE; with
// `contactIterations`, CONTACT_ITERATIONS with a direct solver too.
void kprC_AssertCoupledSolver(kprC_Step_SolutionTechniqueEnm technique, kprC_Step_MatrixSolverEnm solver,
                              bool contactIterations);

// The increment attributes of a step class that has the usual five.
template <class Step>
kprC_Increments kprC_IncrementsOf(Step const& step) {
    return {step.timePeriod(), step.maxNumInc(), step.initialInc(), step.minInc(), step.maxInc()};
}
