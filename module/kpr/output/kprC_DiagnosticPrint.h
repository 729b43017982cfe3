#pragma once
// Diagnostic print settings of an analysis step ("diagnosticPrint"): the root.
#include "include/cls_AttributeTable.h"
#include "module/kpr/kprC_TypeIds.h"

#define KPRC_DIAGNOSTICPRINT_ATTRIBUTES(A)

class kprC_DiagnosticPrint : public cls_Persistent {
    CLS_ABSTRACT_PERSISTENT(kprC_DiagnosticPrint, cls_Persistent, kprC_DiagnosticPrint_TypeId, 1,
                            KPRC_DIAGNOSTICPRINT_ATTRIBUTES)
    kprC_DiagnosticPrint() = default;
    kprC_DiagnosticPrint(kprC_DiagnosticPrint const&) = default;
    kprC_DiagnosticPrint* Copy() const override = 0;
    virtual void AssertValid() const = 0;
    virtual bool Explicit() const = 0;
    virtual bool Perturbation() const = 0;
    static constexpr char const* constructorCmd() { return "DiagnosticPrint"; }
};
