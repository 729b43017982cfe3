#pragma once
// The abstract base of every load: what does not vary by step (region, suppressed flag,
// analytical field name) and one record per step of the model holding the status and
// the state in force there. Every edit of the records ends by propagating them again.
// The load's name is its key in the model's load container.
#include <initializer_list>
#include <vector>

#include "module/klo/enums/kloC_Enums.h"
#include "module/klo/loads/kloC_LoadTypes.h"
#include "module/klo/loads/kloC_LoadPropagator.h"
#include "module/kpr/propagation/kprC_PropagatingRecords.h"
#include "module/kpr/steps/kprC_StepNameProcedurePair.h"
#include "platform/rgn/rgnC_Region.h"

using kloC_LoadRecords = std::vector<kloC_StateQuad>;

#define KLOC_LOAD_ATTRIBUTES(A)                           \
    A(rgnC_Region, region, {})                            \
    A(bool, suppress, false)                              \
    A(cow_String, fieldName, "", .Script("field"))        \
    A(kloC_LoadRecords, states, {})

class kloC_Load : public cls_Persistent {
    CLS_ABSTRACT_PERSISTENT(kloC_Load, cls_Persistent, kloC_Load_TypeId, 815, KLOC_LOAD_ATTRIBUTES)
    CLS_WRITE_ORDER("region", "suppress", "states", "fieldName")
    // Scripts read the flag as "suppressed"; "suppress" is the command that sets it.
    CLS_SCRIPT_NAMES("suppress", "suppressed")

    using StatusEnm = mdl_PropagationStatusEnm;
    using Record = kloC_StateQuad;
    using Records = kloC_LoadRecords;
    using DistribTypeEnum = kloC_Load_DistribTypeEnum;

    KLOC_NAME(copyConstructorCmd, "Load")
    KLOC_NAME(setParametersCmd, "setValues")
    KLOC_NAME(modifyParametersCmd, "setValuesInStep")
    KLOC_NAME(loadCmd, "load")
    KLOC_NAME(loadRepositoryCmd, "loads")
    KLOC_NAME(nameCmd, "name")
    KLOC_NAME(typeCmd, "type")
    KLOC_NAME(historyCmd, "history")
    KLOC_NAME(createStepNameCmd, "createStepName")
    KLOC_NAME(deactivateCmd, "deactivate")
    KLOC_NAME(moveCmd, "move")
    KLOC_NAME(resetCmd, "reset")
    KLOC_NAME(suppressedCmd, "suppressed")
    KLOC_NAME(resumeCmd, "resume")
    KLOC_NAME(statusCmd, "status")
    KLOC_NAME(amplitudeCmd, "amplitude")
    KLOC_NAME(amplitudeStateCmd, "amplitudeState")
    KLOC_NAME(stepNameCmd, "stepName")
    KLOC_NAME(fromStepNameCmd, "fromStepName")
    KLOC_NAME(toStepNameCmd, "toStepName")
    KLOC_NAME(distributionCmd, "distribution")
    KLOC_NAME(distributionTypeCmd, "distributionType")
    KLOC_NAME(upgradeLoadMdbCmd, "_upgradeLoadMdb")

    kloC_Load() = default;
    kloC_Load(kloC_Load const&) = default;
    kloC_Load& operator=(kloC_Load const&) = default;

    kloC_Load* Copy() const override = 0;

    // --- Editing (each propagates unless stated) ---
    // Defines `state` in a step. A load not yet in a container (no records) takes its
    // first record this way, without propagating. False when the step has no record.
    // The state stays stored when the propagation or the check that follows refuses.
    bool Insert(cow_String const& stepName, kloC_LoadState const& state);
    // Deactivates the load from this step on; refuses the creation step (7), a step
    // where it is not active (9) and a perturbation step (8).
    virtual void Deactivate(cow_String const& stepName);
    // Moves the definition made in one step to another; a refusal leaves the load as it was.
    virtual void Move(cow_String const& fromStepName, cow_String const& toStepName);
    // Undoes a deactivation: empties the step's definition.
    void Reset(cow_String const& stepName);
    void Suppress() { suppress_ = true; }
    // Clears the suppressed flag and propagates; the flag stays cleared when that refuses.
    void Resume();
    void UpdateStates();

    // --- Following the container's step list ---
    void AdoptSteps(kprC_StepList const& steps);
    void InsertStep(std::size_t index, kprC_StepNameProcedurePair const& step);
    void RemoveStepState(cow_String const& stepName);
    void RenameStepState(cow_String const& oldName, cow_String const& newName);
    // Empties a step's record without propagating; refuses the creation step (15) and
    // raises the key error for a step without a record.
    void ClearStepState(cow_String const& stepName);
    bool ClearState(cow_String const& stepName);

