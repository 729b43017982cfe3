#include "module/kpr/steps/perturbation/kprC_FrequencyStep.h"

#include "module/kpr/kprC_assert.h"

void kprC_FrequencyStep::AssertValid() const {
    kprC_AssertEigenRange(maxEigen_, numEigen_);
    kprC_AssertSymmetricDirectSolver(matrixSolver());
    kprC_Assert(propertyEvaluationFrequency_ > 0.0, kprC_PROPERTY_EVALUATION_FREQUENCY);
    kprC_Assert(secondCutoffMultiplier_ > 1.0, kprC_SECOND_CUTOFF_NOT_ABOVE_ONE);
    kprC_Assert(firstCutoffMultiplier_ <= substructureCutoffMultiplier_, kprC_FIRST_CUTOFF_ABOVE_SUBSTRUCTURE_CUTOFF);
    kprC_Assert(secondCutoffMultiplier_ <= firstCutoffMultiplier_, kprC_SECOND_CUTOFF_ABOVE_FIRST_CUTOFF);
    kprC_Assert(residualModeRegion_.size() == residualModeDof_.size(), kprC_RESIDUAL_MODE_COUNT_MISMATCH);
    for (std::size_t i = 0; i < residualModeRegion_.size(); ++i) {
        kprC_Assert(!residualModeRegion_[i].empty(), kprC_RESIDUAL_MODE_REGION_EMPTY);
        kprC_Assert(residualModeDof_[i] >= 1, kprC_RESIDUAL_MODE_DOF_NOT_POSITIVE);
    }
    switch (eigensolver_) {
        case EigensolverEnm::LANCZOS:
            kprC_Assert(maxEigen_ != kprC_EigenUnsetFloat || numEigen_ != ALL, kprC_ALL_EIGENVALUES_NEED_MAX_FREQUENCY);
            kprC_AssertLanczosBlocks(blockSize_, maxBlocks_);
            kprC_Assert(numberInterval_ >= 1, kprC_FREQUENCY_INTERVALS_NOT_POSITIVE);
            if (intervalBoundaries_.empty()) return;
            kprC_Assert(intervalBias_ == 1.0, kprC_INTERVAL_BIAS_NOT_ONE);
            kprC_Assert(std::size_t(numberInterval_ - 1) == intervalBoundaries_.size(), kprC_INTERVAL_BOUNDARY_COUNT);
            for (double boundary : intervalBoundaries_) kprC_Assert(boundary > 0.0, kprC_INTERVAL_BOUNDARY_NOT_POSITIVE);
            return;
        case EigensolverEnm::SUBSPACE:
            kprC_Assert(numEigen_ != ALL, kprC_SUBSPACE_ALL_EIGENVALUES);
            kprC_AssertSubspaceIteration(vectors_, maxIterations_);
            return;
        case EigensolverEnm::AMS:
            kprC_Assert(normalization_ == NormalizationEnm::MASS, kprC_AMS_NORMALIZATION_NOT_MASS);
            kprC_Assert(maxEigen_ != kprC_EigenUnsetFloat, kprC_AMS_NEEDS_MAX_FREQUENCY);
            kprC_Assert(!residualModes_ || !residualModeRegion_.empty(), kprC_AMS_RESIDUAL_MODES_NEED_REGIONS);
            return;
    }
    kprC_Assert(false, kprC_EIGENSOLVER_NOT_SELECTED);
}

CLS_DEFINE(kprC_FrequencyStep)
