// The commands of a model session: each parses its keyword arguments against the class
// descriptions, makes its change through the host's step flow or the loads container,
// validates what it changed, and on any exception puts back the snapshot it took.
#include "host/hst_Session.h"

#include <algorithm>
#include <optional>
#include <set>

#include "host/hst_ModelFile.h"
#include "host/hst_StepControls.h"
#include "module/klo/kloC_TypeIds.h"
#include "module/klc/klcC_assert.h"
#include "module/klo/kloC_assert.h"
#include "module/kpr/kprC_TypeIds.h"
#include "module/kpr/kprC_assert.h"
#include "module/kpr/procedures/kprC_ProcedureClassification.h"
#include "module/kpr/sequencer/kprC_StepSequencer.h"
#include "module/kpr/steps/perturbation/kprC_EigenRules.h"
#include "platform/atr/atr_String.h"
#include "platform/mdl/mdl_PropagationStatus.h"
#include "platform/omu/omu_CmdHistory.h"
#include "platform/thr/thr_ThreadSingleton.h"

namespace {
std::string const initialStep = kprC_Step::initialCmd().String();

std::string ScriptQuoted(std::string const& text) { return cls_ScriptValue(text).Repr(); }
std::string StepPath(std::string const& name) { return "model.steps[" + ScriptQuoted(name) + "]"; }
std::string LoadCasePath(std::string const& step, std::string const& name) {
    return StepPath(step) + ".loadCases[" + ScriptQuoted(name) + "]";
}
std::string TimePointPath(std::string const& name) { return "model.timePoints[" + ScriptQuoted(name) + "]"; }

// The command as a script would write it: model.StaticStep(name='Step-1', previous='Initial').
std::string Call(std::string const& target, hst_Arguments const& args) {
    std::string text = target + "(";
    for (std::size_t i = 0; i < args.size(); ++i)
        text += (i ? ", " : "") + args[i].first + "=" + args[i].second.Repr();
    return text + ")";
}

// Keyword arguments taken one by one; what is left names attributes.
class Kwargs {
public:
    Kwargs(std::string function, hst_Arguments args) : function_(std::move(function)), args_(std::move(args)) {}

    std::optional<cls_ScriptValue> Take(std::string const& key) {
        auto it = std::ranges::find(args_, key, &hst_Arguments::value_type::first);
        if (it == args_.end()) return std::nullopt;
        cls_ScriptValue value = std::move(it->second);
        args_.erase(it);
        return value;
    }
    std::optional<std::string> OptionalString(std::string const& key) {
        auto value = Take(key);
        if (!value) return std::nullopt;
        std::string text;
        cls_ScriptCodec<std::string>::Assign(text, *value, key.c_str());
        return text;
    }
    std::string String(std::string const& key) {
        auto text = OptionalString(key);
        if (!text) Missing(key);
        return *text;
    }
    hst_Arguments const& Rest() const { return args_; }

