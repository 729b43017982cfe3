#pragma once
// The model's loads, held by name as a model extension under the load key. It receives
// the analysis steps (without the Initial step) after every change of the step sequence.
#include "module/klo/loads/kloC_Load.h"
#include "module/kpr/propagation/kprC_PropagatingContainer.h"

template <>
struct kprC_PropagatingContainerClass<kloC_Load> {
    static constexpr std::uint32_t TypeId = kloC_LoadContainer_TypeId;
    static constexpr char const* Name = "kloC_LoadContainer";
};
using kloC_LoadContainer = kprC_PropagatingContainer<kloC_Load>;
