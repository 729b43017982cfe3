#pragma once
// The abstract base of every step of a model's analysis history: the Initial step and
// the analysis steps. A step does not know its name: that is its key in the step container.
#include "platform/cls/cls_AttributeTable.h"
#include "module/kpr/enums/kprC_Enums.h"
#include "module/kpr/kprC_TypeIds.h"
#include "platform/cow/cow_String.h"
#include "platform/omu/omn_FixedString.h"

// A static name function returning a fixed text.
#define KPRC_NAME(function, text) \
    static constexpr omn_FixedString function() { return text; }

#define KPRC_STEP_ATTRIBUTES(A)                           \
    A(cow_String, solverInput, "", .Script("_solverInput")) \
    A(cow_String, description, "")                          \
    A(unsigned int, stepId, 0u)

class kprC_Step : public cls_Persistent {
    CLS_ABSTRACT_PERSISTENT(kprC_Step, cls_Persistent, kprC_Step_TypeId, 439, KPRC_STEP_ATTRIBUTES)

    using TimeIncrementationMethodEnm = kprC_Step_TimeIncrementationMethodEnm;
    using NlgeomEnm = kprC_Step_NlgeomEnm;
    using EigensolverEnm = kprC_Step_EigensolverEnm;
    using DefaultEnm = kprC_Step_DefaultEnm;
    using ConvertSDIEnm = kprC_Step_ConvertSDIEnm;
    using MatrixSolverEnm = kprC_Step_MatrixSolverEnm;
    using ResponseEnm = kprC_Step_ResponseEnm;
    using ExtrapolationEnm = kprC_Step_ExtrapolationEnm;
    using AmplitudeEnm = kprC_Step_AmplitudeEnm;
    using ReplacementPolicyEnm = kprC_Step_ReplacementPolicyEnm;
    using SolutionTechniqueEnm = kprC_Step_SolutionTechniqueEnm;

    kprC_Step() = default;
    kprC_Step(kprC_Step const&) = default;
    kprC_Step& operator=(kprC_Step const&) = default;

    kprC_Step* Copy() const override = 0;
    virtual bool IsAdiabatic() const = 0;
    virtual bool AllowLoadCases() const = 0;
    virtual bool AllowAdaptiveMeshDomains() const = 0;
    virtual unsigned int ProcedureType() const = 0;
    virtual bool Nonmechanical() const = 0;
    virtual bool Explicit() const = 0;
    virtual ResponseEnm Response() const = 0;
    virtual double TimePeriod() const = 0;
    virtual NlgeomEnm Nlgeom() const = 0;
    virtual bool Perturbation() const = 0;
    // Raises the step's error for the first rule its attributes break.
    virtual void AssertValid() const = 0;

    // Whether a procedure type code is a perturbation procedure.
    static bool Perturbation(unsigned int procedureType);

    KPRC_NAME(initialCmd, "Initial")
    KPRC_NAME(stepCmd, "step")
    KPRC_NAME(stepRepositoryCmd, "steps")
    KPRC_NAME(nameCmd, "name")
    KPRC_NAME(copyCmd, "Step")
    KPRC_NAME(setParametersCmd, "setValues")
    KPRC_NAME(generalStepsCmd, "_generalSteps")
    KPRC_NAME(perturbationStepsCmd, "_perturbationSteps")
    KPRC_NAME(generalReplacementStepsCmd, "_generalReplacementSteps")
    KPRC_NAME(perturbationReplacementStepsCmd, "_perturbationReplacementSteps")
    KPRC_NAME(maintainAttributesCmd, "maintainAttributes")
    KPRC_NAME(replacementPolicyCmd, "replacementPolicy")
    KPRC_NAME(procedureTypeCmd, "procedureType")
    KPRC_NAME(allowAdaptiveMeshDomainsCmd, "allowAdaptiveMeshDomains")
    KPRC_NAME(NLGEOM_ON, "ON")
    KPRC_NAME(NLGEOM_OFF, "OFF")
    KPRC_NAME(NLGEOM_NA, "N/A")
};
