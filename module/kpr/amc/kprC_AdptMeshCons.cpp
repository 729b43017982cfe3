// The per-step operations of adaptive mesh constraints. Each works on a copy of the
// records and makes it the constraint's only once the propagation and the check that
// follow it accept, so a refused operation leaves the constraint exactly as it was.
#include "module/kpr/amc/kprC_AdptMeshCons.h"

#include <algorithm>
#include <utility>

#include "module/kpr/amc/kprC_AdptMeshConsTypeLabelMap.h"
#include "module/kpr/kprC_assert.h"
#include "module/kpr/procedures/kprC_ProcedureClassification.h"
#include "module/kpr/procedures/kprC_ProcedureCodes.h"

namespace {
using StatusEnm = mdl_PropagationStatusEnm;

cow_COW<kprC_AdptMeshConsState> CopyOf(kprC_AdptMeshConsState const& state) {
    return cow_COW<kprC_AdptMeshConsState>(state.Copy());
}

// The procedures a constraint cannot be moved into, checked after the perturbation
// procedures (221). Every one but Anneal is a perturbation procedure, so 212 to 215 are
// never reached: the rows keep the codes where the checks are listed.
constexpr std::pair<unsigned int, kprC_ErrorEnm> moveRefusals[] = {
    {kprC_ANNEAL_STEP_ID, kprC_AMC_MOVE_INTO_ANNEAL},
    {kprC_MODAL_DYNAMICS_STEP_ID, kprC_AMC_MOVE_INTO_MODAL_DYNAMICS},
    {kprC_RANDOM_RESPONSE_STEP_ID, kprC_AMC_MOVE_INTO_RANDOM_RESPONSE},
    {kprC_RESPONSE_SPECTRUM_STEP_ID, kprC_AMC_MOVE_INTO_RESPONSE_SPECTRUM},
    {kprC_STEADY_STATE_MODAL_STEP_ID, kprC_AMC_MOVE_INTO_SSD_MODAL},
};

// The statuses in which there is nothing to reset.
bool NothingToReset(StatusEnm s) {
    using S = StatusEnm;
    for (S nothing : {S::NOT_YET_CREATED, S::MODIFIED, S::INACTIVE, S::NOT_VALID_IN_STEP, S::OUTSIDE_PERTURBATION_STEP,
                      S::MODIFIED_FROM_BASE_STATE, mdl_STATUS_13_AS_MODIFIED})
        if (s == nothing) return true;
    return false;
}

bool InPerturbation(kprC_StateQuad const& r) { return r.procedure() && r.procedure()->Perturbation(); }
}  // namespace

kprC_AdptMeshCons::kprC_AdptMeshCons(rgnC_Region region, cow_String const& stepName,
                                     kprC_AdptMeshConsState const& state)
    : region_(std::move(region)) {
    states_.emplace_back(stepName, StatusEnm::NOT_YET_CREATED, CopyOf(state), cow_COW<kprC_Step>());
}

bool kprC_AdptMeshCons::UseBasename(unsigned int p) {
    return p == kprC_FREQUENCY_STEP_ID || p == kprC_COMPLEX_FREQUENCY_STEP_ID;
}

void kprC_AdptMeshCons::Commit(Records const& records) {
    Records next = kprC_AdptMeshConsPropagator::Run(records, *this);
    std::swap(states_, next);
    try {
        AssertValid();
    } catch (...) {
        std::swap(states_, next);
        throw;
    }
}

kprC_StateQuad const& kprC_AdptMeshCons::RecordOf(cow_String const& stepName) const {
    Record const* r = Recs::Find(states_, stepName);
    kprC_Assert(r != nullptr, kprC_AMC_STEP_DOES_NOT_EXIST);
    return *r;
}

