#include "module/kad/controls/kadC_AdptMeshCtrl.h"

#include "module/kad/kadC_assert.h"

namespace {
// Written as "within", not "outside", so that a NaN fails.
bool IsAngle(double degrees) { return degrees >= 0.0 && degrees <= 180.0; }
}  // namespace

void kadC_AdptMeshCtrl::AssertValid() const {
    kadC_Assert(IsAngle(initialFeatureAngle_), kadC_INITIAL_FEATURE_ANGLE_RANGE);
    kadC_Assert(IsAngle(transitionFeatureAngle_), kadC_TRANSITION_FEATURE_ANGLE_RANGE);
    // Both volumetric weights share one message.
    kadC_Assert(volumetricSmoothingWeight_ >= 0.0, kadC_VOLUMETRIC_WEIGHT_NEGATIVE);
    kadC_Assert(standardVolumetricSmoothingWeight_ >= 0.0, kadC_VOLUMETRIC_WEIGHT_NEGATIVE);
    kadC_Assert(laplacianSmoothingWeight_ >= 0.0, kadC_LAPLACIAN_WEIGHT_NEGATIVE);
    kadC_Assert(equipotentialSmoothingWeight_ >= 0.0, kadC_EQUIPOTENTIAL_WEIGHT_NEGATIVE);
    kadC_Assert(originalConfigurationProjectionWeight_ >= 0.0, kadC_PROJECTION_WEIGHT_NEGATIVE);
    kadC_Assert(IsAngle(meshConstraintAngle_), kadC_MESH_CONSTRAINT_ANGLE_RANGE);
    kadC_Assert(curvatureRefinement_ >= 0.0, kadC_CURVATURE_REFINEMENT_NEGATIVE);
}

CLS_DEFINE(kadC_AdptMeshCtrl)
