#pragma once
// Diagnostic print settings of an analysis step ("diagnosticPrint"): the root, and one
// kind each for the implicit, explicit and linear perturbation procedures.
#include "platform/cls/cls_AttributeTable.h"
#include "module/kpr/kprC_TypeIds.h"
#include "module/kpr/output/kprC_OutputFields.h"

#define KPRC_DIAGNOSTICPRINT_ATTRIBUTES(A)

class kprC_DiagnosticPrint : public cls_Persistent {
    CLS_ABSTRACT_PERSISTENT(kprC_DiagnosticPrint, cls_Persistent, kprC_DiagnosticPrint_TypeId, 203,
                            KPRC_DIAGNOSTICPRINT_ATTRIBUTES)
    KPRC_OUTPUT_ROOT_EQUALITY(kprC_DiagnosticPrint, KPRC_DIAGNOSTICPRINT_ATTRIBUTES)
    kprC_DiagnosticPrint(kprC_DiagnosticPrint const&) = default;
    kprC_DiagnosticPrint* Copy() const override = 0;
    virtual void AssertValid() const = 0;
    virtual bool Explicit() const = 0;
    virtual bool Perturbation() const = 0;
    static constexpr char const* constructorCmd() { return "DiagnosticPrint"; }

protected:
    kprC_DiagnosticPrint() = default;
    kprC_DiagnosticPrint& operator=(kprC_DiagnosticPrint const&) = default;
};

#define KPRC_STANDARDDIAGNOSTICPRINT_ATTRIBUTES(A)          \
    A(contact, contact_, "contact", false)                  \
    A(frequency, frequency_, "frequency", 1)                \
    A(modelChange, modelChange_, "modelChange", false)      \
    A(adaptiveMesh, adaptiveMesh_, "adaptiveMesh", false)   \
    A(plasticity, plasticity_, "plasticity", false)         \
    A(residual, residual_, "residual", true)                \
    A(solve, solve_, "solve", false)

class kprC_StandardDiagnosticPrint : public kprC_DiagnosticPrint {
    CLS_PERSISTENT(kprC_StandardDiagnosticPrint, kprC_DiagnosticPrint, kprC_StandardDiagnosticPrint_TypeId, 506,
                   KPRC_STANDARDDIAGNOSTICPRINT_ATTRIBUTES)
    kprC_StandardDiagnosticPrint() = default;
    kprC_StandardDiagnosticPrint(kprC_StandardDiagnosticPrint const&) = default;
    kprC_StandardDiagnosticPrint& operator=(kprC_StandardDiagnosticPrint const&) = default;
    KPRC_OUTPUT_EQUALITY(kprC_StandardDiagnosticPrint, KPRC_STANDARDDIAGNOSTICPRINT_ATTRIBUTES)

    void AssertValid() const override;
    bool Explicit() const override { return false; }
    bool Perturbation() const override { return false; }

    bool Contact() const { return contact_; }
    void SetContact(bool value) { contact_ = value; }
    int Frequency() const { return frequency_; }
    void SetFrequency(int value) { frequency_ = value; }
    bool ModelChange() const { return modelChange_; }
    void SetModelChange(bool value) { modelChange_ = value; }
    bool AdaptiveMesh() const { return adaptiveMesh_; }
    void SetAdaptiveMesh(bool value) { adaptiveMesh_ = value; }
    bool Plasticity() const { return plasticity_; }
    void SetPlasticity(bool value) { plasticity_ = value; }
    bool Residual() const { return residual_; }
    void SetResidual(bool value) { residual_ = value; }
    bool Solve() const { return solve_; }
    void SetSolve(bool value) { solve_ = value; }

private:
    bool contact_ = false;
    int frequency_ = 1;
    bool modelChange_ = false;
    bool adaptiveMesh_ = false;
    bool plasticity_ = false;
    bool residual_ = true;
    bool solve_ = false;
};

#define KPRC_EXPLICITDIAGNOSTICPRINT_ATTRIBUTES(A)                  \
    A(allke, allke_, "allke", true)                                 \
    A(criticalElement, criticalElement_, "criticalElement", true)   \
    A(etotal, etotal_, "etotal", false)                             \
    A(dmass, dmass_, "dmass", false)

class kprC_ExplicitDiagnosticPrint : public kprC_DiagnosticPrint {
    CLS_PERSISTENT(kprC_ExplicitDiagnosticPrint, kprC_DiagnosticPrint, kprC_ExplicitDiagnosticPrint_TypeId, 203,
                   KPRC_EXPLICITDIAGNOSTICPRINT_ATTRIBUTES)
    kprC_ExplicitDiagnosticPrint() = default;
    kprC_ExplicitDiagnosticPrint(kprC_ExplicitDiagnosticPrint const&) = default;
    kprC_ExplicitDiagnosticPrint& operator=(kprC_ExplicitDiagnosticPrint const&) = default;
    KPRC_OUTPUT_EQUALITY(kprC_ExplicitDiagnosticPrint, KPRC_EXPLICITDIAGNOSTICPRINT_ATTRIBUTES)

    // Every combination of the flags is valid.
    void AssertValid() const override {}
    bool Explicit() const override { return true; }
    bool Perturbation() const override { return false; }

    bool Allke() const { return allke_; }
    void SetAllke(bool value) { allke_ = value; }
    bool CriticalElement() const { return criticalElement_; }
    void SetCriticalElement(bool value) { criticalElement_ = value; }
    bool Etotal() const { return etotal_; }
    void SetEtotal(bool value) { etotal_ = value; }
    bool Dmass() const { return dmass_; }
    void SetDmass(bool value) { dmass_ = value; }

private:
    bool allke_ = true;
    bool criticalElement_ = true;
    bool etotal_ = false;
    bool dmass_ = false;
};

#define KPRC_PERTURBATIONDIAGNOSTICPRINT_ATTRIBUTES(A) \
    A(frequency, frequency_, "frequency", 1)           \
    A(solve, solve_, "solve", false)

class kprC_PerturbationDiagnosticPrint : public kprC_DiagnosticPrint {
    CLS_PERSISTENT(kprC_PerturbationDiagnosticPrint, kprC_DiagnosticPrint, kprC_PerturbationDiagnosticPrint_TypeId,
                   203, KPRC_PERTURBATIONDIAGNOSTICPRINT_ATTRIBUTES)
    kprC_PerturbationDiagnosticPrint() = default;
    kprC_PerturbationDiagnosticPrint(kprC_PerturbationDiagnosticPrint const&) = default;
    kprC_PerturbationDiagnosticPrint& operator=(kprC_PerturbationDiagnosticPrint const&) = default;
    KPRC_OUTPUT_EQUALITY(kprC_PerturbationDiagnosticPrint, KPRC_PERTURBATIONDIAGNOSTICPRINT_ATTRIBUTES)

    void AssertValid() const override;
    bool Explicit() const override { return false; }
    bool Perturbation() const override { return true; }

    int Frequency() const { return frequency_; }
    void SetFrequency(int value) { frequency_ = value; }
    bool Solve() const { return solve_; }
    void SetSolve(bool value) { solve_ = value; }

private:
    int frequency_ = 1;
    bool solve_ = false;
};