    // --- Records ---
    Record& GetStateQuad(cow_String const& stepName) { return Recs::Get(states_, stepName); }
    Record const& ConstGetStateQuad(cow_String const& stepName) const { return Recs::Get(states_, stepName); }
    Records const& States() const { return states_; }
    StatusEnm Status(cow_String const& stepName) const { return ConstGetStateQuad(stepName).status(); }
    cow_List<StatusEnm> History() const { return Recs::History(states_); }
    cow_String CreateStepName() const { return Recs::CreateStepName(states_); }
    // The state in force in a step (its definition before the load joins a container).
    kloC_LoadState const& StateIn(cow_String const& stepName) const;
    bool HasStep(cow_String const& stepName) const;
    bool HasStepRecord(cow_String const& stepName) const { return Recs::Find(states_, stepName) != nullptr; }
    // Whether the step's record holds a state of its own, not the one carried from the
    // step before (a creation, a modification, a deactivation).
    bool HasDefinitionIn(cow_String const& stepName) const { return Recs::HasDefinitionIn(states_, stepName); }
    void CheckStep(cow_String const& stepName) const;

    static bool IsActive(StatusEnm s) { return kloC_LoadKind::IsActive(s); }
    static bool IsBuiltIn(StatusEnm s) { return kloC_LoadKind::IsBuiltIn(s); }
    static bool IsIllegalMove(StatusEnm s) { return kloC_LoadKind::IsIllegalMove(s); }
    static bool IsPropagated(StatusEnm s) { return kloC_LoadKind::IsPropagated(s); }

    // --- Queries ---
    bool IsSuppressed() const { return suppress_; }

    virtual bool AllowedInALoadCase() const { return false; }
    virtual bool NYIForLoadCase() const { return false; }
    // Whether the load can join a load case of that step (errors 53, 54, 55 when `raise`).
    virtual bool ValidInALoadCase(cow_String const& stepName, bool raise) const;
    virtual bool UsesField(cow_String& name) const;
    // Adapts the load to the procedure of its creation step (real or complex magnitudes).
    virtual void ChangeProcedureType(unsigned int) {}
    virtual void AssertValid() const;
    virtual void AssertValidAnyMagnitude() const;
    virtual void SetStateStatusChecks() {}
    virtual cow_List<rgnC_Region> Regions(rgnC_RegionType type) const;
    virtual cow_List<cow_String> Amplitudes() const;

    // The relaxed admission of the load type (false unless `relax`).
    virtual bool ValidInStepSpecialRule(int procedureType, bool relax) const = 0;
    virtual bool ValidInStepButRelaxCheckOnInitial(int procedureType, bool relax) const;
    virtual bool ValidInStep(kprC_Step const& step, bool relax, bool isInitial, bool isExplicit) const;
    virtual bool ValidInStep(int procedureType, bool relax, bool isInitial, bool isExplicit) const;

protected:
    using Recs = kprC_PropagatingRecords<kloC_LoadState>;

    // A load created in `stepName` with `state`, before it joins a container.
    kloC_Load(rgnC_Region region, cow_String const& stepName, kloC_LoadState const& state);

    // True when the load's magnitudes in that step are all zero.
    virtual bool CheckForZero(cow_String const& stepName) const = 0;
    // The creation record's state, unshared for change.
    kloC_LoadState& MutableCreationState() { return GetStateQuad(CreateStepName()).MutableState(); }
    // Propagates the current records again.
    void Propagate();
    // Checks the load whose records are already their own propagation.
    void CheckPropagated() const;
    // Propagates `records` and makes the result the load's records, then checks the load.
    // A refused propagation leaves the load as it was; a refused check keeps the new records.
    void Commit(Records const& records);
    // The same for records edited in place: `undo` puts them back when the propagation refuses.
    template <class Undo>
    void CommitEdited(Undo undo);
    // The validity type of the creation step's procedure, or -1 when it has no step object.
    int CreationType() const;
    Records& MutableRecords() { return states_; }
    // The field name of a load whose distribution is FIELD (`uses`), for UsesField.
    bool FieldNameIf(bool uses, cow_String& name) const {
        name = uses ? fieldName() : cow_String();
        return uses;
    }

