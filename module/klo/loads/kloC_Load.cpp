#include "module/klo/loads/kloC_Load.h"

#include <algorithm>
#include <utility>

#include "module/kpr/procedures/kprC_ProcedureClassification.h"
#include "module/kpr/procedures/kprC_ProcedureCodes.h"

namespace {
using StatusEnm = mdl_PropagationStatusEnm;

cow_COW<kloC_LoadState> CopyOf(kloC_LoadState const& state) { return cow_COW<kloC_LoadState>(state.Copy()); }

// The procedures a load cannot be moved into, besides the perturbation ones.
constexpr std::pair<unsigned int, kloC_ErrorEnm> moveRefusals[] = {
    {kprC_ANNEAL_STEP_ID, kloC_MOVE_INTO_ANNEAL},
    {kprC_MODAL_DYNAMICS_STEP_ID, kloC_MOVE_INTO_MODAL_DYNAMICS},
    {kprC_RANDOM_RESPONSE_STEP_ID, kloC_MOVE_INTO_RANDOM_RESPONSE},
    {kprC_RESPONSE_SPECTRUM_STEP_ID, kloC_MOVE_INTO_RESPONSE_SPECTRUM},
    {kprC_STEADY_STATE_MODAL_STEP_ID, kloC_MOVE_INTO_SSD_MODAL},
};

// Set while a load checks the records it has just propagated: its check then need not
// propagate them again.
thread_local bool checkingPropagated = false;
struct CheckingPropagated {
    bool const outer = std::exchange(checkingPropagated, true);
    ~CheckingPropagated() { checkingPropagated = outer; }
};

// The statuses in which there is nothing to reset.
bool NothingToReset(StatusEnm s) {
    using S = StatusEnm;
    for (S nothing : {S::NOT_YET_CREATED, S::MODIFIED, S::INACTIVE, S::NOT_VALID_IN_STEP, S::OUTSIDE_PERTURBATION_STEP,
                      S::MODIFIED_FROM_BASE_STATE, mdl_STATUS_13_AS_MODIFIED})
        if (s == nothing) return true;
    return false;
}
}  // namespace

kloC_Load::kloC_Load(rgnC_Region region, cow_String const& stepName, kloC_LoadState const& state)
    : region_(std::move(region)) {
    states_.emplace_back(stepName, StatusEnm::NOT_YET_CREATED, CopyOf(state), cow_COW<kprC_Step>());
}

void kloC_Load::Commit(Records const& records) {
    states_ = kloC_LoadPropagator::Run(records, *this);
    CheckingPropagated const guard;
    AssertValid();
}

template <class Undo>
void kloC_Load::CommitEdited(Undo undo) {
    try {
        kloC_LoadPropagator::Update(states_, *this);
    } catch (...) {
        undo();
        throw;
    }
    CheckPropagated();
}

void kloC_Load::CheckPropagated() const {
    CheckingPropagated const guard;
    AssertValid();
}

void kloC_Load::Propagate() {
    CommitEdited([] {});
}

int kloC_Load::CreationType() const {
    auto const& step = ConstGetStateQuad(CreateStepName()).procedure();
    return step ? int(kprC_ValidityType(*step)) : -1;
}

bool kloC_Load::WantsComplex(unsigned int procedureType) const {
    return StateIn(CreateStepName()).UseComplex(procedureType);
}

void kloC_Load::SwitchComplex(bool& useComplex, std::initializer_list<ComplexPart> parts) {
    useComplex = !useComplex;
    for (auto const& p : parts) {
        if (useComplex) {
            p.complexReal = p.real.value();
            p.complexImag = 0.0;
            p.real = 0.0;
        } else {
            p.real = p.complexReal;
            p.complexReal = p.complexImag = 0.0;
        }
    }
    if (Recs::HasProcedure(states_)) states_ = kloC_LoadPropagator::Run(states_, *this);
}

bool kloC_Load::Insert(cow_String const& stepName, kloC_LoadState const& state) {
    // A deactivating state in the creation record is refused as a deactivation there is:
    // the next propagation would otherwise turn the creation itself into a deactivation.
    if (state.deactivate() && (states_.empty() || stepName == CreateStepName()))
        kloC_Assert(false, kloC_CANNOT_DEACTIVATE);
    if (auto* r = Recs::Find(states_, stepName)) {
        r->state(CopyOf(state));
        bool const inContainer = bool(r->procedure());
        SetStateStatusChecks();
        if (inContainer) Propagate();
        return true;
    }
    if (!states_.empty()) return false;
    states_.emplace_back(stepName, StatusEnm::NOT_YET_CREATED, CopyOf(state), cow_COW<kprC_Step>());
    SetStateStatusChecks();
    return true;
}