    [[noreturn]] void Missing(std::string const& key) const {
        throw omu_TypeErrorException(function_ + "() missing required argument '" + key + "'");
    }
    [[noreturn]] void Unexpected(std::string const& key) const {
        throw omu_TypeErrorException(function_ + "() got an unexpected keyword argument '" + key + "'");
    }

private:
    std::string function_;
    hst_Arguments args_;
};

// Sets one attribute by its scripting name or, where `inCreationStep` is given, the
// attribute state of a propagating attribute ("cf1State"). False for a name the
// attributes do not have.
bool SetAttribute(cls_Persistent& object, std::vector<cls_ScriptAttribute> const& attributes, std::string const& key,
                  cls_ScriptValue const& value, std::optional<bool> inCreationStep = std::nullopt) {
    if (auto const* a = cls_ScriptRegistry::FindAttribute(attributes, key)) {
        // An object a script built on its own meets its class's rules before it is kept.
        if (auto const* given = value.Object(); given && *given)
            if (auto const* c = cls_ScriptRegistry::Find((*given)->DynTypeId()); c && c->validate) c->validate(**given);
        a->set(object, value, key.c_str());
        return true;
    }
    std::string const suffix = "State";
    if (!inCreationStep || !key.ends_with(suffix)) return false;
    std::string const stem = key.substr(0, key.size() - suffix.size());
    auto const* a = cls_ScriptRegistry::FindAttribute(attributes, stem);
    if (!a || !a->type.propagating) return false;
    auto const* state = value.If<std::string>();
    if (!state) {
        auto const states = cls_ScriptType::EnumOf(cls_EnumCodec<mdl_PropAttributeStateEnm>::PermittedStrings());
        cls_ScriptMismatch(key.c_str(), states, value);
    }
    a->setState(object, *state, stem.c_str(), *inCreationStep);
    return true;
}

// The attributes of a load or load state that commands set; the suppressed flag and the
// deactivation flag change only through their own commands.
std::vector<cls_ScriptAttribute> Editable(std::vector<cls_ScriptAttribute> attributes) {
    std::erase_if(attributes, [](cls_ScriptAttribute const& a) {
        return a.script == kloC_Load::suppressedCmd() || a.script == kloC_Load::deactivateCmd();
    });
    return attributes;
}

std::optional<double> Number(cls_Persistent const& object, std::vector<cls_ScriptAttribute> const& attributes,
                             std::string const& name) {
    auto const* a = cls_ScriptRegistry::FindAttribute(attributes, name);
    if (!a || a->type.kind != cls_ScriptKind::Double) return std::nullopt;
    return *a->get(object).If<double>();
}

// Increments a new step is not given follow its time period (or total arc length): the
// first increment is the whole period, the largest too, and the smallest 1e-5 of the
// period unless the first is smaller still.
void DefaultIncrements(cls_Persistent& step, std::vector<cls_ScriptAttribute> const& attributes,
                       std::set<std::string> const& given) {
    auto set = [&](std::string const& name, double value) {
        if (!given.contains(name) && Number(step, attributes, name))
            cls_ScriptRegistry::FindAttribute(attributes, name)->set(step, value, name.c_str());
    };
    auto follow = [&](char const* span, char const* initial, char const* minimum, char const* maximum) {
        auto const length = Number(step, attributes, span);
        if (!length || !Number(step, attributes, initial)) return;
        set(initial, *length);
        set(minimum, std::min(*Number(step, attributes, initial), 1e-5 * *length));
        if (maximum) set(maximum, *length);
    };
    follow("timePeriod", "initialInc", "minInc", "maxInc");
    follow("totalArcLength", "initialArcInc", "minArcInc", nullptr);
}

// Subspace vectors a new eigenvalue step is not given follow the eigenvalues it extracts.
void DefaultVectors(cls_Persistent& step, std::vector<cls_ScriptAttribute> const& attributes,
                    std::set<std::string> const& given) {
    auto const* vectors = cls_ScriptRegistry::FindAttribute(attributes, "vectors");
    auto const* numEigen = cls_ScriptRegistry::FindAttribute(attributes, "numEigen");
    if (!vectors || !numEigen || given.contains("vectors") || !given.contains("numEigen")) return;
    // A number of eigenvalues derives the vectors; ALL (read as its word) leaves them.
    auto const value = numEigen->get(step);
    auto const* n = value.If<std::int64_t>();
    if (n && *n > 0 && *n < kprC_EigenUnsetInt) vectors->set(step, kprC_EigenVectorsDef(int(*n)), "vectors");
}

void RequireName(char const* kind, std::string const& name) {
    std::string const article = std::string("aeiou").find(kind[0]) == std::string::npos ? "A " : "An ";
    if (name.empty()) throw omu_ValueErrorException(article + kind + " name cannot be empty.");
}

std::vector<cls_ScriptClass const*> Constructible(std::uint32_t baseId) {
    std::vector<cls_ScriptClass const*> classes;
    for (auto const* c : cls_ScriptRegistry::All())
        if (!c->constructorName.empty() && c->create && cls_ScriptRegistry::DerivesFrom(c->typeId, baseId))
            classes.push_back(c);
    std::ranges::sort(classes, {}, &cls_ScriptClass::constructorName);
    return classes;
}

cls_ScriptClass const* ByConstructor(std::vector<cls_ScriptClass const*> const& classes, std::string const& name) {
    for (auto const* c : classes)
        if (c->constructorName == name) return c;
    throw omu_KeyErrorException(name);
}

// The output settings of an analysis step, by scripting constructor: the step attribute
// that holds them and the kind that suits the step's solver.
struct OutputSetting {
    char const* constructor;
    char const* attribute;
    std::uint32_t (*kindFor)(kprC_Step const&);
};
OutputSetting const outputSettings[] = {
    {"Restart", "restart",
     [](kprC_Step const& s) { return s.Explicit() ? kprC_ExplicitRestart_TypeId : kprC_StandardRestart_TypeId; }},
    {"Monitor", "monitor",
     [](kprC_Step const& s) { return s.Explicit() ? kprC_ExplicitMonitor_TypeId : kprC_StandardMonitor_TypeId; }},
    {"DiagnosticPrint", "diagnosticPrint",
     [](kprC_Step const& s) {
         return s.Explicit()       ? kprC_ExplicitDiagnosticPrint_TypeId
                : s.Perturbation() ? kprC_PerturbationDiagnosticPrint_TypeId
                                   : kprC_StandardDiagnosticPrint_TypeId;
     }},
};

OutputSetting const* FindOutputSetting(std::string const& constructor) {
    for (auto const& o : outputSettings)
        if (constructor == o.constructor) return &o;
    return nullptr;
}

// Sets the arguments on the object, then checks the object's own rules.
void SetAll(cls_Persistent& object, Kwargs const& kw, hst_Arguments const& args) {
    auto const attributes = cls_ScriptRegistry::AttributesOf(object.DynTypeId());
    for (auto const& [key, value] : args)
        if (!SetAttribute(object, attributes, key, value)) kw.Unexpected(key);
    if (auto const* c = cls_ScriptRegistry::Find(object.DynTypeId()); c && c->validate) c->validate(object);
}

// One argument of a step command: controls given by name, else the attribute.
void SetStepArgument(kprC_Step& step, std::vector<cls_ScriptAttribute> const& attributes, Kwargs const& kw,
                     std::string const& key, cls_ScriptValue const& value) {
    if (!hst_SetControlsByName(step, key, value) && !SetAttribute(step, attributes, key, value)) kw.Unexpected(key);
}

template <class T>
std::unique_ptr<T> Create(cls_ScriptClass const& c) {
    std::unique_ptr<cls_Persistent> object(c.create());
    auto* t = dynamic_cast<T*>(object.get());
    NEX_ASSERT(t != nullptr);
    object.release();
    return std::unique_ptr<T>(t);
}
}  // namespace

