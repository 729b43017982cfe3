#pragma once
// A named set of adaptive meshing parameters: how a domain's mesh is smoothed and how
// the solution is remapped onto the new mesh. Kept by name in the model's map of
// controls; adaptive mesh domains name the control they use.
#include "module/kad/enums/kadC_Enums.h"
#include "module/kad/kadC_TypeIds.h"
#include "platform/cls/cls_AttributeTable.h"

// Two fields are stored under other names than scripts use ("advection" is "remapping",
// "remeshPredictor" is "meshingPredictor"), and the last two are stored in reverse order.
#define KADC_ADPTMESHCTRL_ATTRIBUTES(A)                                                                     \
    A(kadC_AdptMeshCtrl_AdvectionEnm, advection, kadC_AdptMeshCtrl_AdvectionEnm::SECOND_ORDER_ADVECTION,     \
      .Script("remapping"))                                                                                 \
    A(kadC_AdptMeshCtrl_SmoothingAlgorithmEnm, smoothingAlgorithm,                                          \
      kadC_AdptMeshCtrl_SmoothingAlgorithmEnm::ANALYSIS_PRODUCT_DEFAULT)                                   \
    A(kadC_AdptMeshCtrl_SmoothingPriorityEnm, smoothingPriority, kadC_AdptMeshCtrl_SmoothingPriorityEnm::UNIFORM) \
    A(double, initialFeatureAngle, 30.0)                                                                    \
    A(double, transitionFeatureAngle, 30.0)                                                                 \
    A(kadC_AdptMeshCtrl_MomentumAdvectionEnm, momentumAdvection,                                            \
      kadC_AdptMeshCtrl_MomentumAdvectionEnm::ELEMENT_CENTER_PROJECTION)                                   \
    A(kadC_AdptMeshCtrl_RemeshPredictorEnm, remeshPredictor, kadC_AdptMeshCtrl_RemeshPredictorEnm::CURRENT,  \
      .Script("meshingPredictor"))                                                                          \
    A(double, curvatureRefinement, 1.0)                                                                     \
    A(double, volumetricSmoothingWeight, 1.0)                                                               \
    A(double, standardVolumetricSmoothingWeight, 0.0)                                                       \
    A(double, laplacianSmoothingWeight, 0.0)                                                                \
    A(double, equipotentialSmoothingWeight, 0.0)                                                            \
    A(double, originalConfigurationProjectionWeight, 1.0)                                                   \
    A(double, meshConstraintAngle, 60.0)

class kadC_AdptMeshCtrl : public cls_Persistent {
    CLS_PERSISTENT(kadC_AdptMeshCtrl, cls_Persistent, kadC_AdptMeshCtrl_TypeId, 203, KADC_ADPTMESHCTRL_ATTRIBUTES)
    CLS_WRITE_ORDER("advection", "smoothingAlgorithm", "smoothingPriority", "initialFeatureAngle",
                    "transitionFeatureAngle", "momentumAdvection", "remeshPredictor", "curvatureRefinement",
                    "volumetricSmoothingWeight", "standardVolumetricSmoothingWeight", "laplacianSmoothingWeight",
                    "equipotentialSmoothingWeight", "meshConstraintAngle", "originalConfigurationProjectionWeight")

    using AdvectionEnm = kadC_AdptMeshCtrl_AdvectionEnm;
    using SmoothingAlgorithmEnm = kadC_AdptMeshCtrl_SmoothingAlgorithmEnm;
    using SmoothingPriorityEnm = kadC_AdptMeshCtrl_SmoothingPriorityEnm;
    using MomentumAdvectionEnm = kadC_AdptMeshCtrl_MomentumAdvectionEnm;
    using RemeshPredictorEnm = kadC_AdptMeshCtrl_RemeshPredictorEnm;
    using AutomaticEnm = kadC_AdptMeshCtrl_AutomaticEnm;

    kadC_AdptMeshCtrl() = default;
    // A copy is another control: it draws its own identity (cls_InstanceUid), so that a
    // model holding both writes two controls, not one shared twice.
    kadC_AdptMeshCtrl(kadC_AdptMeshCtrl const&) = default;
    kadC_AdptMeshCtrl& operator=(kadC_AdptMeshCtrl const&) = default;

    // The angles within 0 to 180 degrees and the weights and the curvature refinement not
    // negative, in a fixed order; raises the first failure's message (a NaN fails).
    virtual void AssertValid() const;

    static constexpr char const* constructorCmd() { return "AdaptiveMeshControl"; }
    static constexpr char const* repositoryCmd() { return "adaptiveMeshControls"; }
    static constexpr char const* keyCmd() { return "name"; }
    static constexpr char const* setValuesCmd() { return "setValues"; }
};