void kloC_Load::Deactivate(cow_String const& stepName) {
    Record const* r = Recs::Find(states_, stepName);
    kloC_Assert(r != nullptr, kloC_NO_SUCH_STEP);
    if (!r->HasState() || r->state()->deactivate()) return;
    kloC_Assert(IsActive(r->status()), kloC_NOT_ACTIVE);
    kloC_Assert(!(r->procedure() && r->procedure()->Perturbation()), kloC_DEACTIVATE_IN_BASE_STATE);
    // Deactivating the creation would turn the creation state itself into a deactivated
    // one that later steps keep carrying: a load is removed, not deactivated, there.
    kloC_Assert(stepName != CreateStepName(), kloC_CANNOT_DEACTIVATE);
    Records next = states_;
    Recs::Get(next, stepName).MutableState().deactivate(true);
    Commit(next);
}

void kloC_Load::Move(cow_String const& from, cow_String const& to) {
    if (from == to) return;
    kloC_Assert(Recs::Find(states_, from) && Recs::Find(states_, to), kloC_NO_SUCH_STEP);
    // Walk and check a copy: a refusal at any point leaves the load exactly as it was.
    Records next = states_;
    Recs::ClearBetween(next, from, to, &IsIllegalMove, &kloC_Assert, kloC_MOVE_DESTINATION, kloC_MOVE_INTERMEDIATE);
    Record& source = Recs::Get(next, from);
    Record& target = Recs::Get(next, to);
    kloC_Assert(IsActive(source.status()), kloC_MOVE_NOT_ACTIVE);
    kloC_Assert(!IsPropagated(source.status()), kloC_NOTHING_TO_MOVE);
    kloC_Assert(!(source.procedure() && source.procedure()->Perturbation()), kloC_MOVE_FROM_PERTURBATION);
    unsigned int const type = target.procedure() ? kprC_ValidityType(*target.procedure()) : 0;
    kloC_Assert(!kprC_Step::Perturbation(type), kloC_MOVE_INTO_PERTURBATION);
    for (auto const& [procedure, code] : moveRefusals) kloC_Assert(type != procedure, code);
    kloC_Assert(ValidInStepButRelaxCheckOnInitial(int(type), false), kloC_MOVE_TYPE_INVALID);
    Recs::MoveDefinition(source, target);
    Commit(next);
}

void kloC_Load::Reset(cow_String const& stepName) {
    kloC_Assert(Recs::Find(states_, stepName) != nullptr, kloC_NO_SUCH_STEP);
    kloC_Assert(stepName != CreateStepName(), kloC_RESET_IN_CREATE_STEP);
    kloC_Assert(!NothingToReset(Status(stepName)), kloC_RESET_NOT_DEACTIVATED);
    Records next = states_;
    Recs::ResetTarget(next, stepName).ClearState();
    Commit(next);
}

void kloC_Load::Resume() {
    suppress_ = false;
    Propagate();
}

void kloC_Load::UpdateStates() {
    int const type = CreationType();
    if (type >= 0) kloC_Assert(ValidInStepButRelaxCheckOnInitial(type, false), kloC_TYPE_INVALID_IN_STEP);
    Propagate();
}

void kloC_Load::AdoptSteps(kprC_StepList const& steps) {
    if (!Recs::SameNames(states_, steps)) {
        Records next = states_;
        Recs::Adopt(next, steps);
        return Commit(next);
    }
    // The same steps, some of them with new step objects (a procedure changed): swap
    // those in place. Records of these very step objects are already their propagation.
    // A new step object whose procedure the propagation reads the same way (a static
    // step for another static one, say) changes no status: the load is only checked.
    // Records that only name the step through another handle (after a rename, or as read)
    // take the list's, so that the records of a step share one.
    std::vector<std::pair<std::size_t, kprC_StepRef>> before;
    bool sameEffect = true;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        Record& r = states_[i];
        if (r.step().SharesWith(steps[i].step())) continue;
        if (!r.procedure().SharesWith(steps[i].procedure())) {
            before.emplace_back(i, r.step());
            sameEffect = sameEffect && kloC_LoadPropagator::SameEffect(r.procedure().Shared().get(),
                                                                       steps[i].procedure().Shared().get(), *this);
        }
        r.step(steps[i].step());
    }
    if (before.empty()) return;
    if (sameEffect) return CheckPropagated();
    CommitEdited([&] {
        for (auto& [i, step] : before) states_[i].step(std::move(step));
    });
}

void kloC_Load::InsertStep(std::size_t index, kprC_StepNameProcedurePair const& step) {
    Recs::InsertStep(states_, index, step);
    if (kloC_LoadPropagator::FilledWithoutPropagating(states_, index)) return CheckPropagated();
    CommitEdited([&] { states_.erase(states_.begin() + std::ptrdiff_t(index)); });
}

