#pragma once
// An adaptive mesh domain of an analysis step, kept by name in the step's "amd" map. No
// settings are held yet.
#include "platform/cls/cls_AttributeTable.h"
#include "module/kad/kadC_TypeIds.h"

class kadC_AdptMeshDomain : public cls_Persistent {
    CLS_PERSISTENT(kadC_AdptMeshDomain, cls_Persistent, kadC_AdptMeshDomain_TypeId, 1, CLS_NO_ATTRIBUTES)
    kadC_AdptMeshDomain() = default;
    kadC_AdptMeshDomain(kadC_AdptMeshDomain const&) = default;
    static constexpr char const* constructorCmd() { return "AdaptiveMeshDomain"; }
};