hst_Session::hst_Session() : flow_(model_) {
    MutableSteps().SetInitialStep(initialStep, kprC_InitialStep());
}

hst_Session::hst_Session(ddr_Model model) : model_(std::move(model)), flow_(model_) {}

std::unique_ptr<hst_Session> hst_Session::Open(std::string const& path) {
    return std::unique_ptr<hst_Session>(new hst_Session(hst_ModelFile::Open(path)));
}

void hst_Session::Save(std::string const& path) const { hst_ModelFile::Save(model_, path); }

kprC_StepContainer const& hst_Session::Steps() const { return model_.Extension<kprC_StepContainer>(ddr_Model::stepCmd()); }
kloC_LoadContainer const& hst_Session::Loads() const { return model_.Extension<kloC_LoadContainer>(ddr_Model::loadCmd()); }
kprC_TimePointCont const& hst_Session::TimePoints() const {
    return model_.Extension<kprC_TimePointCont>(ddr_Model::timePointCmd());
}
kprC_StepContainer& hst_Session::MutableSteps() { return model_.Extension<kprC_StepContainer>(ddr_Model::stepCmd()); }
kprC_TimePointCont& hst_Session::MutableTimePoints() {
    return model_.Extension<kprC_TimePointCont>(ddr_Model::timePointCmd());
}

std::vector<cls_ScriptClass const*> hst_Session::StepClasses() { return Constructible(kprC_AnalysisStep_TypeId); }
std::vector<cls_ScriptClass const*> hst_Session::LoadClasses() { return Constructible(kloC_Load_TypeId); }

cls_ScriptClass const* hst_Session::StateClassOf(std::uint32_t loadTypeId) {
    for (auto const* c = cls_ScriptRegistry::Find(loadTypeId); c; c = cls_ScriptRegistry::Find(c->baseId))
        if (auto const* state = cls_ScriptRegistry::FindByName(c->name + "State")) return state;
    return nullptr;
}

std::vector<cls_ScriptAttribute> hst_Session::AttributesOf(std::uint32_t typeId) {
    return cls_ScriptRegistry::AttributesOf(typeId);
}

template <class Change>
void hst_Session::Run(std::string const& command, Change&& change) {
    auto& history = thr_ThreadSingleton<omu_ChangeHistory>::Instance();
    auto& commands = thr_ThreadSingleton<omu_CmdHistory>::Instance();
    ddr_Model before = model_;
    std::size_t const mark = history.Entries().size();
    commands.Add(command);
    try {
        change();
    } catch (...) {
        model_ = std::move(before);
        history.Truncate(mark);
        commands.RemoveLast();
        throw;
    }
    log_.push_back({command, {history.Entries().begin() + std::ptrdiff_t(mark), history.Entries().end()}});
    undo_.push_back(std::move(before));
}

// --- Steps ---

void hst_Session::CreateStep(std::string const& constructor, hst_Arguments const& args) {
    cls_ScriptClass const& c = *ByConstructor(StepClasses(), constructor);
    Run(Call("model." + constructor, args), [&] {
        Kwargs kw(constructor, args);
        std::string const name = kw.String("name");
        auto const previous = kw.OptionalString("previous");
        auto const maintain = kw.Take("maintainAttributes");
        auto const policyValue = kw.Take("replacementPolicy");
        bool maintainAttributes = false;
        if (maintain) cls_ScriptCodec<bool>::Assign(maintainAttributes, *maintain, "maintainAttributes");
        auto policy = kprC_Step::ReplacementPolicyEnm::SUBSTITUTE;
        if (policyValue) cls_ScriptCodec<decltype(policy)>::Assign(policy, *policyValue, "replacementPolicy");
        RequireName("step", name);

        kprC_StepContainer const& steps = Steps();
        bool const replacing = steps.IsMember(name);
        if (replacing) {
            auto const order = steps.Keys();
            auto const at = std::ranges::find(order, name);
            kprC_Assert(at != order.begin(), kprC_INITIAL_STEP_NOT_REPLACEABLE);
            if (policy == kprC_Step::ReplacementPolicyEnm::DO_NOT_REPLACE)
                throw nex_TextException(atr_SubstituteFormat(kprC_ErrorMessage(kprC_STEP_NAME_EXISTS), {name}));
            if (previous && *previous != *(at - 1))
                throw nex_TextException("A replaced step keeps its place: '" + name + "' follows '" + *(at - 1) + "'.");
        } else {
            if (maintain) kprC_Assert(false, kprC_MAINTAIN_ATTRIBUTES_WITHOUT_REPLACE);
            if (!previous) kw.Missing("previous");
            kprC_Assert(steps.IsMember(*previous), kprC_NO_STEP_BY_THAT_NAME);
        }

        auto step = Create<kprC_AnalysisStep>(c);
        hst_GiveDefaultControls(*step);
        auto const attributes = AttributesOf(c.typeId);
        std::set<std::string> given;
        if (replacing && maintainAttributes) {
            // What the old step and the new class have in common, under one name and kind.
            kprC_Step const& old = steps.ConstGet(name);
            for (auto const& a : AttributesOf(old.DynTypeId())) {
                auto const* b = cls_ScriptRegistry::FindAttribute(attributes, a.script);
                if (!b || b->type.kind != a.type.kind || b->type.permitted != a.type.permitted) continue;
                b->set(*step, a.get(old), a.script.c_str());
                given.insert(a.script);
            }
            hst_KeepFittingControls(*step);
        }
        for (auto const& [key, value] : kw.Rest()) {
            SetStepArgument(*step, attributes, kw, key, value);
            given.insert(key);
        }
        DefaultIncrements(*step, attributes, given);
        DefaultVectors(*step, attributes, given);
        hst_AssertStep(*step);
        if (replacing)
            flow_.Replace(name, *step);
        else
            flow_.InsertAfter(*previous, name, *step);
    });
}

