#pragma once
// The enumerations of the adaptive mesh controls and domains with their permitted strings.
// An enumeration that belongs to a class is declared here at namespace scope as
// <Class>_<Enumeration> (kadC_AdptMeshCtrl_AdvectionEnm), so that it exists before its
// class; the class then adopts it with `using AdvectionEnm = kadC_AdptMeshCtrl_AdvectionEnm;`.
// Enumerators are the permitted strings, valued 0, 1, 2, ... in order.
#include "platform/omu/omu_PrimEnum.h"

OMU_PRIM_ENUM(kadC_AdptMeshCtrl_AdvectionEnm, FIRST_ORDER_ADVECTION, SECOND_ORDER_ADVECTION)
OMU_PRIM_ENUM(kadC_AdptMeshCtrl_SmoothingAlgorithmEnm, STANDARD, GEOMETRY_ENHANCED, ANALYSIS_PRODUCT_DEFAULT)
OMU_PRIM_ENUM(kadC_AdptMeshCtrl_SmoothingPriorityEnm, UNIFORM, GRADED)
OMU_PRIM_ENUM(kadC_AdptMeshCtrl_MomentumAdvectionEnm, ELEMENT_CENTER_PROJECTION, HALF_INDEX_SHIFT)
OMU_PRIM_ENUM(kadC_AdptMeshCtrl_RemeshPredictorEnm, CURRENT, PREVIOUS)
OMU_PRIM_ENUM(kadC_AdptMeshCtrl_AutomaticEnm, AUTOMATIC, FACTOR)
OMU_PRIM_ENUM(kadC_AdptMeshDomain_SweepsEnm, DEFAULT)
