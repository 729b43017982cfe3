#pragma once
// Diagnostic print settings of an analysis step ("diagnosticPrint"): the root, and one
// kind each for the implicit, explicit and linear perturbation procedures.
#include "platform/cls/cls_AttributeTable.h"
#include "module/kpr/kprC_TypeIds.h"
#include "module/kpr/output/kprC_OutputFields.h"

class kprC_DiagnosticPrint : public cls_Persistent {
    CLS_ABSTRACT_PERSISTENT(kprC_DiagnosticPrint, cls_Persistent, kprC_DiagnosticPrint_TypeId, 203,
                            CLS_NO_ATTRIBUTES)
    KPRC_OUTPUT_ROOT_EQUALITY(kprC_DiagnosticPrint, CLS_NO_ATTRIBUTES)
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
    A(bool, contact, false)                  \
    A(int, frequency, 1)                \
    A(bool, modelChange, false)      \
    A(bool, adaptiveMesh, false)   \
    A(bool, plasticity, false)         \
    A(bool, residual, true)                \
    A(bool, solve, false)

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

};

#define KPRC_EXPLICITDIAGNOSTICPRINT_ATTRIBUTES(A)                  \
    A(bool, allke, true)                                 \
    A(bool, criticalElement, true)   \
    A(bool, etotal, false)                             \
    A(bool, dmass, false)

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

};

#define KPRC_PERTURBATIONDIAGNOSTICPRINT_ATTRIBUTES(A) \
    A(int, frequency, 1)           \
    A(bool, solve, false)

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

};
