#pragma once
// The model's repository of propagating objects of one kind (loads, adaptive mesh
// constraints), held by name. It keeps the step list the host hands it and brings every
// member's per-step records into line whenever the step sequence changes; it reports the
// regions members stopped using, and files each change in the thread's change history.
//
// A member class T offers: AdoptSteps(kprC_StepList const&), InsertStep(std::size_t,
// kprC_StepNameProcedurePair const&), RemoveStepState(name), RenameStepState(old, new),
// ClearStepState(name) (raises for the creation step or an unknown step), CreateStepName(),
// Regions(rgnC_RegionType) -> cow_List<rgnC_Region>, Suppress(), suppress(bool), IsSuppressed(),
// HasStepRecord(name), HasDefinitionIn(name) (the state of the step is its own),
// ValidInStep(int, bool, bool, bool), ValidInStep(kprC_Step const&, bool, bool, bool),
// AssertValid(), and the stored-class members (TypeId, Copy, DBWrite, reading constructor).
// Each instance is stored under its own class: specialise kprC_PropagatingContainerClass<T>
// with TypeId and Name (kprC_AdptMeshConsCont for adaptive mesh constraints).
#include <algorithm>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "module/kpr/procedures/kprC_ProcedureClassification.h"
#include "module/kpr/steps/kprC_StepNameProcedurePair.h"
#include "platform/cow/cow_COW.h"
#include "platform/mdl/mdl_Repository.h"
#include "platform/nex/nex_Exception.h"
#include "platform/omu/omu_ChangeHistory.h"
#include "platform/omu/omu_CmdHistory.h"
#include "platform/rgn/rgnC_Region.h"
#include "platform/thr/thr_ThreadSingleton.h"

template <class T>
struct kprC_PropagatingContainerClass;

// The platform time counter: seconds on a steady clock.
inline double kprC_TimeCounter() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

#define KPRC_PROPAGATINGCONTAINER_ATTRIBUTES(A) \
    A(kprC_StepList, procedures, {})            \
    A(Map, map, {})                             \
    A(Regions, danglingRegions, {})

template <class T>
class kprC_PropagatingContainer : public mdl_Repository {
public:
    using Map = std::map<cow_String, cow_COW<T>>;
    using Regions = cow_List<rgnC_Region>;

    CLS_PERSISTENT_NAMED(kprC_PropagatingContainer, mdl_Repository, kprC_PropagatingContainerClass<T>::TypeId,
                         kprC_PropagatingContainerClass<T>::Name, 510, KPRC_PROPAGATINGCONTAINER_ATTRIBUTES)
    CLS_WRITE_ORDER("map", "procedures", "danglingRegions")

    kprC_PropagatingContainer() = default;
    kprC_PropagatingContainer(kprC_PropagatingContainer const&) = default;
    kprC_PropagatingContainer& operator=(kprC_PropagatingContainer const&) = default;

    void DBWrite(cls_WriteVisitor const& w, bool) const { DBWrite(w); }

    // Stores a copy of `member`, rebuilt to the container's steps and propagated, after its
    // own check; a member of the same name is replaced.
    bool Insert(cow_String const& name, T const& member) { return Store(name, member, true); }
    // The same without the explicit check (the propagation has already run it).
    bool ForcedInsert(cow_String const& name, T const& member) { return Store(name, member, false); }

    bool Remove(cow_String const& name) {
        if (map_.erase(name) == 0) return false;
        Record({"Remove", name});
        return true;
    }

    bool IsMember(cow_String const& name) const { return map_.contains(name); }
    // The first name stored without an object (only a damaged file holds one), or null.
    cow_String const* NameWithoutMember() const {
        for (auto const& e : map_)
            if (e.second.IsNull()) return &e.first;
        return nullptr;
    }
    bool IsEmpty() const { return map_.empty(); }
    int Size() const { return int(map_.size()); }
    int UnsuppressedSize() const {
        return int(std::count_if(map_.begin(), map_.end(), [](auto const& e) { return !e.second->IsSuppressed(); }));
    }
    cow_List<cow_String> Keys() const {
        cow_List<cow_String> keys;
        for (auto const& e : map_) keys.push_back(e.first);
        return keys;
    }

    // The member, unshared for change; files ("Modify", name).
    T& Get(cow_String const& name) {
        auto& handle = Handle(name);
        Record({"Modify", name});
        return handle.GetMutable();
    }
    T const& ConstGet(cow_String const& name) const { return const_cast<kprC_PropagatingContainer*>(this)->Handle(name).Get(); }

    // The candidates, in their order, that no member uses.
    Regions DanglingRegions(Regions const& candidates) const {
        if (candidates.empty()) return candidates;
        Regions used;
        for (auto const& e : map_)
            for (auto& r : e.second->Regions(0)) used.push_back(std::move(r));
        Regions dangling;
        for (auto const& c : candidates)
            if (std::find(used.begin(), used.end(), c) == used.end()) dangling.push_back(c);
        return dangling;
    }
    // The regions left dangling by the last removal; they are handed out once.
    Regions DanglingRegions() { return std::exchange(danglingRegions_, {}); }

