#pragma once
// Restart output settings of an analysis step ("restart"): the abstract root.
#include "platform/cls/cls_AttributeTable.h"
#include "module/kpr/kprC_TypeIds.h"
#include "module/kpr/output/kprC_OutputFields.h"

#define KPRC_RESTART_ATTRIBUTES(A) A(bool, overlay, false)

class kprC_Restart : public cls_Persistent {
    CLS_ABSTRACT_PERSISTENT(kprC_Restart, cls_Persistent, kprC_Restart_TypeId, 203, KPRC_RESTART_ATTRIBUTES)
    KPRC_OUTPUT_ROOT_EQUALITY(kprC_Restart, KPRC_RESTART_ATTRIBUTES)
    kprC_Restart(kprC_Restart const&) = default;
    kprC_Restart* Copy() const override = 0;
    virtual void AssertValid() const = 0;
    // True for the settings of explicit procedures.
    virtual bool Explicit() const = 0;
    static constexpr char const* constructorCmd() { return "Restart"; }


protected:
    explicit kprC_Restart(bool overlay = false) : overlay_(overlay) {}
    kprC_Restart& operator=(kprC_Restart const&) = default;
};

// Restart settings of the implicit procedures: by increment frequency or by a number of
// intervals (never both), optionally at exact time marks.
#define KPRC_STANDARDRESTART_ATTRIBUTES(A) \
    A(int, frequency, 0)                   \
    A(int, numberIntervals, 0)             \
    A(bool, timeMarks, false)

class kprC_StandardRestart : public kprC_Restart {
    CLS_PERSISTENT(kprC_StandardRestart, kprC_Restart, kprC_StandardRestart_TypeId, 809,
                   KPRC_STANDARDRESTART_ATTRIBUTES)
    CLS_WRITE_ORDER("frequency", "timeMarks", "numberIntervals")
    // Arguments in the order of the scripting constructor.
    explicit kprC_StandardRestart(bool overlay = false, int frequency = 0, int numberIntervals = 0, bool timeMarks = false)
        : kprC_Restart(overlay), frequency_(frequency), numberIntervals_(numberIntervals), timeMarks_(timeMarks) {}
    kprC_StandardRestart(kprC_StandardRestart const&) = default;
    kprC_StandardRestart& operator=(kprC_StandardRestart const&) = default;
    KPRC_OUTPUT_EQUALITY(kprC_StandardRestart, KPRC_STANDARDRESTART_ATTRIBUTES)

    void AssertValid() const override;
    bool Explicit() const override { return false; }

};

// Restart settings of the explicit procedures: a number of intervals, at least one.
#define KPRC_EXPLICITRESTART_ATTRIBUTES(A) \
    A(int, numberIntervals, 1)             \
    A(bool, timeMarks, false)

class kprC_ExplicitRestart : public kprC_Restart {
    CLS_PERSISTENT(kprC_ExplicitRestart, kprC_Restart, kprC_ExplicitRestart_TypeId, 203,
                   KPRC_EXPLICITRESTART_ATTRIBUTES)
    explicit kprC_ExplicitRestart(bool overlay = false, int numberIntervals = 1, bool timeMarks = false)
        : kprC_Restart(overlay), numberIntervals_(numberIntervals), timeMarks_(timeMarks) {}
    kprC_ExplicitRestart(kprC_ExplicitRestart const&) = default;
    kprC_ExplicitRestart& operator=(kprC_ExplicitRestart const&) = default;
    KPRC_OUTPUT_EQUALITY(kprC_ExplicitRestart, KPRC_EXPLICITRESTART_ATTRIBUTES)

    void AssertValid() const override;
    bool Explicit() const override { return true; }

};