void kloC_Load::RemoveStepState(cow_String const& stepName) {
    auto const at = std::ranges::find_if(states_, [&](Record const& r) { return r.stepName() == stepName; });
    if (at == states_.end()) return Propagate();
    auto const index = at - states_.begin();
    if (!at->HasState() && kloC_LoadPropagator::FilledWithoutPropagating(states_, std::size_t(index))) {
        states_.erase(at);
        return CheckPropagated();
    }
    Record removed = std::move(*at);
    states_.erase(at);
    CommitEdited([&] { states_.insert(states_.begin() + index, std::move(removed)); });
}

void kloC_Load::RenameStepState(cow_String const& oldName, cow_String const& newName) {
    Recs::Rename(states_, oldName, newName);
}

void kloC_Load::ClearStepState(cow_String const& stepName) {
    kloC_Assert(stepName != CreateStepName(), kloC_RESET_IN_CREATE_STEP);
    Recs::Clear(states_, stepName);
}

bool kloC_Load::ClearState(cow_String const& stepName) {
    if (!Recs::Find(states_, stepName)) return false;
    Records next = states_;
    Recs::Get(next, stepName).ClearState();
    Commit(next);
    return true;
}

kloC_LoadState const& kloC_Load::StateIn(cow_String const& stepName) const {
    Record const& r = ConstGetStateQuad(stepName);
    kloC_Assert(r.HasState(), kloC_NOT_IN_STEP);
    return *r.state();
}

bool kloC_Load::HasStep(cow_String const& stepName) const {
    Record const* r = Recs::Find(states_, stepName);
    return !suppress_ && r && IsActive(r->status()) && r->HasState();
}

void kloC_Load::CheckStep(cow_String const& stepName) const { kloC_Assert(HasStep(stepName), kloC_NOT_IN_STEP); }

bool kloC_Load::ValidInALoadCase(cow_String const& stepName, bool raise) const {
    Record const* r = Recs::Find(states_, stepName);
    std::pair<bool, kloC_ErrorEnm> const rules[] = {
        {r && r->HasState() && IsActive(r->status()), kloC_NOT_ACTIVE_FOR_LOAD_CASE},
        {AllowedInALoadCase(), kloC_TYPE_NOT_ALLOWED_IN_LOAD_CASE},
        {!NYIForLoadCase(), kloC_CONNECTOR_IN_LOAD_CASE},
    };
    for (auto const& [holds, code] : rules) {
        if (holds) continue;
        if (raise) kloC_Assert(false, code);
        return false;
    }
    return true;
}

bool kloC_Load::UsesField(cow_String& name) const {
    name.clear();
    return false;
}

void kloC_Load::AssertValid() const {
    if (suppress_) return;
    AssertValidAnyMagnitude();
    kloC_Assert(!CheckForZero(CreateStepName()), kloC_ZERO_MAGNITUDE);
}

void kloC_Load::AssertValidAnyMagnitude() const {
    // Consecutive records share their state object until a step changes it: check each once.
    auto checkStates = [](Records const& records) {
        kloC_LoadState const* checked = nullptr;
        for (auto const& r : records)
            if (r.HasState() && &r.state().Get() != checked) {
                checked = &r.state().Get();
                checked->AssertValid();
            }
    };
    checkStates(states_);
    if (!Recs::HasProcedure(states_)) return;
    if (!checkingPropagated) checkStates(kloC_LoadPropagator::Run(states_, *this));
    auto const& step = ConstGetStateQuad(CreateStepName()).procedure();
    if (!step) return;
    kloC_Assert(step->ProcedureType() != kprC_ANNEAL_STEP_ID, kloC_IN_ANNEAL_STEP);
    kloC_Assert(ValidInStepButRelaxCheckOnInitial(int(kprC_ValidityType(*step)), false), kloC_TYPE_INVALID_IN_STEP);
}

cow_List<rgnC_Region> kloC_Load::Regions(rgnC_RegionType type) const {
    if (type == 2 || (type == 0) == region_.flag()) return {region_};
    return {};
}

cow_List<cow_String> kloC_Load::Amplitudes() const {
    cow_List<cow_String> names;
    for (auto const& r : states_)
        if (r.HasState()) names.push_back(r.state()->amplitude().value());
    return names;
}

bool kloC_Load::ValidInStepButRelaxCheckOnInitial(int procedureType, bool relax) const {
    return ValidInStep(procedureType, relax, procedureType == 0, kprC_IsExplicit(unsigned(procedureType)));
}

bool kloC_Load::ValidInStep(kprC_Step const& step, bool relax, bool isInitial, bool isExplicit) const {
    return ValidInStep(int(step.ProcedureType()), relax, isInitial, isExplicit);
}

bool kloC_Load::ValidInStep(int procedureType, bool relax, bool, bool) const {
    return kloC_isValidLoadTypeforStep(int(DynTypeId()), procedureType) || ValidInStepSpecialRule(procedureType, relax);
}

CLS_DEFINE(kloC_Load)
