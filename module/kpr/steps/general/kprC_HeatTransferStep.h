#pragma once
// The heat transfer step: uncoupled conduction, convection and radiation, transient or
// steady state.
#include "module/kpr/steps/general/kprC_ThermalStepLayout.h"
#include "module/kpr/steps/kprC_AnalysisStep.h"

#define KPRC_HEATTRANSFERSTEP_ATTRIBUTES(A) \
    KPRC_THERMALSTEP_ROWS(A)                \
    A(int, reformKernel, 8)

class kprC_HeatTransferStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_HeatTransferStep, 851, KPRC_HEATTRANSFERSTEP_ATTRIBUTES)
    CLS_WRITE_ORDER(KPRC_THERMALSTEP_STORED_HEAD, "reformKernel", "solutionTechnique")

    kprC_HeatTransferStep() = default;

    KPRC_THERMALSTEP_ANSWERS
    void AssertValid() const override;
};