bool kprC_AdptMeshCons::Insert(cow_String const& stepName, kprC_AdptMeshConsState const& state) {
    if (Recs::Find(states_, stepName)) {
        Records next = states_;
        Recs::Get(next, stepName).state(CopyOf(state));
        if (Recs::HasProcedure(next))
            Commit(next);
        else
            states_ = std::move(next);
        return true;
    }
    if (!states_.empty()) return false;
    states_.emplace_back(stepName, StatusEnm::NOT_YET_CREATED, CopyOf(state), cow_COW<kprC_Step>());
    return true;
}

void kprC_AdptMeshCons::Deactivate(cow_String const& stepName) {
    Record const* r = Recs::Find(states_, stepName);
    kprC_Assert(r != nullptr, kprC_AMC_UNKNOWN_STEP_TYPE);
    // Deactivating the creation would make the creation state itself a deactivated one.
    kprC_Assert(stepName != CreateStepName(), kprC_AMC_NOT_ACTIVE);
    kprC_Assert(IsActive(r->status()), kprC_AMC_NOT_ACTIVE);
    Records next = states_;
    // An active record holds the state in force there; the deactivation unshares it.
    Recs::Get(next, stepName).MutableState().deactivate(true);
    Commit(next);
}

void kprC_AdptMeshCons::Move(cow_String const& from, cow_String const& to) {
    if (from == to) return;
    kprC_Assert(Recs::Find(states_, from) && Recs::Find(states_, to), kprC_AMC_STEP_DOES_NOT_EXIST);
    Records next = states_;
    Recs::ClearBetween(next, from, to, &IsIllegalMove, &kprC_Assert, kprC_AMC_MOVE_DESTINATION, kprC_AMC_MOVE_INTERMEDIATE);
    Record& source = Recs::Get(next, from);
    Record& target = Recs::Get(next, to);
    kprC_Assert(IsActive(source.status()), kprC_AMC_MOVE_NOT_ACTIVE);
    kprC_Assert(!IsPropagated(source.status()), kprC_AMC_NOTHING_TO_MOVE);
    kprC_Assert(!InPerturbation(source), kprC_AMC_MOVE_FROM_PERTURBATION);
    if (target.procedure()) {
        unsigned int const type = kprC_ValidityType(*target.procedure());
        kprC_Assert(!target.procedure()->Perturbation(), kprC_AMC_MOVE_INTO_PERTURBATION);
        for (auto const& [procedure, code] : moveRefusals) kprC_Assert(type != procedure, code);
        kprC_Assert(ValidInStepButRelaxCheckOnInitial(int(type), false), kprC_AMC_MOVE_TYPE_INVALID);
    }
    Recs::MoveDefinition(source, target);
    Commit(next);
}

void kprC_AdptMeshCons::Reset(cow_String const& stepName) {
    kprC_Assert(Recs::Find(states_, stepName) != nullptr, kprC_AMC_STEP_DOES_NOT_EXIST);
    kprC_Assert(stepName != CreateStepName(), kprC_AMC_RESET_IN_CREATE_STEP);
    kprC_Assert(!NothingToReset(Status(stepName)), kprC_AMC_RESET_NOT_DEACTIVATED);
    Records next = states_;
    Recs::ResetTarget(next, stepName).ClearState();
    Commit(next);
}

void kprC_AdptMeshCons::ReplaceStep(cow_String const& stepName) {
    kprC_Assert(Recs::Find(states_, stepName) != nullptr, kprC_AMC_STEP_DOES_NOT_EXIST);
    kprC_Assert(stepName != CreateStepName(), kprC_AMC_RESET_IN_CREATE_STEP);
    Recs::Clear(states_, stepName);
}

void kprC_AdptMeshCons::Resume() {
    suppress_ = false;
    try {
        Sync();
    } catch (...) {
        suppress_ = true;
        throw;
    }
}

