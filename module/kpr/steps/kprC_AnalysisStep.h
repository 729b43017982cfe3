#pragma once
// The abstract base of the step classes that run a procedure: output settings, solver
// controls, the step's adaptive mesh domains and load cases, and the solver choices every
// procedure shares. The classification operations that are facts of the procedure come
// from the procedure table; those that come from a step's attributes, from the
// KPRC_ANALYSIS_STEP description of its class.
#include <concepts>
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
    A(cow_COW<kprC_Controls>, controls, {}, .Script("control"))                      \
    A(cow_COW<kprC_LinearCtrl>, linearCtrl, {}, .Script("solverControl"))            \
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
    bool AllowLoadCases() const override;
    bool AllowAdaptiveMeshDomains() const override;
    bool Nonmechanical() const override;
    bool Explicit() const override;
    bool Perturbation() const override { return kprC_Step::Perturbation(ProcedureType()); }
    using kprC_Step::Perturbation;
    ResponseEnm Response() const override { return ResponseEnm::NOT_APPLICABLE; }
    NlgeomEnm Nlgeom() const override { return NlgeomEnm::NOT_AVAILABLE; }
    virtual SolutionTechniqueEnm SolutionTechnique() const { return SolutionTechniqueEnm::FULL_NEWTON; }

    // Validates the controls the step holds: its solution controls (unless they are the
    // inactive controls, which exist to be held, not validated), its linear solver
    // controls and each contact control, raising the first failing rule's message.
    void AssertControlsValid() const;

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

// The description of a concrete analysis step: CLS_PERSISTENT over kprC_AnalysisStep
// with the class's type id, plus the operations answered by the step's own attributes
// where it has them (TimePeriod from timePeriod, Nlgeom from nlgeom, Response from
// response, or through the class's static ResponseOf(response) where the attribute has
// its own enumeration, SolutionTechnique from solutionTechnique, IsAdiabatic from
// adiabatic), and constructorCmd(), the class name without its prefix.
#define KPRC_ANALYSIS_STEP(Class, Version, ROWS)                                  \
    CLS_PERSISTENT(Class, kprC_AnalysisStep, Class##_TypeId, Version, ROWS)        \
    KPRC_ANSWER_(double, TimePeriod, timePeriod)                                    \
    KPRC_ANSWER_(NlgeomEnm, Nlgeom, nlgeom)                                         \
    KPRC_ANSWER_(SolutionTechniqueEnm, SolutionTechnique, solutionTechnique)        \
    KPRC_ANSWER_(bool, IsAdiabatic, adiabatic)                                      \
    template <class S = cls_Self>                                                   \
    ResponseEnm ResponseOf_() const {                                               \
        S const& s = static_cast<S const&>(*this);                                  \
        if constexpr (requires { S::ResponseOf(s.response_); })                     \
            return S::ResponseOf(s.response_);                                      \
        else if constexpr (requires { { s.response_ } -> std::same_as<ResponseEnm const&>; }) \
            return s.response_;                                                     \
        else                                                                        \
            return kprC_AnalysisStep::Response();                                   \
    }                                                                               \
    ResponseEnm Response() const override { return ResponseOf_(); }                 \
    static constexpr omn_FixedString constructorCmd() { return #Class + 5; }

// Templated on the class, so that a missing attribute selects the base's answer.
#define KPRC_ANSWER_(Type, Op, attribute)                                           \
    template <class S = cls_Self>                                                   \
    Type Op##Of_() const {                                                          \
        S const& s = static_cast<S const&>(*this);                                  \
        if constexpr (requires { { s.attribute##_ } -> std::same_as<Type const&>; }) \
            return s.attribute##_;                                                  \
        else                                                                        \
            return kprC_AnalysisStep::Op();                                         \
    }                                                                               \
    Type Op() const override { return Op##Of_(); }

// The stabilization answers of the steps that carry stabilization rows.
#define KPRC_STABILIZATION_ANSWERS(Enm)                                                \
    virtual Enm StabilizationMethod() const { return stabilizationMethod_; }        \
    virtual double StabilizationMagnitude() const { return stabilizationMagnitude_; }
