#include "module/kpr/sequencer/kprC_StepSequencer.h"

#include <algorithm>

#include "module/kpr/kprC_assert.h"
#include "module/kpr/procedures/kprC_Procedures.h"
#include "module/kpr/procedures/kprC_ProcedureTypeLabelMap.h"
#include "platform/nex/nex_Exception.h"
#include "platform/thr/thr_GlobalSingleton.h"

namespace {

kprC_Procedure const& Row(unsigned code) {
    static constexpr kprC_Procedure none{0, "", nullptr, -1, 0, {}};
    auto const* p = kprC_FindProcedure(code);
    return p ? *p : none;
}

bool Admitted(unsigned code, bool usa) { return usa || !Row(code).Is(kprC_NEEDS_USA_PERMISSION); }

// What may follow `last` directly.
bool MayFollowDirectly(unsigned last, unsigned code, bool usa) {
    return Admitted(last, usa) && Admitted(code, usa) && Row(last).follows.Has(code);
}

}  // namespace

bool kprC_StepSequencer::MayAppend(cow_List<unsigned int> const& sequence, std::size_t length, unsigned int code,
                                   bool usa, bool hasFrequency) {
    if (length == 0) return Row(code).Is(kprC_MAY_OPEN) && Admitted(code, usa);
    unsigned last = sequence[length - 1];
    if (MayFollowDirectly(last, code, usa)) return true;
    // A run of perturbation steps is transparent to what follows it, except for the
    // explicit-solver procedures, and for USA added mass generation unless admitted.
    bool lookThrough = Row(last).Is(kprC_PERTURBATION) && !Row(code).Is(kprC_EXPLICIT_SOLVER) && Admitted(code, usa);
    if (lookThrough && MayAppend(sequence, length - 1, code, true, hasFrequency)) return true;
    if (Row(last).Is(kprC_ENDS_LOOK_BACK)) return false;
    return Row(code).Is(kprC_AFTER_ANY_FREQUENCY) && hasFrequency;
}

kprC_StepSequencer::kprC_StepSequencer(bool usaAddedMassAllowed)
    : usaAddedMassAllowed_(usaAddedMassAllowed),
      procedures_(thr_GlobalSingleton<kprC_ProcedureTypeLabelMap>::Instance().ProcedureTypes()) {}

kprC_StepSequencer::kprC_StepSequencer(History history, bool usaAddedMassAllowed)
    : kprC_StepSequencer(usaAddedMassAllowed) {
    history_ = std::move(history);
}

kprC_StepSequencer::kprC_StepSequencer(cow_List<unsigned int> const& codes, bool usaAddedMassAllowed)
    : kprC_StepSequencer(usaAddedMassAllowed) {
    for (unsigned code : codes) Append(code);
}

void kprC_StepSequencer::Clear() {
    sequence_.clear();
    hasFrequency_ = false;
    appendableStale_ = true;
}

void kprC_StepSequencer::Append(unsigned int code) {
    kprC_Assert(MayAppend(sequence_, sequence_.size(), code, usaAddedMassAllowed_, hasFrequency_),
                kprC_INVALID_STEP_SEQUENCE);
    sequence_.push_back(code);
    appendableStale_ = true;
    if (Row(code).Is(kprC_MARKS_FREQUENCY)) hasFrequency_ = true;
}

void kprC_StepSequencer::Run() {
    Clear();
    for (auto const& [name, code] : history_) Append(code);
}

void kprC_StepSequencer::Run(cow_String const& name, bool before) {
    Clear();
    if (name == "Initial") return;
    for (auto const& [stepName, code] : history_) {
        if (stepName == name && before) return;
        Append(code);
        if (stepName == name) return;
    }
}

void kprC_StepSequencer::InsertAfter(cow_String const& name, unsigned int code) {
    Clear();
    if (name == "Initial") Append(code);
    for (auto const& [stepName, stepCode] : history_) {
        Append(stepCode);
        if (stepName == name) Append(code);
    }
}

void kprC_StepSequencer::Replace(cow_String const& name, unsigned int code) {
    kprC_Assert(name != "Initial", kprC_INITIAL_STEP_NOT_REPLACEABLE);
    Clear();
    for (auto const& [stepName, stepCode] : history_) Append(stepName == name ? code : stepCode);
}

cow_List<unsigned int> const& kprC_StepSequencer::Appendable() {
    if (appendableStale_) {
        appendable_.clear();
        for (unsigned code : procedures_)
            if (MayAppend(sequence_, sequence_.size(), code, usaAddedMassAllowed_, hasFrequency_))
                appendable_.push_back(code);
        appendableStale_ = false;
    }
    return appendable_;
}

cow_List<unsigned int> kprC_StepSequencer::AppendableGeneral() {
    cow_List<unsigned int> out;
    for (unsigned code : Appendable())
        if (!Row(code).Is(kprC_PERTURBATION)) out.push_back(code);
    return out;
}

cow_List<unsigned int> kprC_StepSequencer::AppendablePerturbation() {
    cow_List<unsigned int> out;
    for (unsigned code : Appendable())
        if (Row(code).Is(kprC_PERTURBATION)) out.push_back(code);
    return out;
}

bool kprC_StepSequencer::IsRemovable(int index) const {
    kprC_Assert(index >= 0 && index < static_cast<int>(sequence_.size()), kprC_INVALID_STEP_INDEX);
    cow_List<unsigned int> trial = sequence_;
    trial.erase(trial.begin() + index);
    try {
        kprC_StepSequencer check(trial, true);
        return true;
    } catch (nex_TextException const&) {
        return false;
    }
}