void hst_Session::SetStepValues(std::string const& name, hst_Arguments const& args) {
    Run(Call(StepPath(name) + ".setValues", args), [&] {
        flow_.Modify(name, [&](kprC_Step& step) {
            auto const attributes = AttributesOf(step.DynTypeId());
            Kwargs const kw("setValues", args);
            for (auto const& [key, value] : args) SetStepArgument(step, attributes, kw, key, value);
            hst_AssertStep(step);
        });
    });
}

char const* hst_Session::StepOutputAttribute(std::string const& constructor) {
    auto const* o = FindOutputSetting(constructor);
    return o ? o->attribute : nullptr;
}

void hst_Session::CreateStepOutput(std::string const& name, std::string const& constructor, hst_Arguments const& args) {
    auto const* o = FindOutputSetting(constructor);
    if (!o) throw omu_KeyErrorException(constructor);
    Run(Call(StepPath(name) + "." + constructor, args), [&] {
        flow_.Modify(name, [&](kprC_Step& step) {
            auto const attributes = AttributesOf(step.DynTypeId());
            auto const* member = cls_ScriptRegistry::FindAttribute(attributes, o->attribute);
            if (!member) throw omu_TypeErrorException("step '" + name + "' has no " + o->attribute + " settings");
            std::shared_ptr<cls_Persistent> object(cls_ScriptRegistry::Find(o->kindFor(step))->create());
            SetAll(*object, Kwargs(constructor, args), args);
            member->set(step, cls_ScriptObject(object), o->attribute);
        });
    });
}

void hst_Session::SetStepMemberValues(std::string const& name, std::string const& attribute, hst_Arguments const& args) {
    Run(Call(StepPath(name) + "." + attribute + ".setValues", args), [&] {
        flow_.Modify(name, [&](kprC_Step& step) {
            auto const attributes = AttributesOf(step.DynTypeId());
            auto const* member = cls_ScriptRegistry::FindAttribute(attributes, attribute);
            cls_ScriptValue const current = member ? member->get(step) : cls_ScriptValue();
            if (!current.Object() || !*current.Object())
                throw omu_TypeErrorException("step '" + name + "' has no " + attribute + " to set values on");
            std::shared_ptr<cls_Persistent> object((*current.Object())->Copy());
            SetAll(*object, Kwargs("setValues", args), args);
            member->set(step, cls_ScriptObject(object), attribute.c_str());
        });
    });
}

void hst_Session::RemoveStep(std::string const& name) {
    Run("del " + StepPath(name), [&] {
        if (!flow_.Remove(name)) throw omu_KeyErrorException(name);
    });
}

void hst_Session::RenameStep(std::string const& oldName, std::string const& newName) {
    Run(Call("model.steps.changeKey", {{"fromName", oldName}, {"toName", newName}}), [&] {
        RequireName("step", newName);
        flow_.Rename(oldName, newName);
    });
}

hst_Session::Procedures hst_Session::StepSuccessors(std::string const& name, bool replacing) const {
    if (!Steps().IsMember(name)) throw omu_KeyErrorException(name);
    kprC_StepSequencer sequencer(Steps(), false);
    if (replacing) kprC_Assert(name != initialStep, kprC_INITIAL_STEP_NOT_REPLACEABLE);
    sequencer.Run(name, replacing);
    Procedures out;
    auto keep = [&](cow_List<unsigned int> const& codes, std::vector<unsigned int>& to) {
        for (unsigned int code : codes) {
            if (replacing) {
                // What may follow the steps before it must also let the later steps follow.
                try {
                    kprC_StepSequencer(Steps(), false).Replace(name, code);
                } catch (nex_Exception const&) {
                    continue;
                }
            }
            to.push_back(code);
        }
    };
    keep(sequencer.AppendableGeneral(), out.general);
    keep(sequencer.AppendablePerturbation(), out.perturbation);
    return out;
}

// --- Loads and adaptive mesh constraints ---

