#pragma once
// The abstract base of the step classes that run a procedure: output settings, solver
// controls, the step's adaptive mesh domains and load cases, and the solver choices every
// procedure shares. It answers the classification operations with what most procedures
// answer; each procedure class overrides where it differs.
#include <map>
#include <vector>

#include "module/kad/domains/kadC_AdptMeshDomain.h"
#include "module/klc/loadcases/klcC_LoadCase.h"
#include "module/kpr/controls/kprC_ContactControls.h"
#include "module/kpr/controls/kprC_Controls.h"
#include "module/kpr/controls/kprC_LinearCtrl.h"
#include "module/kpr/output/kprC_DiagnosticPrint.h"
#include "module/kpr/output/kprC_Monitor.h"
#include "module/kpr/output/kprC_Restart.h"
#include "module/kpr/steps/kprC_Step.h"
#include "platform/cow/cow_COW.h"

using kprC_AdptMeshDomainMap = std::map<cow_String, cow_COW<kadC_AdptMeshDomain>>;
using kprC_LoadCaseMap = std::map<cow_String, cow_COW<klcC_LoadCase>>;
using kprC_ContactControlsList = std::vector<cow_COW<kprC_ContactControls>>;

// Ordinals 4 and 5 belong to the two maps, which are stored by name only (ordinal -1),
// load cases first, and read last.
#define KPRC_ANALYSISSTEP_ATTRIBUTES(A)                                              \
    A(cow_COW<kprC_Restart>, restart, {})                                            \
    A(cow_COW<kprC_Monitor>, monitor, {})                                            \
    A(cow_COW<kprC_DiagnosticPrint>, diagnosticPrint, {})                            \
    A(kprC_ContactControlsList, contactControls, {})                                 \
    A(kprC_AdptMeshDomainMap, amd, {}, .NameOnly())                                  \
    A(kprC_LoadCaseMap, lcc, {}, .NameOnly())                                        \
    A(cow_COW<kprC_Controls>, controls, {})                                          \
    A(cow_COW<kprC_LinearCtrl>, linearCtrl, {})                                      \
    A(kprC_Step_MatrixSolverEnm, matrixSolver, kprC_Step_MatrixSolverEnm::SOLVER_DEFAULT) \
    A(kprC_Step_ConvertSDIEnm, convertSDI, kprC_Step_ConvertSDIEnm::PROPAGATED)

class kprC_AnalysisStep : public kprC_Step {
    CLS_ABSTRACT_PERSISTENT(kprC_AnalysisStep, kprC_Step, kprC_AnalysisStep_TypeId, 867, KPRC_ANALYSISSTEP_ATTRIBUTES)
    CLS_WRITE_ORDER("restart", "monitor", "diagnosticPrint", "contactControls", "lcc", "amd", "controls", "linearCtrl",
                    "matrixSolver", "convertSDI")
    CLS_READ_ORDER("restart", "monitor", "diagnosticPrint", "contactControls", "controls", "linearCtrl",
                   "matrixSolver", "convertSDI", "lcc", "amd")

    using DomainMap = kprC_AdptMeshDomainMap;
    using LoadCaseMap = kprC_LoadCaseMap;

    kprC_AnalysisStep() = default;
    kprC_AnalysisStep(kprC_AnalysisStep const&) = default;
    kprC_AnalysisStep& operator=(kprC_AnalysisStep const&) = default;
    kprC_AnalysisStep* Copy() const override = 0;

    // The procedure type code is the class type identifier of the concrete step class.
    unsigned int ProcedureType() const override { return DynTypeId(); }
    bool IsAdiabatic() const override { return false; }
    bool AllowLoadCases() const override { return false; }
    bool AllowAdaptiveMeshDomains() const override { return false; }
    bool Nonmechanical() const override { return false; }
    bool Explicit() const override;
    bool Perturbation() const override { return kprC_Step::Perturbation(ProcedureType()); }
    using kprC_Step::Perturbation;
    ResponseEnm Response() const override { return ResponseEnm::NOT_APPLICABLE; }
    NlgeomEnm Nlgeom() const override { return NlgeomEnm::NOT_AVAILABLE; }
    virtual SolutionTechniqueEnm SolutionTechnique() const { return SolutionTechniqueEnm::FULL_NEWTON; }

    // In-place access to the collections the step owns.
    kprC_ContactControlsList& MutableContactControls() { return contactControls_; }
    DomainMap& MutableAmd() { return amd_; }
    LoadCaseMap& MutableLcc() { return lcc_; }

    KPRC_NAME(constructorCmd, "AnalysisStep")
    KPRC_NAME(previousCmd, "previous")
    KPRC_NAME(procedureCmd, "procedure")
    KPRC_NAME(fieldCmd, "field")
    KPRC_NAME(historyCmd, "history")
    KPRC_NAME(perturbationCmd, "perturbation")
    KPRC_NAME(nonmechanicalCmd, "nonmechanical")
    KPRC_NAME(explicitCmd, "explicit")
    KPRC_NAME(responseCmd, "response")
    KPRC_NAME(timePeriodCmd, "timePeriod")
    KPRC_NAME(nlgeomCmd, "nlgeom")

protected:
    // Concrete classes whose constructor picks another solver.
    explicit kprC_AnalysisStep(MatrixSolverEnm matrixSolver) : matrixSolver_(matrixSolver) {}
};
