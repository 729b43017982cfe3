#include "module/kpr/steps/kprC_StepRules.h"

#include "module/kpr/kprC_assert.h"
#include "platform/nex/nex_Exception.h"

using Solver = kprC_Step_MatrixSolverEnm;
using Technique = kprC_Step_SolutionTechniqueEnm;

void kprC_AssertIncrements(kprC_Increments const& n, std::string_view rules) {
    for (char rule : rules) {
        switch (rule) {
        case 'A': kprC_Assert(n.timePeriod > 0.0, kprC_TIME_PERIOD_NOT_POSITIVE); break;
        case 'B': kprC_Assert(n.maxNumInc >= 1, kprC_INVALID_NUMBER_OF_INCREMENTS); break;
        case 'C': kprC_Assert(n.initialInc > 0.0, kprC_INITIAL_INC_NOT_POSITIVE); break;
        case 'D': kprC_Assert(n.initialInc <= n.timePeriod, kprC_INITIAL_INC_ABOVE_TIME_PERIOD); break;
        case 'E': kprC_Assert(n.minInc > 0.0, kprC_MIN_INC_NOT_POSITIVE); break;
        case 'F': kprC_Assert(n.maxInc > 0.0, kprC_MAX_INC_NOT_POSITIVE); break;
        case 'G': kprC_Assert(n.minInc <= n.maxInc, kprC_MIN_INC_ABOVE_MAX_INC); break;
        case 'H': kprC_Assert(n.minInc <= n.initialInc, kprC_MIN_INC_ABOVE_INITIAL_INC); break;
        case 'I': kprC_Assert(n.initialInc <= n.maxInc, kprC_INITIAL_INC_ABOVE_MAX_INC); break;
        case 'K': kprC_Assert(n.maxInc <= n.timePeriod, kprC_MAX_INC_ABOVE_TIME_PERIOD); break;
        default: NEX_FAIL("unknown increment rule");
        }
    }
}

bool kprC_IsDirectSolver(Solver solver) {
    return solver == Solver::DIRECT_SYMMETRIC || kprC_IsUnsymmetricOrDefault(solver);
}

bool kprC_IsUnsymmetricOrDefault(Solver solver) {
    return solver == Solver::DIRECT_UNSYMMETRIC || solver == Solver::SOLVER_DEFAULT;
}

void kprC_AssertNotIterative(Solver solver) { kprC_Assert(solver != Solver::DDM_ITERATIVE, kprC_INVALID_SOLVER); }

void kprC_AssertStabilizedSolver(bool stabilized, Solver solver) {
    kprC_Assert(!stabilized || solver != Solver::DDM_ITERATIVE, kprC_ITERATIVE_SOLVER_WITH_STABILIZATION);
}

void kprC_AssertQuasiNewton(Technique technique, Solver solver) {
    kprC_Assert(technique != Technique::QUASI_NEWTON || solver != Solver::DIRECT_UNSYMMETRIC, kprC_INVALID_SOLVER);
}

void kprC_AssertContactIterations(bool applyContactIterations, Solver solver) {
    kprC_Assert(!applyContactIterations || kprC_IsDirectSolver(solver), kprC_CONTACT_ITERATIONS_NEED_DIRECT_SOLVER);
}

void kprC_AssertSingleTechnique(bool applyContactIterations, Technique technique) {
    kprC_Assert(!applyContactIterations || technique != Technique::QUASI_NEWTON, kprC_MULTIPLE_SOLUTION_TECHNIQUES);
}

void kprC_AssertCoupledSolver(Technique technique, Solver solver, bool contactIterations) {
    if (contactIterations && technique == Technique::CONTACT_ITERATIONS) {
        kprC_Assert(kprC_IsDirectSolver(solver), kprC_CONTACT_ITERATIONS_NEED_DIRECT_SOLVER);
        return;
    }
    bool const valid = (technique == Technique::FULL_NEWTON && kprC_IsUnsymmetricOrDefault(solver)) ||
                       (technique == Technique::SEPARATED && solver != Solver::DDM_ITERATIVE);
    kprC_Assert(valid, kprC_INVALID_SOLVER);
}
