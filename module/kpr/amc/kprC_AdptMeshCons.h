#pragma once
// The abstract base of adaptive mesh constraints: what does not vary by step (region,
// coordinate system, motion type, suppressed flag) and one record per step of the model
// holding the status and the state in force there. Every edit propagates the records
// again and is all-or-nothing: a refusal leaves the constraint as it was. The
// constraint's name is its key in the model's constraint container.
#include <vector>

#include "module/datum/dtmC_DatumRef.h"
#include "module/kpr/amc/kprC_AdptMeshConsKind.h"
#include "module/kpr/enums/kprC_Enums.h"
#include "module/kpr/propagation/kprC_PropagatingRecords.h"
#include "module/kpr/steps/kprC_StepNameProcedurePair.h"
#include "platform/rgn/rgnC_Region.h"

using kprC_AdptMeshConsRecords = std::vector<kprC_StateQuad>;

#define KPRC_ADPTMESHCONS_ATTRIBUTES(A)                                  \
    A(bool, suppress, false)                                             \
    A(rgnC_Region, region, {})                                           \
    A(dtmC_DatumRef, csys, {}, .Script("localCsys"))                     \
    A(kprC_AdptMeshCons_MotionTypeEnum, motionType, kprC_AdptMeshCons_MotionTypeEnum::INDEPENDENT) \
    A(kprC_AdptMeshConsRecords, states, {})

class kprC_AdptMeshCons : public cls_Persistent {
    CLS_ABSTRACT_PERSISTENT(kprC_AdptMeshCons, cls_Persistent, kprC_AdptMeshCons_TypeId, 203,
                            KPRC_ADPTMESHCONS_ATTRIBUTES)
    // Scripts read the flag as "suppressed"; "suppress" is the command that sets it.
    CLS_SCRIPT_NAMES("suppress", "suppressed")

    using StatusEnm = mdl_PropagationStatusEnm;
    using Record = kprC_StateQuad;
    using Records = kprC_AdptMeshConsRecords;
    using MotionTypeEnum = kprC_AdptMeshCons_MotionTypeEnum;
    using CategoryEnm = kprC_AdptMeshCons_CategoryEnm;

    KPRC_NAME(objectCmd, "adaptiveMeshConstraint")
    KPRC_NAME(adaptiveMeshConstraintRepositoryCmd, "adaptiveMeshConstraints")
    KPRC_NAME(copyConstructorCmd, "AdaptiveMeshConstraint")
    KPRC_NAME(globalCsysName, "(Global)")
    KPRC_NAME(upgradeAdptMeshConsMdbCmd, "_upgradeAdptMeshConsMdb")

    kprC_AdptMeshCons() = default;
    kprC_AdptMeshCons(kprC_AdptMeshCons const&) = default;
    kprC_AdptMeshCons& operator=(kprC_AdptMeshCons const&) = default;

    kprC_AdptMeshCons* Copy() const override = 0;
    virtual CategoryEnm Category() const { return CategoryEnm::MECHANICAL; }
    // Frequency and Complex frequency steps name their base state.
    static bool UseBasename(unsigned int procedureType);

    // --- Editing ---
    // Defines `state` in a step. A constraint not yet in a container (no records) takes
    // its first record this way. False when the step has no record.
    bool Insert(cow_String const& stepName, kprC_AdptMeshConsState const& state);
    // Deactivates from this step on: 185 for an unknown step, 191 in the creation step
    // or where the constraint is not active.
    void Deactivate(cow_String const& stepName);
    // Moves the definition made in one step to another.
    void Move(cow_String const& fromStepName, cow_String const& toStepName);
    // Undoes a deactivation where it was made.
    void Reset(cow_String const& stepName);
    // Empties the step's record without propagating (the step is being replaced): 189 for
    // an unknown step, 201 for the creation step.
    void ReplaceStep(cow_String const& stepName);
    void Suppress() { suppress_ = true; }
    // Clears the suppressed flag and propagates; a refusal leaves it suppressed.
    void Resume();
    void UpdateStates();
    // Drops the step's record; false when there is none.
    bool Remove(cow_String const& stepName) { return Recs::Remove(states_, stepName); }

    // --- Following the container's step list (each all-or-nothing) ---
    void AdoptSteps(kprC_StepList const& steps);
    void InsertStep(std::size_t index, kprC_StepNameProcedurePair const& step);
    void RemoveStepState(cow_String const& stepName);
    void RenameStepState(cow_String const& oldName, cow_String const& newName) { Recs::Rename(states_, oldName, newName); }
    void ClearStepState(cow_String const& stepName) { ReplaceStep(stepName); }