    cow_List<cow_String> const& SuppressedByStepChange() const { return suppressedByStepChange_; }
    cow_List<cow_String> const& TouchedNames() const { return touchedNames_; }
    double TimeStamp() const { return timeStamp_; }

    // Follows a changed step sequence: one step inserted or removed, or, with as many steps
    // as before, the first renamed step or else the first step whose procedure changed;
    // then every member re-adopts the steps.
    void UpdateSteps(kprC_StepList const& handed) {
        kprC_StepList const newSteps = SharingUnchanged(handed);
        // Adopting the earlier list again undoes an inserted or removed step; what adopting
        // cannot bring back (records keyed by a new name, dropped members, definitions in
        // a removed step, suppressions) files its own inverse, which runs before this one.
        File([procedures = procedures_, dangling = danglingRegions_,
                            suppressed = suppressedByStepChange_](kprC_PropagatingContainer& c) {
                c.procedures_ = procedures;
                c.danglingRegions_ = dangling;
                c.suppressedByStepChange_ = suppressed;
                for (auto& [name, member] : c.map_) member.GetMutable().AdoptSteps(procedures);
            });
        suppressedByStepChange_.clear();
        bool const countChanged = newSteps.size() != procedures_.size();
        // One request to redo the summary serves every container of the model.
        if (countChanged && (History().Entries().empty() ||
                             History().Entries().back() != omu_ChangeHistory::Entry{{}, {"RedoSummary"}}))
            Record({"RedoSummary"});
        if (newSteps.size() > procedures_.size())
            InsertStep(newSteps);
        else if (newSteps.size() < procedures_.size())
            RemoveStep(newSteps);
        else if (FirstNameDifference(newSteps) < newSteps.size())
            Rename(newSteps);
        else
            ChangeProcedureType(newSteps);
        // The list is taken over whatever changed: the step objects may be new even when
        // names and procedures are not, and later members must adopt the current ones.
        procedures_ = newSteps;
        for (auto& [name, member] : map_) {
            member.GetMutable().AdoptSteps(newSteps);
            if (!countChanged) RecordUnderPath(name);
        }
    }

    // Empties the step's record in every member; a member created in the step goes, one
    // without a record for it loses nothing but that record.
    void ClearStep(cow_String const& stepName) {
        for (auto const& name : Keys()) {
            T& member = map_.at(name).GetMutable();
            try {
                member.ClearStepState(stepName);
            } catch (nex_Exception const&) {
                if (member.CreateStepName() == stepName)
                    Drop(name);
                else
                    member.RemoveStepState(stepName);
            }
        }
    }
    void ClearSteps() {
        map_.clear();
        procedures_.clear();
    }

    // Starts keeping what puts the container back as it is now: each later change of the
    // step list files its inverse (rename back, remove the inserted record, put back a
    // dropped member, ...) until the returned log goes. Cheaper than keeping a copy, which
    // would make the change unshare, and so copy, every member.
    using UndoLog = std::vector<std::function<void(kprC_PropagatingContainer&)>>;
    std::shared_ptr<UndoLog> KeepUndo() {
        auto log = std::make_shared<UndoLog>();
        undo_ = log;
        return log;
    }
    // Undoes the changes filed in the log, the last first.
    void Undo(UndoLog& log) {
        undo_.reset();
        // Each inverse goes once run: the members it holds must not stay shared.
        for (auto it = log.rbegin(); it != log.rend(); ++it) std::exchange(*it, nullptr)(*this);
        log.clear();
    }

    void UpdateTimeStamp(cow_String const& name) {
        timeStamp_ = kprC_TimeCounter();
        if (!name.empty() && std::find(touchedNames_.begin(), touchedNames_.end(), name) == touchedNames_.end())
            touchedNames_.push_back(name);
    }

private:
    static omu_ChangeHistory& History() { return thr_ThreadSingleton<omu_ChangeHistory>::Instance(); }
    static void Record(omu_PrimTuple change) { History().addChange(std::move(change)); }
    // ("Modify", name) under "<last entry of the command path>.<name>", when there is a path.
    static void RecordUnderPath(cow_String const& name) {
        auto const& path = thr_ThreadSingleton<omu_CmdHistory>::Instance().PathList();
        if (!path.empty()) History().addChange(path.back() + "." + name, {"Modify", name});
    }

    // Files the inverse of a change about to be made, when a log is kept.
    template <class Inverse>
    void File(Inverse inverse) {
        if (auto log = undo_.lock()) log->push_back(std::move(inverse));
    }
    // Files putting the member back as it is now (a handle: the change then unshares it).
    void FileMember(cow_String const& name) {
        File([name, kept = map_.at(name)](kprC_PropagatingContainer& c) { c.map_[name] = kept; });
    }

