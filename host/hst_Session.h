#pragma once
// A model edited by commands: the one entry point through which the Python module and
// the stepwise program's demo build, edit, check, save and open models.
//
// Classes and attributes are found in the class descriptions (cls_ScriptRegistry) under
// their scripting names: a step command takes the name of any concrete analysis step
// class's scripting constructor, a load command that of any load class; arguments are
// scripting values named by the attributes' scripting names. Nothing here names a step
// or load class.
//
// Every command is all-or-nothing: it takes a snapshot of the model (the containers are
// copy-on-write, so the copy costs a few maps), and any exception puts the snapshot back
// and drops what the command filed in the change history, even where the library itself
// keeps a change before it raises. A successful command keeps its snapshot for Undo()
// and its changes in Log().
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/hst_Problems.h"
#include "host/hst_StepFlow.h"
#include "module/kad/controls/kadC_AdptMeshCtrlCont.h"
#include "module/klc/loadcases/klcC_LoadCase.h"
#include "module/klo/loads/kloC_LoadContainer.h"
#include "module/kpr/amc/kprC_AdptMeshConsCont.h"
#include "module/kpr/timepoints/kprC_TimePointCont.h"
#include "platform/cls/cls_Script.h"
#include "platform/omu/omu_ChangeHistory.h"

// The kinds of member that propagate over the steps, each in its own container.
enum class hst_Family { LOADS, CONSTRAINTS };

// Keyword arguments in the order given.
using hst_Arguments = std::vector<std::pair<std::string, cls_ScriptValue>>;

// One command as it was given, with the changes it filed in the change history.
struct hst_CommandRecord {
    std::string command;
    std::vector<omu_ChangeHistory::Entry> changes;
};

class hst_Session {
public:
    // A new model holding its Initial step.
    hst_Session();
    // The model saved in the file (the library must be initialised).
    static std::unique_ptr<hst_Session> Open(std::string const& path);
    hst_Session(hst_Session const&) = delete;
    hst_Session& operator=(hst_Session const&) = delete;

    void Save(std::string const& path) const;
    ddr_Model const& Model() const { return model_; }
    kprC_StepContainer const& Steps() const;
    kloC_LoadContainer const& Loads() const;
    kprC_AdptMeshConsCont const& AdaptiveMeshConstraints() const;
    kprC_TimePointCont const& TimePoints() const;

    // The classes scripts create in a model, by scripting constructor name.
    static std::vector<cls_ScriptClass const*> StepClasses();
    static std::vector<cls_ScriptClass const*> LoadClasses();
    static std::vector<cls_ScriptClass const*> MemberClasses(hst_Family family);
    // The per-step state class of a load or constraint class: the registered class named
    // after it with "State" appended, or that of its nearest base that has one.
    static cls_ScriptClass const* StateClassOf(std::uint32_t memberTypeId);
    // What scripts see of an object of the class.
    static std::vector<cls_ScriptAttribute> AttributesOf(std::uint32_t typeId);

    // --- Steps ---
    // Arguments: name, previous, the step's attributes, and for a name already taken
    // (the step then runs this procedure in its place) maintainAttributes and
    // replacementPolicy. Increments not given follow the time period.
    void CreateStep(std::string const& constructor, hst_Arguments const& args);
    void SetStepValues(std::string const& name, hst_Arguments const& args);
    // The step's output settings ("Restart", "Monitor", "DiagnosticPrint"): new settings of
    // the kind that suits the step's solver, with the given attributes; StepOutputAttribute
    // names the step attribute that holds them (null for another name).
    static char const* StepOutputAttribute(std::string const& constructor);
    void CreateStepOutput(std::string const& name, std::string const& constructor, hst_Arguments const& args);
    // Changes attributes of an object the step holds (its "monitor", say).
    void SetStepMemberValues(std::string const& name, std::string const& attribute, hst_Arguments const& args);
    void RemoveStep(std::string const& name);
    void RenameStep(std::string const& oldName, std::string const& newName);
    // The procedure codes that may follow the named step ("Initial": that may open the
    // history) or, `replacing`, that may run in its place with the later steps kept:
    // general procedures, then perturbation procedures, each in label order.
    struct Procedures {
        std::vector<unsigned int> general, perturbation;
    };
    Procedures StepSuccessors(std::string const& name, bool replacing) const;

