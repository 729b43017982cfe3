#pragma once
// A toy propagating member for the propagation tests: a load-like object whose per-step
// state holds one propagating double and a deactivate flag, valid in a step unless its
// procedure is listed as refused (or admitted only with the relax flag).
#include <algorithm>
#include <set>
#include <string>

#include "platform/mdl/mdl_PropAttr.h"
#include "module/kpr/procedures/kprC_ProcedureClassification.h"
#include "module/kpr/procedures/kprC_ProcedureCodes.h"
#include "module/kpr/propagation/kprC_PropagatingContainer.h"
#include "module/kpr/propagation/kprC_PropagatingRecords.h"
#include "module/kpr/propagation/kprC_Propagator.h"
#include "module/kpr/steps/kprC_InitialStep.h"

#define TST_STATE_ATTRIBUTES(A)                          \
    A(bool, deactivate, false)                           \
    A(mdl_PropAttr<double>, magnitude, {})

class tst_State : public cls_Persistent {
    CLS_PERSISTENT(tst_State, cls_Persistent, 0x7F000202, 1, TST_STATE_ATTRIBUTES)
    tst_State() = default;
    tst_State(tst_State const&) = default;
    // A definition of `value`, or a deactivating one.
    explicit tst_State(double value, bool off = false) {
        if (off) deactivate_ = true;
        else magnitude_ = value;
    }

    void Modify(tst_State const& other) {
        deactivate_ = other.deactivate_;
        if (!deactivate_) magnitude_.Modify(other.magnitude_);
    }
    void Propagate() { magnitude_.Propagate(); }
    bool IsModified() const { return magnitude_.IsModified(); }
};

template <>
struct kprC_PropagatingStateClass<tst_State> {
    static constexpr std::uint32_t TypeId = 0x7F000204;
    static constexpr char const* Name = "tst_StateQuad";
};

// The loads' classification, with flags that tell the tests which failure was raised.
struct tst_Kind {
    using State = tst_State;
    static bool IsActive(mdl_PropagationStatusEnm s) {
        unsigned int const v = mdl_Value(s);
        return v == 1 || v == 2 || v == 3 || v == 8;
    }
    static bool TakesBaseState(unsigned int p) { return kprC_ProcedureIs(p, kprC_LOAD_BASE_STATE); }
    [[noreturn]] static void Raise(kprC_PropagatorError flag) {
        throw nex_TextException("flag " + std::to_string(int(flag)));
    }
};

using tst_LoadRecords = kprC_PropagatingRecords<tst_State>::Records;
#define TST_LOAD_ATTRIBUTES(A)                         \
    A(bool, suppress, false)                           \
    A(rgnC_Region, region, {})                         \
    A(tst_LoadRecords, states, {})                     \
    A(std::vector<unsigned int>, refused, {})          \
    A(std::vector<unsigned int>, relaxed, {})

class tst_Load : public cls_Persistent {
    CLS_PERSISTENT(tst_Load, cls_Persistent, 0x7F000203, 1, TST_LOAD_ATTRIBUTES)
    using Records = kprC_PropagatingRecords<tst_State>;
    using Propagator = kprC_Propagator<tst_Kind>;

    tst_Load() = default;
    tst_Load(tst_Load const&) = default;
    // Refused procedures; those also in `relaxed` are admitted when the propagator relaxes the check.
    tst_Load(cow_String const& createStep, tst_State const& state, std::vector<unsigned int> refused = {},
             std::vector<unsigned int> relaxed = {}, rgnC_Region region = {})
        : region_(std::move(region)), refused_(std::move(refused)), relaxed_(std::move(relaxed)) {
        states_.emplace_back(createStep, mdl_PropagationStatusEnm::NOT_YET_CREATED,
                             cow_COW<tst_State>(new tst_State(state)), cow_COW<kprC_Step>());
    }

    // Defines `state` in a step and propagates.
    void Define(cow_String const& stepName, tst_State const& state) {
        Records::Get(states_, stepName).state(cow_COW<tst_State>(new tst_State(state)));
        Propagate();
    }
    void Propagate() {
        states_ = Propagator::Run(states_, *this);
        AssertValid();
    }

    void AdoptSteps(kprC_StepList const& steps) {
        Records::Adopt(states_, steps);
        Propagate();
    }
    void InsertStep(std::size_t index, kprC_StepNameProcedurePair const& step) {
        Records::InsertStep(states_, index, step);
        Propagate();
    }
    void RemoveStepState(cow_String const& stepName) {
        Records::Remove(states_, stepName);
        Propagate();
    }
    void RenameStepState(cow_String const& oldName, cow_String const& newName) {
        Records::Rename(states_, oldName, newName);
    }
    bool HasStepRecord(cow_String const& stepName) const { return Records::Find(states_, stepName) != nullptr; }
    bool HasDefinitionIn(cow_String const& stepName) const { return Records::HasDefinitionIn(states_, stepName); }
    void ClearStepState(cow_String const& stepName) {
        if (CreateStepName() == stepName) throw nex_TextException("creation step");
        Records::Clear(states_, stepName);
    }
    cow_String CreateStepName() const { return Records::CreateStepName(states_); }
    cow_List<rgnC_Region> Regions(rgnC_RegionType type) const {
        if (type == 2 || (type == 0) == region_.flag()) return {region_};
        return {};
    }
    void Suppress() { suppress_ = true; }
    bool IsSuppressed() const { return suppress_; }

    bool ValidInStep(int p, bool relax, bool, bool) const {
        auto has = [p](std::vector<unsigned int> const& v) { return std::count(v.begin(), v.end(), unsigned(p)) > 0; };
        return !has(refused_) || (relax && has(relaxed_));
    }
    bool ValidInStep(kprC_Step const& step, bool relax, bool isInitial, bool isExplicit) const {
        return ValidInStep(int(kprC_ValidityType(step)), relax, isInitial, isExplicit);
    }
    bool ValidInStepButRelaxCheckOnInitial(int p, bool relax) const {
        return ValidInStep(p, relax, p == 0, kprC_IsExplicit(unsigned(p)));
    }
    void AssertValid() const {
        if (suppress_ || !Records::HasProcedure(states_)) return;
        auto const& step = Records::Get(states_, CreateStepName()).procedure();
        if (step && !ValidInStepButRelaxCheckOnInitial(int(kprC_ValidityType(*step)), false))
            throw nex_TextException("not valid in its creation step");
    }

    Records::Records const& States() const { return states_; }
    Records::Records& MutableStates() { return states_; }
    cow_List<mdl_PropagationStatusEnm> History() const { return Records::History(states_); }
};

template <>
struct kprC_PropagatingContainerClass<tst_Load> {
    static constexpr std::uint32_t TypeId = 0x7F000205;
    static constexpr char const* Name = "tst_LoadCont";
};
using tst_LoadContainer = kprC_PropagatingContainer<tst_Load>;
