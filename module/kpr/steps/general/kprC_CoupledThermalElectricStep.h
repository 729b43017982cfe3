#pragma once
// The coupled thermal-electric step: Joule heating, with electric potential and
// temperature solved together. Its equations are unsymmetric, so it starts with the
// unsymmetric direct solver.
#include "module/kpr/steps/general/kprC_ThermalStepLayout.h"
#include "module/kpr/steps/kprC_AnalysisStep.h"

#define KPRC_COUPLEDTHERMALELECTRICSTEP_ATTRIBUTES(A) KPRC_THERMALSTEP_ROWS(A)

class kprC_CoupledThermalElectricStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_CoupledThermalElectricStep, 831, KPRC_COUPLEDTHERMALELECTRICSTEP_ATTRIBUTES)
    CLS_WRITE_ORDER(KPRC_THERMALSTEP_STORED_HEAD, "solutionTechnique")

    kprC_CoupledThermalElectricStep() : kprC_AnalysisStep(MatrixSolverEnm::DIRECT_UNSYMMETRIC) {}

    KPRC_THERMALSTEP_ANSWERS
    void AssertValid() const override;
};