    // --- Loads and adaptive mesh constraints: members that propagate over the steps ---
    // Arguments: name, createStepName, region, the member's and its creation state's
    // attributes. Loads are created in analysis steps; constraints also in the Initial
    // step, where every component must be zero.
    void CreateMember(hst_Family family, std::string const& constructor, hst_Arguments const& args);
    // The member's attributes and its creation state's.
    void SetMemberValues(hst_Family family, std::string const& name, hst_Arguments const& args);
    // The state's attributes in that step, and their attribute states as "<name>State".
    void SetMemberValuesInStep(hst_Family family, std::string const& name, std::string const& stepName,
                               hst_Arguments const& args);
    void DeactivateMember(hst_Family family, std::string const& name, std::string const& stepName);
    void MoveMember(hst_Family family, std::string const& name, std::string const& fromStepName,
                    std::string const& toStepName);
    void ResetMember(hst_Family family, std::string const& name, std::string const& stepName);
    void SuppressMember(hst_Family family, std::string const& name);
    void ResumeMember(hst_Family family, std::string const& name);
    void RemoveMember(hst_Family family, std::string const& name);
    void RenameMember(hst_Family family, std::string const& oldName, std::string const& newName);

    void CreateLoad(std::string const& constructor, hst_Arguments const& args) {
        CreateMember(hst_Family::LOADS, constructor, args);
    }
    void SetLoadValuesInStep(std::string const& name, std::string const& stepName, hst_Arguments const& args) {
        SetMemberValuesInStep(hst_Family::LOADS, name, stepName, args);
    }
    void DeactivateLoad(std::string const& name, std::string const& stepName) {
        DeactivateMember(hst_Family::LOADS, name, stepName);
    }

    // --- Adaptive mesh controls and domains ---
    kadC_AdptMeshCtrlCont const& AdaptiveMeshControls() const;
    // Arguments: name and the control's attributes; a control of that name is replaced.
    // A control is checked (AssertValid) before it is kept.
    void CreateAdaptiveMeshControl(hst_Arguments const& args);
    void SetAdaptiveMeshControlValues(std::string const& name, hst_Arguments const& args);
    void RemoveAdaptiveMeshControl(std::string const& name);
    // The domains a step holds, by name (none in the Initial step).
    kprC_AdptMeshDomainMap const& AdaptiveMeshDomains(std::string const& stepName) const;
    // Arguments: the domain's attributes. The domain is kept under the step's name, in a
    // step that allows domains, once it is checked; a domain under that name is replaced.
    void CreateAdaptiveMeshDomain(std::string const& stepName, hst_Arguments const& args);
    void SetAdaptiveMeshDomainValues(std::string const& stepName, std::string const& name, hst_Arguments const& args);
    void RemoveAdaptiveMeshDomain(std::string const& stepName, std::string const& name);

    // --- Load cases (held by the steps whose procedure admits them) ---
    // Arguments: name, loads, boundaryConditions, predefinedFields (each a sequence of
    // (name, scale factor) pairs), includeActiveBaseStateBC. The name is unique in the
    // model; every load named must be in force in the step and of a type load cases take.
    // The model holds no boundary conditions or fields: their names are kept as given.
    void CreateLoadCase(std::string const& stepName, hst_Arguments const& args);
    void SetLoadCaseValues(std::string const& stepName, std::string const& name, hst_Arguments const& args);
    void RemoveLoadCase(std::string const& stepName, std::string const& name);
    // The step's load cases, in name order (none for the Initial step).
    std::vector<std::string> LoadCaseNames(std::string const& stepName) const;
    klcC_LoadCase const& LoadCase(std::string const& stepName, std::string const& name) const;

    // --- Time points ---
    // Arguments: name, points.
    void CreateTimePoint(hst_Arguments const& args);
    void SetTimePointValues(std::string const& name, hst_Arguments const& args);
    void RemoveTimePoint(std::string const& name);

    // Takes back the last command that succeeded.
    void Undo();
    bool CanUndo() const { return !undo_.empty(); }
    std::vector<hst_CommandRecord> const& Log() const { return log_; }
    std::vector<hst_Problem> Problems() const { return hst_Problems(model_); }

private:
    explicit hst_Session(ddr_Model model);
    template <class Change>
    void Run(std::string const& command, Change&& change);
    kprC_StepContainer& MutableSteps();
    kprC_TimePointCont& MutableTimePoints();
    void PutLoadCase(std::string const& stepName, std::string const& name, hst_Arguments const& args, bool isNew);
    template <class T>
    auto& Members();
    template <class T>
    T& EditableMember(std::string const& name);
    template <class T>
    void EditState(T& member, std::string const& stepName, hst_Arguments const& args, char const* command);
    template <class T>
    void CreateOf(std::string const& constructor, hst_Arguments const& args);
    template <class T>
    void SetValuesOf(std::string const& name, hst_Arguments const& args);
    template <class T>
    void RenameOf(std::string const& oldName, std::string const& newName);
    // Runs `command` on the member family's class: the load or the constraint form.
    template <class Command>
    void ForFamily(hst_Family family, Command&& command);

    ddr_Model model_;
    hst_StepFlow flow_;
    std::vector<ddr_Model> undo_;
    std::vector<hst_CommandRecord> log_;
};
