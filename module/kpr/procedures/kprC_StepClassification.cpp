#include "module/kpr/procedures/kprC_StepClassification.h"

#include "module/kpr/procedures/kprC_ProcedureClassification.h"
#include "module/kpr/steps/general/kprC_CoupledTempDisplacementStep.h"
#include "module/kpr/steps/general/kprC_CoupledThermalElectricStep.h"
#include "module/kpr/steps/general/kprC_HeatTransferStep.h"
#include "module/kpr/steps/general/kprC_ImplicitDynamicsStep.h"
#include "module/kpr/steps/general/kprC_MassDiffusionStep.h"
#include "module/kpr/steps/general/kprC_SoilsStep.h"
#include "module/kpr/steps/general/kprC_StaticStep.h"
#include "platform/nex/nex_DynamicCast.h"

namespace {
template <class T>
T const& As(kprC_Step const& step) {
    nex_canDynamicCastRef(T::TypeId(), step.DynTypeId(), __FILE__, __LINE__);
    return static_cast<T const&>(step);
}

template <class T>
bool Fixed(kprC_Step const& step) {
    return As<T>(step).timeIncrementationMethod() == kprC_Step::TimeIncrementationMethodEnm::FIXED;
}

// Automatic incrementation with an end criterion set (`end` moved off its initial value).
template <class T>
bool EndsOnSteadyState(kprC_Step const& step, double initialEnd) {
    auto const& s = As<T>(step);
    return s.timeIncrementationMethod() == kprC_Step::TimeIncrementationMethodEnm::AUTOMATIC && s.end() != initialEnd;
}

bool Transient(kprC_Step const& step) { return step.Response() == kprC_Step::ResponseEnm::TRANSIENT; }
}  // namespace

bool kprC_TimeMarksConsistency(kprC_Step const& step, bool) {
    switch (step.DynTypeId()) {
    case kprC_SoilsStep_TypeId: return !Fixed<kprC_SoilsStep>(step);
    case kprC_StaticStep_TypeId: return !Fixed<kprC_StaticStep>(step);
    case kprC_ImplicitDynamicsStep_TypeId: return !Fixed<kprC_ImplicitDynamicsStep>(step);
    default: break;
    }
    if (!Transient(step)) return true;
    switch (step.DynTypeId()) {
    case kprC_CoupledThermalElectricStep_TypeId: return !Fixed<kprC_CoupledThermalElectricStep>(step);
    case kprC_CoupledTempDisplacementStep_TypeId: return !Fixed<kprC_CoupledTempDisplacementStep>(step);
    case kprC_MassDiffusionStep_TypeId: return !Fixed<kprC_MassDiffusionStep>(step);
    case kprC_HeatTransferStep_TypeId: return !Fixed<kprC_HeatTransferStep>(step);
    default: return true;
    }
}

bool kprC_TimeMarksIsAllowed(kprC_Step const& step, bool flag) {
    return kprC_TimeMarksConsistency(step, flag) && kprC_TimeMarksIsAllowed(step.DynTypeId(), flag);
}

bool kprC_NumberIntervalConsistency(kprC_Step const& step) {
    if (!Transient(step)) return true;
    switch (step.DynTypeId()) {
    case kprC_SoilsStep_TypeId: return !EndsOnSteadyState<kprC_SoilsStep>(step, kprC_UNSET);
    case kprC_CoupledThermalElectricStep_TypeId:
        return !EndsOnSteadyState<kprC_CoupledThermalElectricStep>(step, kprC_UNSET);
    case kprC_MassDiffusionStep_TypeId: return !EndsOnSteadyState<kprC_MassDiffusionStep>(step, 0.0);
    case kprC_HeatTransferStep_TypeId: return !EndsOnSteadyState<kprC_HeatTransferStep>(step, kprC_UNSET);
    default: return true;
    }
}

bool kprC_NumberIntervalIsAllowed(kprC_Step const& step) {
    return kprC_NumberIntervalConsistency(step) && kprC_NumberIntervalIsAllowed(step.DynTypeId());
}