namespace {
// What the member commands need to know of one family: where its members live, how
// scripts name them, and the codes of its refusals.
template <class T>
struct Family;

template <>
struct Family<kloC_Load> {
    using State = kloC_LoadState;
    using Container = kloC_LoadContainer;
    static cow_String Key() { return ddr_Model::loadCmd(); }
    static constexpr char const* noun = "load";
    static constexpr auto nameExists = kloC_NAME_EXISTS, noSuchStep = kloC_NO_SUCH_STEP,
                          suppressedEdit = kloC_SUPPRESSED_EDIT, readOnlyInStep = kloC_READ_ONLY_IN_STEP;
    static void Assert(bool ok, kloC_ErrorEnm code) { kloC_Assert(ok, code); }
    // Loads are defined in analysis steps only.
    static void CheckStep(std::string const& stepName) {
        kloC_Assert(stepName != initialStep, kloC_DEFINED_IN_INITIAL_STEP);
    }
    static void CheckDefinition(std::string const&, State const&) {}
    static State const& StateIn(kloC_Load const& load, std::string const& stepName) { return load.StateIn(stepName); }
    static void Created(kloC_Load& load, kprC_Step const& step) { load.ChangeProcedureType(step.ProcedureType()); }
    static void CheckMove(kloC_Load const&, std::string const&, std::string const&) {}
    // A changed distribution reaches the states, and the load is checked again.
    static void Recheck(kloC_Load& load) {
        load.SetStateStatusChecks();
        load.UpdateStates();
    }
};

template <>
struct Family<kprC_AdptMeshCons> {
    using State = kprC_AdptMeshConsState;
    using Container = kprC_AdptMeshConsCont;
    static cow_String Key() { return ddr_Model::adaptiveMeshConstraintCmd(); }
    static constexpr char const* noun = "adaptive mesh constraint";
    static constexpr auto nameExists = kprC_AMC_NAME_EXISTS, noSuchStep = kprC_AMC_STEP_DOES_NOT_EXIST,
                          suppressedEdit = kprC_AMC_SUPPRESSED_EDIT, readOnlyInStep = kprC_AMC_NOT_IN_STEP;
    static void Assert(bool ok, kprC_ErrorEnm code) { kprC_Assert(ok, code); }
    // The Initial step holds constraints that keep the mesh where it is.
    static bool IsZero(State const& state) {
        for (int i = 1; i <= 6; ++i)
            if (state.Component(i).value() != 0.0) return false;
        return true;
    }
    static void CheckStep(std::string const&) {}
    static void CheckDefinition(std::string const& stepName, State const& state) {
        kprC_Assert(stepName != initialStep || IsZero(state), kprC_AMC_NONZERO_IN_INITIAL_STEP);
    }
    static void CheckMove(kprC_AdptMeshCons const& c, std::string const& from, std::string const& to) {
        if (to != initialStep) return;
        if (auto const* r = kprC_PropagatingRecords<State>::Find(c.States(), from); r && r->HasState())
            kprC_Assert(IsZero(*r->state()), kprC_AMC_NONZERO_MOVE_TO_INITIAL);
    }
    static State const& StateIn(kprC_AdptMeshCons const& c, std::string const& stepName) {
        return c.ConstGetState(stepName);
    }
    static void Created(kprC_AdptMeshCons&, kprC_Step const&) {}
    static void Recheck(kprC_AdptMeshCons& c) { c.UpdateStates(); }
};

template <class T>
std::string MemberPath(std::string const& name) {
    return "model." + Family<T>::Key() + "[" + ScriptQuoted(name) + "]";
}
}  // namespace

template <class Command>
void hst_Session::ForFamily(hst_Family family, Command&& command) {
    if (family == hst_Family::LOADS)
        command(static_cast<kloC_Load const*>(nullptr));
    else
        command(static_cast<kprC_AdptMeshCons const*>(nullptr));
}

template <class T>
auto& hst_Session::Members() {
    return model_.Extension<typename Family<T>::Container>(Family<T>::Key());
}

kprC_AdptMeshConsCont const& hst_Session::AdaptiveMeshConstraints() const {
    return model_.Extension<kprC_AdptMeshConsCont>(ddr_Model::adaptiveMeshConstraintCmd());
}

std::vector<cls_ScriptClass const*> hst_Session::MemberClasses(hst_Family family) {
    return Constructible(family == hst_Family::LOADS ? kloC_Load_TypeId : kprC_AdptMeshCons_TypeId);
}

template <class T>
void hst_Session::CreateOf(std::string const& constructor, hst_Arguments const& args) {
    using F = Family<T>;
    cls_ScriptClass const& c = *ByConstructor(Constructible(T::TypeId()), constructor);
    cls_ScriptClass const* stateClass = StateClassOf(c.typeId);
    NEX_ASSERT(stateClass != nullptr && stateClass->create);
    Run(Call("model." + constructor, args), [&] {
        Kwargs kw(constructor, args);
        std::string const name = kw.String("name");
        std::string const createStepName = kw.String("createStepName");
        auto const region = kw.Take("region");
        if (!region) kw.Missing("region");
        RequireName(F::noun, name);
        F::Assert(!Members<T>().IsMember(name), F::nameExists);
        F::CheckStep(createStepName);
        F::Assert(Steps().IsMember(createStepName), F::noSuchStep);

        auto member = Create<T>(c);
        auto state = Create<typename F::State>(*stateClass);
        auto const memberAttributes = Editable(AttributesOf(c.typeId));
        auto const stateAttributes = Editable(AttributesOf(stateClass->typeId));
        SetAttribute(*member, memberAttributes, T::regionCmd().String(), *region);
        for (auto const& [key, value] : kw.Rest())
            if (!SetAttribute(*member, memberAttributes, key, value) &&
                !SetAttribute(*state, stateAttributes, key, value, true))
                kw.Unexpected(key);
        F::CheckDefinition(createStepName, *state);
        member->Insert(createStepName, *state);
        F::Created(*member, Steps().ConstGet(createStepName));
        Members<T>().Insert(name, *member);
    });
}

