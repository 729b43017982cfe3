#pragma once
// An adaptive mesh domain of an analysis step: the region whose mesh is smoothed and
// remapped, the name of the adaptive mesh control that governs how, and how often and
// how thoroughly. Kept in the step's "amd" map under the step's name; it does not
// propagate to later steps.
#include "module/kad/enums/kadC_Enums.h"
#include "module/kad/kadC_TypeIds.h"
#include "platform/cls/cls_AttributeTable.h"
#include "platform/rgn/rgnC_Region.h"

// The largest 32-bit signed integer: initial sweeps left to the analysis, which scripts
// give and read as DEFAULT.
inline constexpr int kadC_DefaultInitialSweeps = 2147483647;

// The two sweep counts are stored under other names than scripts use.
#define KADC_ADPTMESHDOMAIN_ATTRIBUTES(A)                                                          \
    A(rgnC_Region, region, {})                                                                     \
    A(cow_String, controls, {})                                                                    \
    A(int, frequency, 10)                                                                          \
    A(int, initialRemeshingSweeps, kadC_DefaultInitialSweeps,                                      \
      .Script("initialMeshSweeps").Word<kadC_AdptMeshDomain_SweepsEnm>(kadC_DefaultInitialSweeps)) \
    A(int, sweepsPerIncrement, 1, .Script("meshSweeps"))

class kadC_AdptMeshDomain : public cls_Persistent {
    CLS_PERSISTENT(kadC_AdptMeshDomain, cls_Persistent, kadC_AdptMeshDomain_TypeId, 203, KADC_ADPTMESHDOMAIN_ATTRIBUTES)
    using SweepsEnm = kadC_AdptMeshDomain_SweepsEnm;

    kadC_AdptMeshDomain() = default;
    kadC_AdptMeshDomain(kadC_AdptMeshDomain const&) = default;
    kadC_AdptMeshDomain& operator=(kadC_AdptMeshDomain const&) = default;

    // Frequency at least 1, initial sweeps at least 0, sweeps per increment at least 1,
    // in that order; raises the first failure's message. Neither the region nor the
    // control's existence is checked.
    virtual void AssertValid() const;

    static constexpr char const* constructorCmd() { return "AdaptiveMeshDomain"; }
    static constexpr char const* repositoryCmd() { return "adaptiveMeshDomains"; }
    static constexpr char const* setValuesCmd() { return "setValues"; }
};
