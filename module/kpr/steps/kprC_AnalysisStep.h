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

// Ordinals 4 and 5 are unused; the two maps are stored by name only and read last.
#define KPRC_ANALYSISSTEP_ATTRIBUTES(A)                                                   \
    A(restart, restart_, "restart", {})                                                   \
    A(monitor, monitor_, "monitor", {})                                                   \
    A(diagnosticPrint, diagnosticPrint_, "diagnosticPrint", {})                           \
    A(contactControls, contactControls_, "contactControls", {})                           \
    A(lcc, lcc_, "lcc", {}, .NameOnly().ReadRank(100))                                    \
    A(amd, amd_, "amd", {}, .NameOnly().ReadRank(101))                                    \
    A(controls, controls_, "controls", {}, .Ordinal(6))                                   \
    A(linearCtrl, linearCtrl_, "linearCtrl", {})                                          \
    A(matrixSolver, matrixSolver_, "matrixSolver", kprC_Step_MatrixSolverEnm::SOLVER_DEFAULT) \
    A(convertSDI, convertSDI_, "convertSDI", kprC_Step_ConvertSDIEnm::PROPAGATED)

class kprC_AnalysisStep : public kprC_Step {
    CLS_ABSTRACT_PERSISTENT(kprC_AnalysisStep, kprC_Step, kprC_AnalysisStep_TypeId, 867, KPRC_ANALYSISSTEP_ATTRIBUTES)

    using DomainMap = std::map<cow_String, cow_COW<kadC_AdptMeshDomain>>;
    using LoadCaseMap = std::map<cow_String, cow_COW<klcC_LoadCase>>;

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

    cow_COW<kprC_Restart> const& Restart() const { return restart_; }
    void SetRestart(cow_COW<kprC_Restart> value) { restart_ = std::move(value); }
    cow_COW<kprC_Monitor> const& Monitor() const { return monitor_; }
    void SetMonitor(cow_COW<kprC_Monitor> value) { monitor_ = std::move(value); }
    cow_COW<kprC_DiagnosticPrint> const& DiagnosticPrint() const { return diagnosticPrint_; }
    void SetDiagnosticPrint(cow_COW<kprC_DiagnosticPrint> value) { diagnosticPrint_ = std::move(value); }
    std::vector<cow_COW<kprC_ContactControls>> const& ContactControls() const { return contactControls_; }
    std::vector<cow_COW<kprC_ContactControls>>& ContactControls() { return contactControls_; }
    cow_COW<kprC_Controls> const& Controls() const { return controls_; }
    void SetControls(cow_COW<kprC_Controls> value) { controls_ = std::move(value); }
    cow_COW<kprC_LinearCtrl> const& LinearCtrl() const { return linearCtrl_; }
    void SetLinearCtrl(cow_COW<kprC_LinearCtrl> value) { linearCtrl_ = std::move(value); }
    DomainMap const& Amd() const { return amd_; }
    DomainMap& Amd() { return amd_; }
    LoadCaseMap const& Lcc() const { return lcc_; }
    LoadCaseMap& Lcc() { return lcc_; }
    MatrixSolverEnm MatrixSolver() const { return matrixSolver_; }
    void SetMatrixSolver(MatrixSolverEnm value) { matrixSolver_ = value; }
    ConvertSDIEnm ConvertSDI() const { return convertSDI_; }
    void SetConvertSDI(ConvertSDIEnm value) { convertSDI_ = value; }

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

private:
    cow_COW<kprC_Restart> restart_;
    cow_COW<kprC_Monitor> monitor_;
    cow_COW<kprC_DiagnosticPrint> diagnosticPrint_;
    std::vector<cow_COW<kprC_ContactControls>> contactControls_;
    LoadCaseMap lcc_;
    DomainMap amd_;
    cow_COW<kprC_Controls> controls_;
    cow_COW<kprC_LinearCtrl> linearCtrl_;
    MatrixSolverEnm matrixSolver_ = MatrixSolverEnm::SOLVER_DEFAULT;
    ConvertSDIEnm convertSDI_ = ConvertSDIEnm::PROPAGATED;
};