template <class T>
T& hst_Session::EditableMember(std::string const& name) {
    Family<T>::Assert(!Members<T>().ConstGet(name).IsSuppressed(), Family<T>::suppressedEdit);
    return Members<T>().Get(name);
}

// Defines the state in a step: the state in force there with the given attributes set,
// so that what the step already modifies stays modified.
template <class T>
void hst_Session::EditState(T& member, std::string const& stepName, hst_Arguments const& args, char const* command) {
    using F = Family<T>;
    F::CheckStep(stepName);
    auto status = mdl_PropagationStatusEnm::NOT_YET_CREATED;
    try {
        status = member.Status(stepName);
    } catch (omu_KeyErrorException const&) {
        F::Assert(false, F::noSuchStep);
    }
    std::unique_ptr<typename F::State> state;
    if (T::IsActive(status)) {
        try {
            state.reset(F::StateIn(member, stepName).Copy());
        } catch (nex_Exception const&) {
            // Active without a state of its own: built into the base state of the step.
        }
    }
    F::Assert(state != nullptr, F::readOnlyInStep);
    auto const attributes = Editable(AttributesOf(state->DynTypeId()));
    Kwargs const kw(command, args);
    bool const inCreationStep = stepName == member.CreateStepName();
    for (auto const& [key, value] : args)
        if (!SetAttribute(*state, attributes, key, value, inCreationStep)) kw.Unexpected(key);
    F::CheckDefinition(stepName, *state);
    member.Insert(stepName, *state);
}

template <class T>
void hst_Session::SetValuesOf(std::string const& name, hst_Arguments const& args) {
    Run(Call(MemberPath<T>(name) + ".setValues", args), [&] {
        T& member = EditableMember<T>(name);
        auto const attributes = Editable(AttributesOf(member.DynTypeId()));
        hst_Arguments stateArgs;
        for (auto const& [key, value] : args)
            if (!SetAttribute(member, attributes, key, value)) stateArgs.emplace_back(key, value);
        if (!stateArgs.empty())
            EditState(member, member.CreateStepName(), stateArgs, "setValues");
        else
            Family<T>::Recheck(member);
    });
}

template <class T>
void hst_Session::RenameOf(std::string const& oldName, std::string const& newName) {
    using F = Family<T>;
    Run(Call("model." + F::Key() + ".changeKey", {{"fromName", oldName}, {"toName", newName}}), [&] {
        if (oldName == newName) return;
        RequireName(F::noun, newName);
        std::unique_ptr<T> const member(Members<T>().ConstGet(oldName).Copy());
        F::Assert(!Members<T>().IsMember(newName), F::nameExists);
        Members<T>().Remove(oldName);
        Members<T>().ForcedInsert(newName, *member);
    });
}

void hst_Session::CreateMember(hst_Family family, std::string const& constructor, hst_Arguments const& args) {
    ForFamily(family, [&]<class T>(T const*) { CreateOf<T>(constructor, args); });
}

void hst_Session::SetMemberValues(hst_Family family, std::string const& name, hst_Arguments const& args) {
    ForFamily(family, [&]<class T>(T const*) { SetValuesOf<T>(name, args); });
}

void hst_Session::SetMemberValuesInStep(hst_Family family, std::string const& name, std::string const& stepName,
                                        hst_Arguments const& args) {
    hst_Arguments all{{"stepName", stepName}};
    all.insert(all.end(), args.begin(), args.end());
    ForFamily(family, [&]<class T>(T const*) {
        Run(Call(MemberPath<T>(name) + ".setValuesInStep", all),
            [&] { EditState(EditableMember<T>(name), stepName, args, "setValuesInStep"); });
    });
}

void hst_Session::DeactivateMember(hst_Family family, std::string const& name, std::string const& stepName) {
    ForFamily(family, [&]<class T>(T const*) {
        Run(Call(MemberPath<T>(name) + ".deactivate", {{"stepName", stepName}}),
            [&] { EditableMember<T>(name).Deactivate(stepName); });
    });
}

void hst_Session::MoveMember(hst_Family family, std::string const& name, std::string const& fromStepName,
                             std::string const& toStepName) {
    ForFamily(family, [&]<class T>(T const*) {
        Run(Call(MemberPath<T>(name) + ".move", {{"fromStepName", fromStepName}, {"toStepName", toStepName}}),
            [&] {
                T& member = EditableMember<T>(name);
                Family<T>::CheckMove(member, fromStepName, toStepName);
                member.Move(fromStepName, toStepName);
            });
    });
}

void hst_Session::ResetMember(hst_Family family, std::string const& name, std::string const& stepName) {
    ForFamily(family, [&]<class T>(T const*) {
        Run(Call(MemberPath<T>(name) + ".reset", {{"stepName", stepName}}), [&] { EditableMember<T>(name).Reset(stepName); });
    });
}

void hst_Session::SuppressMember(hst_Family family, std::string const& name) {
    ForFamily(family, [&]<class T>(T const*) {
        Run(Call(MemberPath<T>(name) + ".suppress", {}), [&] { Members<T>().Get(name).Suppress(); });
    });
}

void hst_Session::ResumeMember(hst_Family family, std::string const& name) {
    ForFamily(family, [&]<class T>(T const*) {
        Run(Call(MemberPath<T>(name) + ".resume", {}), [&] { Members<T>().Get(name).Resume(); });
    });
}

