#pragma once
// The natural frequency extraction step: which eigenvalues to extract, with which
// eigensolver (Lanczos, subspace or AMS), how to normalise the eigenvectors, and the
// residual-mode and reduced-eigenproblem settings.
#include "module/kpr/steps/kprC_AnalysisStep.h"
#include "module/kpr/steps/kprC_StepAccessors.h"
#include "module/kpr/steps/perturbation/kprC_EigenRules.h"
#include "platform/rgn/rgnC_Region.h"

// Rows in stored order. The reading order is the declaration order (the read ranks), and
// residualModes, added to the layout later, is registered first.
#define KPRC_FREQUENCYSTEP_ATTRIBUTES(A)                                                                        \
    A(numEigen, numEigen_, "numEigen", kprC_EigenUnsetInt)                                                      \
    A(maxEigen, maxEigen_, "maxEigen", kprC_EigenUnsetFloat)                                                    \
    A(shift, shift_, "shift", kprC_EigenUnsetFloat)                                                             \
    A(vectors, vectors_, "vectors", 0)                                                                          \
    A(maxIterations, maxIterations_, "maxIterations", 30)                                                       \
    A(residualModes, residualModes_, "residualModes", false, .ReadRank(16).RegisterRank(-1))                    \
    A(eigensolver, eigensolver_, "eigensolver", kprC_Step_EigensolverEnm::LANCZOS, .ReadRank(5))                \
    A(minEigen, minEigen_, "minEigen", kprC_EigenUnsetFloat, .ReadRank(6))                                      \
    A(blockSize, blockSize_, "blockSize", kprC_EigenUnsetInt, .ReadRank(7))                                     \
    A(maxBlocks, maxBlocks_, "maxBlocks", kprC_EigenUnsetInt, .ReadRank(8))                                     \
    A(timePeriod, timePeriod_, "timePeriod", 0.0, .ReadRank(9))                                                 \
    A(normalization, normalization_, "normalization", kprC_FrequencyStep_NormalizationEnm::DISPLACEMENT,        \
      .ReadRank(10))                                                                                            \
    A(propertyEvaluationFrequency, propertyEvaluationFrequency_, "propertyEvaluationFrequency",                 \
      kprC_EigenUnsetFloat, .ReadRank(11))                                                                      \
    A(acousticCoupling, acousticCoupling_, "acousticCoupling", true, .ReadRank(12))                             \
    A(numberInterval, numberInterval_, "numberInterval", 1, .ReadRank(13))                                      \
    A(intervalBias, intervalBias_, "intervalBias", 1.0, .ReadRank(14))                                          \
    A(intervalBoundaries, intervalBoundaries_, "intervalBoundaries", {}, .ReadRank(15).AsArray())               \
    A(limitSavedEigenvectorRegion, limitSavedEigenvectorRegion_, "limitSavedEigenvectorRegion", {},             \
      .ReadRank(22))                                                                                            \
    A(residualModeRegion, residualModeRegion_, "residualModeRegion", {}, .ReadRank(20).AsArray())               \
    A(residualModeDof, residualModeDof_, "residualModeDof", {}, .ReadRank(21).AsArray())                        \
    A(substructureCutoffMultiplier, substructureCutoffMultiplier_, "substructureCutoffMultiplier", 5.0,         \
      .ReadRank(17))                                                                                            \
    A(firstCutoffMultiplier, firstCutoffMultiplier_, "firstCutoffMultiplier", 1.6, .ReadRank(18))               \
    A(secondCutoffMultiplier, secondCutoffMultiplier_, "secondCutoffMultiplier", 1.3, .ReadRank(19))

class kprC_FrequencyStep : public kprC_AnalysisStep {
    CLS_PERSISTENT(kprC_FrequencyStep, kprC_AnalysisStep, kprC_FrequencyStep_TypeId, 881,
                   KPRC_FREQUENCYSTEP_ATTRIBUTES)

private:
    int numEigen_;
    double maxEigen_;
    double shift_;
    int vectors_;
    int maxIterations_;
    kprC_Step_EigensolverEnm eigensolver_;
    double minEigen_;
    int blockSize_;
    int maxBlocks_;
    double timePeriod_;
    kprC_FrequencyStep_NormalizationEnm normalization_;
    double propertyEvaluationFrequency_;
    bool acousticCoupling_;
    int numberInterval_;
    double intervalBias_;
    cow_List<double> intervalBoundaries_;
    bool residualModes_;
    double substructureCutoffMultiplier_;
    double firstCutoffMultiplier_;
    double secondCutoffMultiplier_;
    cow_List<cow_String> residualModeRegion_;
    cow_List<int> residualModeDof_;
    rgnC_Region limitSavedEigenvectorRegion_;

public:
    using NormalizationEnm = kprC_FrequencyStep_NormalizationEnm;
    using AllEigenEnm = kprC_FrequencyStep_AllEigenEnm;
    // numEigen for all eigenvalues.
    static constexpr int ALL = kprC_EigenUnsetInt;

    KPRC_ACCESSORS(KPRC_FREQUENCYSTEP_ATTRIBUTES)

    kprC_FrequencyStep();
    kprC_FrequencyStep(kprC_FrequencyStep const&) = default;

    double TimePeriod() const override { return timePeriod_; }
    void AssertValid() const override;

    static constexpr int VectorsDef(int n) { return kprC_EigenVectorsDef(n); }

    KPRC_NAME(constructorCmd, "FrequencyStep")
};