    // --- Records ---
    Records const& States() const { return states_; }
    StatusEnm Status(cow_String const& stepName) const { return RecordOf(stepName).status(); }
    cow_List<StatusEnm> History() const { return Recs::History(states_); }
    cow_String CreateStepName() const { return Recs::CreateStepName(states_); }
    bool IsMember(cow_String const& stepName) const { return HasStepRecord(stepName); }
    bool HasStepRecord(cow_String const& stepName) const { return Recs::Find(states_, stepName) != nullptr; }
    bool HasDefinitionIn(cow_String const& stepName) const { return Recs::HasDefinitionIn(states_, stepName); }
    // Whether the constraint is in force in the step: unsuppressed, active, with a state.
    bool HasStep(cow_String const& stepName) const;
    // The state in force in a step: 189 for an unknown step, 183 where none is in force.
    kprC_AdptMeshConsState const& ConstGetState(cow_String const& stepName) const;
    bool IsConditionModifiedInStep(cow_String const& stepName) const {
        return ConstGetState(stepName).IsConditionModified();
    }

    static bool IsActive(StatusEnm s) { return kprC_AdptMeshConsKind::IsActiveStatus(s); }
    static bool IsPropagated(StatusEnm s) { return kprC_AdptMeshConsKind::IsPropagatedStatus(s); }
    static bool IsIllegalMove(StatusEnm s) { return kprC_AdptMeshConsKind::IsIllegalMove(s); }
    static bool IsBuiltIn(StatusEnm s) { return kprC_AdptMeshConsKind::IsBuiltIn(s); }

    // --- Queries ---
    bool IsSuppressed() const { return suppress_; }
    virtual void AssertValid() const;
    cow_List<rgnC_Region> Regions(rgnC_RegionType type) const;
    cow_List<cow_String> Amplitudes() const;

    // The relaxed admission: the type table again when `relax`, else nothing.
    virtual bool ValidInStepSpecialRule(int procedureType, bool relax) const;
    bool ValidInStepButRelaxCheckOnInitial(int procedureType, bool relax) const;
    bool ValidInStep(kprC_Step const& step, bool relax, bool isInitial, bool isExplicit) const;
    // Refuses a user-defined motion in an Explicit procedure, then asks the type table.
    bool ValidInStep(int procedureType, bool relax, bool isInitial, bool isExplicit) const;

protected:
    using Recs = kprC_PropagatingRecords<kprC_AdptMeshConsState>;

    // A constraint created in `stepName` with `state`, before it joins a container.
    kprC_AdptMeshCons(rgnC_Region region, cow_String const& stepName, kprC_AdptMeshConsState const& state);

private:
    Record const& RecordOf(cow_String const& stepName) const;
    // Propagates `records` and makes the result the constraint's records, then checks
    // the constraint; a refusal of either leaves the constraint as it was.
    void Commit(Records const& records);
    void Sync() { Commit(states_); }
};

// The two kinds of constraint: each writes its own stored level, so that a velocity
// constraint reads back as one.
class kprC_DispAdptMeshCons : public kprC_AdptMeshCons {
    CLS_PERSISTENT(kprC_DispAdptMeshCons, kprC_AdptMeshCons, kprC_DispAdptMeshCons_TypeId, 203, CLS_NO_ATTRIBUTES)
    KPRC_NAME(constructorCmd, "DisplacementAdaptiveMeshConstraint")

    kprC_DispAdptMeshCons() = default;
    kprC_DispAdptMeshCons(rgnC_Region region, cow_String const& createStepName, kprC_DispAdptMeshConsState const& state)
        : kprC_AdptMeshCons(std::move(region), createStepName, state) {}
    kprC_DispAdptMeshCons(kprC_DispAdptMeshCons const&) = default;
};

class kprC_VelAdptMeshCons : public kprC_AdptMeshCons {
    CLS_PERSISTENT(kprC_VelAdptMeshCons, kprC_AdptMeshCons, kprC_VelAdptMeshCons_TypeId, 203, CLS_NO_ATTRIBUTES)
    KPRC_NAME(constructorCmd, "VelocityAdaptiveMeshConstraint")

    kprC_VelAdptMeshCons() = default;
    kprC_VelAdptMeshCons(rgnC_Region region, cow_String const& createStepName, kprC_VelAdptMeshConsState const& state)
        : kprC_AdptMeshCons(std::move(region), createStepName, state) {}
    kprC_VelAdptMeshCons(kprC_VelAdptMeshCons const&) = default;
};