void hst_Session::RemoveMember(hst_Family family, std::string const& name) {
    ForFamily(family, [&]<class T>(T const*) {
        Run("del " + MemberPath<T>(name), [&] {
            if (!Members<T>().Remove(name)) throw omu_KeyErrorException(name);
        });
    });
}

void hst_Session::RenameMember(hst_Family family, std::string const& oldName, std::string const& newName) {
    ForFamily(family, [&]<class T>(T const*) { RenameOf<T>(oldName, newName); });
}

// --- Adaptive mesh controls and domains ---

namespace {
std::string ControlPath(std::string const& name) {
    return std::string("model.") + kadC_AdptMeshCtrl::repositoryCmd() + "[" + ScriptQuoted(name) + "]";
}
std::string DomainPath(std::string const& step, std::string const& name) {
    return StepPath(step) + "." + kadC_AdptMeshDomain::repositoryCmd() + "[" + ScriptQuoted(name) + "]";
}

kadC_AdptMeshCtrlCont& ControlsOf(ddr_Model& model) {
    return model.Extension<kadC_AdptMeshCtrlCont>(ddr_Model::adaptiveMeshControlCmd());
}

// The domains of a step that allows them, for a change.
kprC_AdptMeshDomainMap& EditableDomains(kprC_Step& step, std::string const& name) {
    auto* analysis = dynamic_cast<kprC_AnalysisStep*>(&step);
    if (!analysis || !step.AllowAdaptiveMeshDomains())
        throw nex_TextException(hst_NoDomainsMessage(name));
    return analysis->MutableAmd();
}
}  // namespace

kadC_AdptMeshCtrlCont const& hst_Session::AdaptiveMeshControls() const {
    return model_.Extension<kadC_AdptMeshCtrlCont>(ddr_Model::adaptiveMeshControlCmd());
}

void hst_Session::CreateAdaptiveMeshControl(hst_Arguments const& args) {
    Run(Call(std::string("model.") + kadC_AdptMeshCtrl::constructorCmd(), args), [&] {
        Kwargs kw(kadC_AdptMeshCtrl::constructorCmd(), args);
        std::string const name = kw.String(kadC_AdptMeshCtrl::keyCmd());
        if (name.empty()) throw omu_ValueErrorException("An adaptive mesh control name cannot be empty.");
        kadC_AdptMeshCtrl control;
        SetAll(control, kw, kw.Rest());
        ControlsOf(model_).Set(name, control);
    });
}

void hst_Session::SetAdaptiveMeshControlValues(std::string const& name, hst_Arguments const& args) {
    Run(Call(ControlPath(name) + "." + kadC_AdptMeshCtrl::setValuesCmd(), args), [&] {
        kadC_AdptMeshCtrl control = AdaptiveMeshControls().Get(name);
        SetAll(control, Kwargs(kadC_AdptMeshCtrl::setValuesCmd(), args), args);
        ControlsOf(model_).Set(name, control);
    });
}

void hst_Session::RemoveAdaptiveMeshControl(std::string const& name) {
    Run("del " + ControlPath(name), [&] {
        if (!ControlsOf(model_).Remove(name)) throw omu_KeyErrorException(name);
    });
}

kprC_AdptMeshDomainMap const& hst_Session::AdaptiveMeshDomains(std::string const& stepName) const {
    static kprC_AdptMeshDomainMap const none;
    auto const* analysis = dynamic_cast<kprC_AnalysisStep const*>(&Steps().ConstGet(stepName));
    return analysis ? analysis->amd() : none;
}

void hst_Session::CreateAdaptiveMeshDomain(std::string const& stepName, hst_Arguments const& args) {
    Run(Call(StepPath(stepName) + "." + kadC_AdptMeshDomain::constructorCmd(), args), [&] {
        flow_.Modify(stepName, [&](kprC_Step& step) {
            auto& domains = EditableDomains(step, stepName);
            kadC_AdptMeshDomain domain;
            SetAll(domain, Kwargs(kadC_AdptMeshDomain::constructorCmd(), args), args);
            domains.insert_or_assign(stepName, cow_COW<kadC_AdptMeshDomain>(domain.Copy()));
        });
    });
}

void hst_Session::SetAdaptiveMeshDomainValues(std::string const& stepName, std::string const& name,
                                              hst_Arguments const& args) {
    Run(Call(DomainPath(stepName, name) + "." + kadC_AdptMeshDomain::setValuesCmd(), args), [&] {
        flow_.Modify(stepName, [&](kprC_Step& step) {
            auto& domains = EditableDomains(step, stepName);
            auto it = domains.find(name);
            if (it == domains.end() || it->second.IsNull()) throw omu_KeyErrorException(name);
            kadC_AdptMeshDomain domain = *it->second;
            SetAll(domain, Kwargs(kadC_AdptMeshDomain::setValuesCmd(), args), args);
            it->second = cow_COW<kadC_AdptMeshDomain>(domain.Copy());
        });
    });
}

void hst_Session::RemoveAdaptiveMeshDomain(std::string const& stepName, std::string const& name) {
    Run("del " + DomainPath(stepName, name), [&] {
        if (!AdaptiveMeshDomains(stepName).contains(name)) throw omu_KeyErrorException(name);
        flow_.Modify(stepName, [&](kprC_Step& step) { static_cast<kprC_AnalysisStep&>(step).MutableAmd().erase(name); });
    });
}