void kprC_AdptMeshCons::UpdateStates() {
    auto const& step = RecordOf(CreateStepName()).procedure();
    if (step) kprC_Assert(ValidInStepButRelaxCheckOnInitial(int(kprC_ValidityType(*step)), false),
                          kprC_AMC_TYPE_INVALID_IN_STEP);
    Sync();
}

void kprC_AdptMeshCons::AdoptSteps(kprC_StepList const& steps) {
    Records next = states_;
    Recs::Adopt(next, steps);
    Commit(next);
}

void kprC_AdptMeshCons::InsertStep(std::size_t index, kprC_StepNameProcedurePair const& step) {
    Records next = states_;
    Recs::InsertStep(next, index, step);
    Commit(next);
}

void kprC_AdptMeshCons::RemoveStepState(cow_String const& stepName) {
    Records next = states_;
    Recs::Remove(next, stepName);
    Commit(next);
}

bool kprC_AdptMeshCons::HasStep(cow_String const& stepName) const {
    Record const* r = Recs::Find(states_, stepName);
    return !suppress_ && r && r->HasState() && IsActive(r->status());
}

kprC_AdptMeshConsState const& kprC_AdptMeshCons::ConstGetState(cow_String const& stepName) const {
    Record const& r = RecordOf(stepName);
    kprC_Assert(r.HasState(), kprC_AMC_NOT_IN_STEP);
    return *r.state();
}

void kprC_AdptMeshCons::AssertValid() const {
    if (suppress_) return;
    for (auto const& r : states_)
        if (r.HasState()) r.state()->AssertValid();
    if (!Recs::HasProcedure(states_)) return;
    auto const& step = RecordOf(CreateStepName()).procedure();
    if (!step) return;
    unsigned int const type = kprC_ValidityType(*step);
    kprC_Assert(type != kprC_ANNEAL_STEP_ID, kprC_AMC_IN_ANNEAL_STEP);
    kprC_Assert(!(kprC_IsExplicit(type) && motionType_ == MotionTypeEnum::USER_DEFINED),
                kprC_AMC_USER_SUBROUTINE_EXPLICIT);
    kprC_Assert(ValidInStepButRelaxCheckOnInitial(int(type), false), kprC_AMC_TYPE_INVALID_IN_STEP);
}

cow_List<rgnC_Region> kprC_AdptMeshCons::Regions(rgnC_RegionType type) const {
    if (type == 2 || (type == 0) == region_.flag()) return {region_};
    return {};
}

cow_List<cow_String> kprC_AdptMeshCons::Amplitudes() const {
    cow_List<cow_String> names;
    for (auto const& r : states_)
        if (r.HasState()) names.push_back(r.state()->amplitude().value());
    return names;
}

bool kprC_AdptMeshCons::ValidInStepSpecialRule(int procedureType, bool relax) const {
    return relax && kprC_isValidAdptMeshConsTypeforStep(int(DynTypeId()), procedureType);
}

bool kprC_AdptMeshCons::ValidInStepButRelaxCheckOnInitial(int procedureType, bool relax) const {
    return ValidInStep(procedureType, relax, procedureType == 0, kprC_IsExplicit(unsigned(procedureType)));
}

bool kprC_AdptMeshCons::ValidInStep(kprC_Step const& step, bool relax, bool isInitial, bool isExplicit) const {
    return ValidInStep(int(kprC_ValidityType(step)), relax, isInitial, isExplicit);
}

bool kprC_AdptMeshCons::ValidInStep(int procedureType, bool relax, bool, bool) const {
    if (kprC_IsExplicit(unsigned(procedureType)) && motionType_ == MotionTypeEnum::USER_DEFINED) return false;
    return kprC_isValidAdptMeshConsTypeforStep(int(DynTypeId()), procedureType) ||
           ValidInStepSpecialRule(procedureType, relax);
}

CLS_DEFINE(kprC_AdptMeshCons)
CLS_DEFINE(kprC_DispAdptMeshCons)
CLS_DEFINE(kprC_VelAdptMeshCons)