    cow_COW<T>& Handle(cow_String const& name) {
        auto it = map_.find(name);
        if (it == map_.end()) throw omu_KeyErrorException(name);
        return it->second;
    }

    bool Store(cow_String const& name, T const& member, bool check) {
        cow_COW<T> copy(std::shared_ptr<T>(dynamic_cast<T*>(member.Copy())));
        T& m = copy.GetMutable();
        m.AdoptSteps(procedures_);
        if (check) m.AssertValid();
        bool const existed = map_.contains(name);
        map_[name] = std::move(copy);
        if (existed) Record({"Remove", name});
        Record({"Insert", name, -99});
        return true;
    }

    // Erases a member created in a step that goes, noting the regions it leaves unused.
    void Drop(cow_String const& name) {
        auto const it = map_.find(name);
        FileMember(name);
        Regions const regions = it->second->Regions(0);
        map_.erase(it);
        danglingRegions_ = DanglingRegions(regions);
        Record({"Remove", name});
    }

    // The list with the handles of the current one wherever a step keeps its name and step
    // object: the records of those steps then already share the list's and stay untouched.
    kprC_StepList SharingUnchanged(kprC_StepList steps) const {
        std::map<cow_String, kprC_StepNameProcedurePair const*> current;
        for (auto const& p : procedures_) current.emplace(p.stepName(), &p);
        for (auto& p : steps) {
            auto const it = current.find(p.stepName());
            if (it != current.end() && it->second->procedure().SharesWith(p.procedure())) p = *it->second;
        }
        return steps;
    }

    std::size_t FirstNameDifference(kprC_StepList const& newSteps) const {
        std::size_t const n = std::min(newSteps.size(), procedures_.size());
        for (std::size_t i = 0; i < n; ++i)
            if (procedures_[i].stepName() != newSteps[i].stepName()) return i;
        return n;
    }

    void InsertStep(kprC_StepList const& newSteps) {
        std::size_t const index = FirstNameDifference(newSteps);
        for (auto& [name, member] : map_) {
            member.GetMutable().InsertStep(index, newSteps[index]);
            RecordUnderPath(name);
        }
    }

    void RemoveStep(kprC_StepList const& newSteps) {
        cow_String const removed = procedures_[FirstNameDifference(newSteps)].stepName();
        for (auto const& name : Keys()) {
            if (map_.at(name)->CreateStepName() == removed) {
                Drop(name);
            } else {
                // A definition made in the step goes with it: keep the member. The others
                // get the step's record back when the earlier step list is adopted again.
                if (map_.at(name)->HasDefinitionIn(removed)) FileMember(name);
                map_.at(name).GetMutable().RemoveStepState(removed);
                RecordUnderPath(name);
            }
        }
    }

    void Rename(kprC_StepList const& newSteps) {
        std::size_t const i = FirstNameDifference(newSteps);
        cow_String const from = procedures_[i].stepName(), to = newSteps[i].stepName();
        File([from, to](kprC_PropagatingContainer& c) {
            for (auto& [name, member] : c.map_)
                if (member->HasStepRecord(to)) member.GetMutable().RenameStepState(to, from);
        });
        for (auto& [name, member] : map_) member.GetMutable().RenameStepState(from, to);
    }

    // Members created in the changed step (or in the Initial step) that its new procedure
    // does not admit are suppressed.
    void ChangeProcedureType(kprC_StepList const& newSteps) {
        std::size_t i = 0;
        for (; i < newSteps.size(); ++i) {
            auto const &before = procedures_[i].procedure(), &after = newSteps[i].procedure();
            if (before && after && before->ProcedureType() != after->ProcedureType()) break;
        }
        if (i == newSteps.size()) return;
        kprC_Step const& changed = *newSteps[i].procedure();
        unsigned int const type = changed.ProcedureType();
        bool const noSecond = newSteps.size() < 2;
        bool const secondExplicit = !noSecond && newSteps[1].procedure() && newSteps[1].procedure()->Explicit();
        for (auto& [name, handle] : map_) {
            if (handle->IsSuppressed()) continue;
            cow_String const created = handle->CreateStepName();
            bool valid = true;
            if (created == kprC_Step::initialCmd())
                valid = handle->ValidInStep(0, false, noSecond, secondExplicit);
            else if (created == newSteps[i].stepName())
                valid = handle->ValidInStep(changed, false, type == 0, kprC_IsExplicit(type));
            if (valid) continue;
            Regions const regions = handle->Regions(0);
            File([name = name](kprC_PropagatingContainer& c) { c.map_.at(name).GetMutable().suppress(false); });
            handle.GetMutable().Suppress();
            RecordUnderPath(name);
            suppressedByStepChange_.push_back(name);
            danglingRegions_ = DanglingRegions(regions);
        }
    }

    double timeStamp_ = kprC_TimeCounter();
    cow_List<cow_String> touchedNames_;
    cow_List<cow_String> suppressedByStepChange_;
    std::weak_ptr<UndoLog> undo_;
};