// --- Load cases ---

std::vector<std::string> hst_Session::LoadCaseNames(std::string const& stepName) const {
    std::vector<std::string> names;
    if (auto const* step = dynamic_cast<kprC_AnalysisStep const*>(&Steps().ConstGet(stepName)))
        for (auto const& [name, loadCase] : step->lcc()) names.push_back(name);
    return names;
}

klcC_LoadCase const& hst_Session::LoadCase(std::string const& stepName, std::string const& name) const {
    auto const* step = dynamic_cast<kprC_AnalysisStep const*>(&Steps().ConstGet(stepName));
    auto const it = step ? step->lcc().find(name) : kprC_LoadCaseMap::const_iterator();
    if (!step || it == step->lcc().end()) throw omu_KeyErrorException(name);
    return *it->second;
}

// A new load case, or the step's load case with the arguments set; then checked against
// the step and the model's loads, and kept in the step.
void hst_Session::PutLoadCase(std::string const& stepName, std::string const& name, hst_Arguments const& args,
                              bool isNew) {
    kprC_Step const& step = Steps().ConstGet(stepName);
    klcC_Assert(kprC_LoadCaseIsAllowed(step.ProcedureType()), klcC_STEP_NOT_ALLOWED);
    klcC_LoadCase loadCase;
    if (isNew) {
        RequireName("load case", name);
        for (auto const& other : Steps().Keys())
            for (auto const& taken : LoadCaseNames(other)) klcC_Assert(taken != name, klcC_NAME_NOT_UNIQUE);
    } else {
        loadCase = LoadCase(stepName, name);
    }
    SetAll(loadCase, Kwargs(isNew ? klcC_LoadCase::constructorCmd() : klcC_LoadCase::setValuesCmd(), args), args);
    for (auto const& [load, factor] : loadCase.loads()) {
        bool const exists = Loads().IsMember(load) && !Loads().ConstGet(load).IsSuppressed();
        klcC_AssertLoadCaseContent(exists, klcC_LOAD_MISSING, load);
        Loads().ConstGet(load).ValidInALoadCase(stepName, true);
    }
    flow_.Modify(stepName, [&](kprC_Step& s) {
        dynamic_cast<kprC_AnalysisStep&>(s).MutableLcc()[name] = cow_COW<klcC_LoadCase>(std::make_shared<klcC_LoadCase>(loadCase));
    });
}

void hst_Session::CreateLoadCase(std::string const& stepName, hst_Arguments const& args) {
    Run(Call(StepPath(stepName) + "." + klcC_LoadCase::constructorCmd(), args), [&] {
        Kwargs kw(klcC_LoadCase::constructorCmd(), args);
        std::string const name = kw.String(klcC_LoadCase::keyCmd());
        PutLoadCase(stepName, name, kw.Rest(), true);
    });
}

void hst_Session::SetLoadCaseValues(std::string const& stepName, std::string const& name, hst_Arguments const& args) {
    Run(Call(LoadCasePath(stepName, name) + "." + klcC_LoadCase::setValuesCmd(), args),
        [&] { PutLoadCase(stepName, name, args, false); });
}

void hst_Session::RemoveLoadCase(std::string const& stepName, std::string const& name) {
    Run("del " + LoadCasePath(stepName, name), [&] {
        LoadCase(stepName, name);
        flow_.Modify(stepName, [&](kprC_Step& s) { dynamic_cast<kprC_AnalysisStep&>(s).MutableLcc().erase(name); });
    });
}

// --- Time points ---

void hst_Session::CreateTimePoint(hst_Arguments const& args) {
    Run(Call("model.TimePoint", args), [&] {
        Kwargs kw(kprC_TimePoint::constructorCmd(), args);
        std::string const name = kw.String(kprC_TimePoint::keyCmd());
        auto const points = kw.Take("points");
        if (!points) kw.Missing("points");
        RequireName("time point", name);
        kprC_TimePoint timePoint;
        auto const attributes = AttributesOf(kprC_TimePoint::TypeId());
        SetAttribute(timePoint, attributes, "points", *points);
        for (auto const& arg : kw.Rest()) kw.Unexpected(arg.first);
        MutableTimePoints().Set(name, timePoint);
    });
}

void hst_Session::SetTimePointValues(std::string const& name, hst_Arguments const& args) {
    Run(Call(TimePointPath(name) + ".setValues", args), [&] {
        kprC_TimePoint timePoint = TimePoints().Get(name);
        auto const attributes = AttributesOf(kprC_TimePoint::TypeId());
        Kwargs const kw("setValues", args);
        for (auto const& [key, value] : args)
            if (!SetAttribute(timePoint, attributes, key, value)) kw.Unexpected(key);
        MutableTimePoints().Set(name, timePoint);
    });
}

void hst_Session::RemoveTimePoint(std::string const& name) {
    Run("del " + TimePointPath(name), [&] {
        if (!MutableTimePoints().Remove(name)) throw omu_KeyErrorException(name);
    });
}

void hst_Session::Undo() {
    if (undo_.empty()) throw nex_TextException("There is no command to undo.");
    model_ = std::move(undo_.back());
    undo_.pop_back();
    log_.pop_back();
}
