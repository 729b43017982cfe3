#pragma once
// Monitor output settings of an analysis step ("monitor"): the abstract root, naming
// the degree of freedom and the node whose value the analysis reports as it runs.
#include "platform/cls/cls_AttributeTable.h"
#include "module/kpr/kprC_TypeIds.h"
#include "module/kpr/output/kprC_OutputFields.h"
#include "platform/rgn/rgnC_Region.h"

#define KPRC_MONITOR_ATTRIBUTES(A) \
    A(int, dof, 0)                 \
    A(rgnC_Region, node, {})

class kprC_Monitor : public cls_Persistent {
    CLS_ABSTRACT_PERSISTENT(kprC_Monitor, cls_Persistent, kprC_Monitor_TypeId, 203, KPRC_MONITOR_ATTRIBUTES)
    KPRC_OUTPUT_ROOT_EQUALITY(kprC_Monitor, KPRC_MONITOR_ATTRIBUTES)
    kprC_Monitor(kprC_Monitor const&) = default;
    kprC_Monitor* Copy() const override = 0;
    virtual void AssertValid() const = 0;
    // True for the settings of explicit procedures.
    virtual bool Explicit() const = 0;
    static constexpr char const* constructorCmd() { return "Monitor"; }
    static constexpr char const* setValuesCmd() { return "setValues"; }


protected:
    explicit kprC_Monitor(int dof = 0, rgnC_Region node = {}) : dof_(dof), node_(std::move(node)) {}
    kprC_Monitor& operator=(kprC_Monitor const&) = default;
};

// Monitor settings of the implicit procedures, written every `frequency` increments.
#define KPRC_STANDARDMONITOR_ATTRIBUTES(A) A(int, frequency, 1)

class kprC_StandardMonitor : public kprC_Monitor {
    CLS_PERSISTENT(kprC_StandardMonitor, kprC_Monitor, kprC_StandardMonitor_TypeId, 203,
                   KPRC_STANDARDMONITOR_ATTRIBUTES)
    explicit kprC_StandardMonitor(int dof = 0, rgnC_Region node = {}, int frequency = 1)
        : kprC_Monitor(dof, std::move(node)), frequency_(frequency) {}
    kprC_StandardMonitor(kprC_StandardMonitor const&) = default;
    kprC_StandardMonitor& operator=(kprC_StandardMonitor const&) = default;
    KPRC_OUTPUT_EQUALITY(kprC_StandardMonitor, KPRC_STANDARDMONITOR_ATTRIBUTES)

    void AssertValid() const override;
    bool Explicit() const override { return false; }

};

// Monitor settings of the explicit procedures.
class kprC_ExplicitMonitor : public kprC_Monitor {
    CLS_PERSISTENT(kprC_ExplicitMonitor, kprC_Monitor, kprC_ExplicitMonitor_TypeId, 203,
                   CLS_NO_ATTRIBUTES)
    explicit kprC_ExplicitMonitor(int dof = 0, rgnC_Region node = {}) : kprC_Monitor(dof, std::move(node)) {}
    kprC_ExplicitMonitor(kprC_ExplicitMonitor const&) = default;
    kprC_ExplicitMonitor& operator=(kprC_ExplicitMonitor const&) = default;
    KPRC_OUTPUT_EQUALITY(kprC_ExplicitMonitor, CLS_NO_ATTRIBUTES)

    void AssertValid() const override;
    bool Explicit() const override { return true; }
};
