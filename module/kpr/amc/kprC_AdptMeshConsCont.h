#pragma once
// The model's adaptive mesh constraints, held by name as a model extension under the
// constraint key. It receives every step, the Initial step first, after every change of
// the step sequence.
#include "module/kpr/amc/kprC_AdptMeshCons.h"
#include "module/kpr/propagation/kprC_PropagatingContainer.h"

template <>
struct kprC_PropagatingContainerClass<kprC_AdptMeshCons> {
    static constexpr std::uint32_t TypeId = kprC_AdptMeshConsCont_TypeId;
    static constexpr char const* Name = "kprC_AdptMeshConsCont";
};
using kprC_AdptMeshConsCont = kprC_PropagatingContainer<kprC_AdptMeshCons>;
