// The host's table of which controls the steps of each procedure hold, and the checks
// its commands make on them.
#include "host/hst_StepControls.h"

#include <algorithm>
#include <iterator>

#include "module/kpr/controls/kprC_FieldControls.h"
#include "module/kpr/kprC_assert.h"
#include "module/kpr/procedures/kprC_ProcedureCodes.h"

namespace {
struct ProcedureControls {
    unsigned int procedure;
    std::uint32_t controls;
    bool solver;
};
// The procedures that hold active solution controls, by the fields they solve for.
constexpr ProcedureControls procedureControls[] = {
    {kprC_STATIC_STEP_ID, kprC_TypicalControls_TypeId, true},
    {kprC_STATIC_RIKS_STEP_ID, kprC_TypicalControls_TypeId, false},
    {kprC_VISCO_STEP_ID, kprC_TypicalControls_TypeId, false},
    {kprC_IMPLICIT_DYNAMICS_STEP_ID, kprC_TypicalControls_TypeId, false},
    {kprC_SUBSPACE_DYNAMICS_STEP_ID, kprC_TypicalControls_TypeId, false},
    {kprC_GEOSTATIC_STEP_ID, kprC_PoreControls_TypeId, false},
    {kprC_SOILS_STEP_ID, kprC_PoreControls_TypeId, false},
    {kprC_COUPLED_TEMP_DISPLACEMENT_STEP_ID, kprC_CTDControls_TypeId, false},
    {kprC_COUPLED_THERMAL_ELECTRIC_STEP_ID, kprC_CTEControls_TypeId, false},
    {kprC_HEAT_TRANSFER_STEP_ID, kprC_HeatTransferControls_TypeId, true},
    {kprC_MASS_DIFFUSION_STEP_ID, kprC_MassDiffusionControls_TypeId, false},
    // Inactive solution controls, with linear solver controls.
    {kprC_STATIC_LINEAR_PERTURBATION_STEP_ID, kprC_InactiveControls_TypeId, true},
};

ProcedureControls RowOf(unsigned int procedure) {
    auto const* row = std::ranges::find(procedureControls, procedure, &ProcedureControls::procedure);
    return row == std::end(procedureControls) ? ProcedureControls{procedure, kprC_InactiveControls_TypeId, false} : *row;
}

cow_COW<kprC_Controls> DefaultControls(unsigned int procedure) {
    auto const* c = cls_ScriptRegistry::Find(RowOf(procedure).controls);
    NEX_ASSERT(c != nullptr && c->create);
    return cow_COW<kprC_Controls>(dynamic_cast<kprC_Controls*>(c->create()));
}
}  // namespace

std::uint32_t hst_ControlsClassOf(unsigned int procedure) { return RowOf(procedure).controls; }
bool hst_HasSolverControls(unsigned int procedure) { return RowOf(procedure).solver; }

void hst_GiveDefaultControls(kprC_AnalysisStep& step) {
    step.controls(DefaultControls(step.ProcedureType()));
    step.linearCtrl(hst_HasSolverControls(step.ProcedureType()) ? cow_COW<kprC_LinearCtrl>(new kprC_LinearCtrl)
                                                                : cow_COW<kprC_LinearCtrl>());
}

bool hst_SetControlsByName(kprC_Step& step, std::string const& key, cls_ScriptValue const& value) {
    bool const solution = key == kprC_AnalysisStep::controlsCmd(), solver = key == kprC_AnalysisStep::linearCtrlCmd();
    if (!solution && !solver && key != kprC_AnalysisStep::contactControlsCmd()) return false;
    auto* analysis = dynamic_cast<kprC_AnalysisStep*>(&step);
    kprC_Assert(analysis != nullptr, kprC_CONTROLS_IN_INITIAL_STEP);
    auto const* name = value.If<std::string>();
    if (!name || (!solution && !solver)) return false;
    bool const reset = cls_EnumCodec<kprC_Controls::DefaultEnm>::FromScript(*name) == kprC_Controls::DefaultEnm::DEFAULT;
    auto named = [reset](auto controls) {
        controls.GetMutable().allowPropagation(!reset);
        controls.GetMutable().resetDefaultValues(reset);
        return controls;
    };
    if (solution) {
        analysis->controls(named(DefaultControls(step.ProcedureType())));
        return true;
    }
    kprC_Assert(hst_HasSolverControls(step.ProcedureType()), kprC_SOLVER_CONTROLS_NOT_AVAILABLE);
    analysis->linearCtrl(named(cow_COW<kprC_LinearCtrl>(new kprC_LinearCtrl)));
    return true;
}

void hst_KeepFittingControls(kprC_AnalysisStep& step) {
    if (step.controls() && step.controls()->DynTypeId() != hst_ControlsClassOf(step.ProcedureType()))
        step.controls(DefaultControls(step.ProcedureType()));
    if (!hst_HasSolverControls(step.ProcedureType())) step.linearCtrl({});
}

void hst_AssertControls(kprC_AnalysisStep const& step) {
    if (step.controls())
        kprC_Assert(step.controls()->DynTypeId() == hst_ControlsClassOf(step.ProcedureType()),
                    kprC_CONTROLS_UNAVAILABLE_FOR_STEP);
    if (step.linearCtrl()) kprC_Assert(hst_HasSolverControls(step.ProcedureType()), kprC_SOLVER_CONTROLS_NOT_AVAILABLE);
    step.AssertControlsValid();
}

void hst_AssertStep(kprC_Step const& step) {
    step.AssertValid();
    if (auto const* analysis = dynamic_cast<kprC_AnalysisStep const*>(&step)) hst_AssertControls(*analysis);
}