    // One magnitude of the creation state with its complex counterpart on the load.
    struct ComplexPart {
        mdl_PropAttr<double>& real;
        double& complexReal;
        double& complexImag;
    };
    // Whether the creation state asks for complex magnitudes in that procedure.
    bool WantsComplex(unsigned int procedureType) const;
    // Flips `useComplex`: to complex, each real value becomes the real part and the real
    // value 0.0; back, the real parts become the values and the complex parts 0.0. The
    // records are propagated again so that later steps see the moved values.
    void SwitchComplex(bool& useComplex, std::initializer_list<ComplexPart> parts);
    // Whether a load of one magnitude is zero in the step: both complex parts when it
    // uses them, else the magnitude of its State there.
    template <class State>
    bool MagnitudeIsZero(cow_String const& stepName, bool useComplex, double real, double imag) const {
        if (useComplex) return real == 0.0 && imag == 0.0;
        return dynamic_cast<State const&>(StateIn(stepName)).magnitude().value() == 0.0;
    }
    // SwitchComplex for a load of one magnitude, whose creation state is a State with
    // MutableMagnitude(), when the procedure asks for the other form.
    template <class State>
    void SwitchMagnitude(unsigned int procedureType, bool& useComplex, double& real, double& imag) {
        if (WantsComplex(procedureType) == useComplex) return;
        auto& s = dynamic_cast<State&>(MutableCreationState());
        SwitchComplex(useComplex, {{s.MutableMagnitude(), real, imag}});
    }

};

// The relaxed admission every concrete load type answers from the shared table.
#define KLOC_LOAD_TYPE_RULE                                                             \
    bool ValidInStepSpecialRule(int procedureType, bool relax) const override {         \
        return relax && kloC_RelaxedAdmission(TypeId(), unsigned(procedureType));       \
    }

// The state class of a load type that adds nothing to its base's state: its scripting
// type name and the base's constructors.
#define KLOC_PLAIN_STATE(Name, Base, typeName)                                                              \
    class kloC_##Name##State : public kloC_##Base##State {                                                  \
        CLS_PERSISTENT(kloC_##Name##State, kloC_##Base##State, kloC_##Name##State_TypeId, 203, CLS_NO_ATTRIBUTES) \
        KLOC_NAME(pythonTypeName, typeName)                                                                 \
        using kloC_##Base##State::kloC_##Base##State;                                                       \
        kloC_##Name##State() = default;                                                                     \
        kloC_##Name##State(kloC_##Name##State const&) = default;                                            \
    };

// What every concrete load type class holds: its stored form, the relaxed admission from
// the shared table, its scripting constructor, and a constructor for a load created in a
// step with its state (kloC_<Name>State).
#define KLOC_LOAD_TYPE(Name, Base, version, ROWS, constructor)                                              \
    CLS_PERSISTENT(kloC_##Name, kloC_##Base, kloC_##Name##_TypeId, version, ROWS)                           \
    KLOC_LOAD_TYPE_RULE                                                                                     \
    KLOC_NAME(constructorCmd, constructor)                                                                  \
    kloC_##Name() = default;                                                                                \
    kloC_##Name(rgnC_Region region, cow_String const& createStepName, kloC_##Name##State const& state)      \
        : kloC_##Base(std::move(region), createStepName, state) {                                           \
        SetStateStatusChecks();                                                                             \
    }                                                                                                       \
    kloC_##Name(kloC_##Name const&) = default;

// The abstract state of a family of loads given by one magnitude per step (scalar,
// distributed and traction loads); only the class and its version differ.
#define KLOC_MAGNITUDE_ATTRIBUTES(A) A(mdl_PropAttr<double>, magnitude, {})
#define KLOC_MAGNITUDE_STATE(Class, version)                                                              \
    class Class : public kloC_LoadState {                                                                 \
        CLS_ABSTRACT_PERSISTENT(Class, kloC_LoadState, Class##_TypeId, version, KLOC_MAGNITUDE_ATTRIBUTES) \
        KLOC_PROPAGATING_ATTRIBUTES(kloC_LoadState, &cls_Self::magnitude_)                                \
        Class() = default;                                                                                \
        explicit Class(double magnitude) { magnitude_ = magnitude; }                                      \
        Class(Class const&) = default;                                                                    \
        Class* Copy() const override = 0;                                                                 \
        mdl_PropAttr<double>& MutableMagnitude() { return magnitude_; }                                   \
    };

// The complex form of a load of one magnitude whose creation state is a State: the
// switch between the forms with the procedure, and its accessors.
#define KLOC_COMPLEX_MAGNITUDE(State)                                                             \
    void ChangeProcedureType(unsigned int procedureType) override {                               \
        SwitchMagnitude<State>(procedureType, useComplex_, complexMagReal_, complexMagImag_);     \
    }                                                                                             \
    std::pair<double, double> ComplexMagnitude() const { return {complexMagReal_, complexMagImag_}; } \
    void SetComplexMagnitude(double real, double imag) {                                          \
        complexMagReal_ = real;                                                                   \
        complexMagImag_ = imag;                                                                   \
    }
