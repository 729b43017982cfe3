#include "module/kpr/kprC_assert.h"
#include "module/kpr/output/kprC_DiagnosticPrint.h"
#include "module/kpr/output/kprC_Monitor.h"
#include "module/kpr/output/kprC_Restart.h"

void kprC_StandardRestart::AssertValid() const {
    kprC_Assert(frequency_ == 0 || numberIntervals_ == 0, kprC_FREQUENCY_AND_INTERVALS_BOTH_SET);
    kprC_Assert(frequency_ >= 0 && numberIntervals_ >= 0, kprC_FREQUENCY_OR_INTERVALS_REQUIRED);
}

void kprC_ExplicitRestart::AssertValid() const { kprC_Assert(numberIntervals_ >= 1, kprC_INTERVALS_NOT_POSITIVE); }

void kprC_StandardMonitor::AssertValid() const {
    kprC_Assert(frequency_ >= 0, kprC_FREQUENCY_NEGATIVE);
    kprC_Assert(dof() >= 1, kprC_DOF_NOT_POSITIVE);
}

void kprC_ExplicitMonitor::AssertValid() const { kprC_Assert(dof() >= 1, kprC_DOF_NOT_POSITIVE); }

void kprC_StandardDiagnosticPrint::AssertValid() const { kprC_Assert(frequency_ >= 0, kprC_FREQUENCY_NEGATIVE); }

void kprC_PerturbationDiagnosticPrint::AssertValid() const { kprC_Assert(frequency_ >= 0, kprC_FREQUENCY_NEGATIVE); }
