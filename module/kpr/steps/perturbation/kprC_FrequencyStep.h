#pragma once
// The natural frequency extraction step: which eigenvalues to extract, with which
// eigensolver (Lanczos, subspace or AMS), how to normalise the eigenvectors, and the
// residual-mode and reduced-eigenproblem settings.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/perturbation/kprC_EigenRules.h"
#include "platform/rgn/rgnC_Region.h"

#define KPRC_FREQUENCYSTEP_ATTRIBUTES(A)                                                          \
    A(int, numEigen, kprC_EigenUnsetInt, .Word<kprC_FrequencyStep_AllEigenEnm>(kprC_EigenUnsetInt))  \
    A(double, maxEigen, kprC_EigenUnsetFloat)                                                     \
    A(double, shift, kprC_EigenUnsetFloat)                                                        \
    A(int, vectors, 0)                                                                            \
    A(int, maxIterations, 30)                                                                     \
    A(kprC_Step_EigensolverEnm, eigensolver, kprC_Step_EigensolverEnm::LANCZOS)                   \
    A(double, minEigen, kprC_EigenUnsetFloat)                                                     \
    A(int, blockSize, kprC_EigenUnsetInt)                                                         \
    A(int, maxBlocks, kprC_EigenUnsetInt)                                                         \
    A(double, timePeriod, 0.0)                                                                    \
    A(kprC_FrequencyStep_NormalizationEnm, normalization, kprC_FrequencyStep_NormalizationEnm::DISPLACEMENT) \
    A(double, propertyEvaluationFrequency, kprC_EigenUnsetFloat)                                  \
    A(bool, acousticCoupling, true)                                                               \
    A(int, numberInterval, 1)                                                                     \
    A(double, intervalBias, 1.0)                                                                  \
    A(cow_List<double>, intervalBoundaries, {}, .AsArray())                                       \
    A(bool, residualModes, false)                                                                 \
    A(double, substructureCutoffMultiplier, 5.0)                                                  \
    A(double, firstCutoffMultiplier, 1.6)                                                         \
    A(double, secondCutoffMultiplier, 1.3)                                                        \
    A(cow_List<cow_String>, residualModeRegion, {}, .AsArray())                                   \
    A(cow_List<int>, residualModeDof, {}, .AsArray())                                             \
    A(rgnC_Region, limitSavedEigenvectorRegion, {})

class kprC_FrequencyStep : public kprC_AnalysisStep {
    KPRC_ANALYSIS_STEP(kprC_FrequencyStep, 881, KPRC_FREQUENCYSTEP_ATTRIBUTES)
    // Stored with residualModes after maxIterations and the region before the residual-mode
    // lists; residualModes, added to the layout later, is registered first.
    CLS_WRITE_ORDER("numEigen", "maxEigen", "shift", "vectors", "maxIterations", "residualModes", "eigensolver",
                    "minEigen", "blockSize", "maxBlocks", "timePeriod", "normalization",
                    "propertyEvaluationFrequency", "acousticCoupling", "numberInterval", "intervalBias",
                    "intervalBoundaries", "limitSavedEigenvectorRegion", "residualModeRegion", "residualModeDof",
                    "substructureCutoffMultiplier", "firstCutoffMultiplier", "secondCutoffMultiplier")
    CLS_REGISTER_ORDER("residualModes", "numEigen", "maxEigen", "shift", "vectors", "maxIterations", "eigensolver",
                       "minEigen", "blockSize", "maxBlocks", "timePeriod", "normalization",
                       "propertyEvaluationFrequency", "acousticCoupling", "numberInterval", "intervalBias",
                       "intervalBoundaries", "limitSavedEigenvectorRegion", "residualModeRegion", "residualModeDof",
                       "substructureCutoffMultiplier", "firstCutoffMultiplier", "secondCutoffMultiplier")

    using NormalizationEnm = kprC_FrequencyStep_NormalizationEnm;
    using AllEigenEnm = kprC_FrequencyStep_AllEigenEnm;
    // numEigen for all eigenvalues.
    static constexpr int ALL = kprC_EigenUnsetInt;

    kprC_FrequencyStep() : kprC_AnalysisStep(MatrixSolverEnm::DIRECT_SYMMETRIC) {}

    void AssertValid() const override;

    static constexpr int VectorsDef(int n) { return kprC_EigenVectorsDef(n); }
};
