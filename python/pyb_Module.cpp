// The stepwise Python module: a model and its repositories, steps, loads and adaptive
// mesh constraints with their per-step states, and time points, all generic over the class descriptions. Constructors are
// found by scripting name among the registered step and load classes, attributes by
// their scripting names, and every change is a command of the host's session.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "module/kad/domains/kadC_AdptMeshDomain.h"
#include "module/klo/kloC_Module.h"
#include "module/klo/kloC_TypeIds.h"
#include "module/kpr/procedures/kprC_ProcedureCodes.h"
#include "module/kpr/procedures/kprC_ProcedureTypeLabelMap.h"
#include "platform/thr/thr_GlobalSingleton.h"
#include "python/pyb_Values.h"
#include "store/sto_ModelFile.h"

namespace {
using Session = std::shared_ptr<hst_Session>;
std::string const initialStep = kprC_Step::initialCmd().String();

struct Model {
    Session session;
};
enum class Kind { Steps, Loads, Constraints, TimePoints };
// A read-only mapping by name; its changes are commands.
struct Repository {
    Session session;
    Kind kind;
};
// The objects of a model, by name: every read looks the name up again.
struct Step {
    Session session;
    std::string name;
};
// A load or an adaptive mesh constraint.
template <class T>
struct Member {
    Session session;
    std::string name;
};
using Load = Member<kloC_Load>;
using Constraint = Member<kprC_AdptMeshCons>;
struct TimePoint {
    Session session;
    std::string name;
};
using StepMember = pyb_StepMember;
// The state of a member in a step.
template <class T>
struct MemberState {
    Session session;
    std::string member;
    std::string step;
};
// The per-step states of one family's members in one step ("loadStates", ...).
template <class T>
struct MemberStates {
    Session session;
    std::string step;
};
// The load cases of one step ("loadCases"), and one of them.
struct LoadCases {
    Session session;
    std::string step;
};
struct LoadCase {
    Session session;
    std::string step;
    std::string name;
};

// What the module shows of each family of members.
template <class T>
struct Family;

template <>
struct Family<kloC_Load> {
    static constexpr hst_Family family = hst_Family::LOADS;
    static constexpr char const *noun = "load", *keyword = "load";
    static constexpr char const *handle = "Load", *statesHandle = "LoadStates", *stateHandle = "LoadState";
    static constexpr char const* doc = "A load of a model, with its history over the analysis steps.";
    // Loads have a record in every analysis step, none in the Initial step.
    static constexpr bool inInitialStep = false;
    static std::string Repository() { return kloC_Load::loadRepositoryCmd().String(); }
    static std::string States() { return kloC_LoadState::loadStateRepositoryCmd().String(); }
    static kloC_LoadContainer const& Of(hst_Session const& s) { return s.Loads(); }
    static kloC_LoadState const& StateIn(kloC_Load const& l, std::string const& step) { return l.StateIn(step); }
    static py::object Query(kloC_Load const& l, std::string const& name);
    static std::vector<std::string> Queries() { return {"type"}; }
};

template <>
struct Family<kprC_AdptMeshCons> {
    static constexpr hst_Family family = hst_Family::CONSTRAINTS;
    static constexpr char const *noun = "adaptive mesh constraint", *keyword = "adaptiveMeshConstraint";
    static constexpr char const *handle = "AdaptiveMeshConstraint", *statesHandle = "AdaptiveMeshConstraintStates",
                                *stateHandle = "AdaptiveMeshConstraintState";
    static constexpr char const* doc = "An adaptive mesh constraint of a model, with its history over the steps.";
    static constexpr bool inInitialStep = true;
    static std::string Repository() { return kprC_AdptMeshCons::adaptiveMeshConstraintRepositoryCmd().String(); }
    static std::string States() { return kprC_AdptMeshConsState::stateRepositoryCmd().String(); }
    static kprC_AdptMeshConsCont const& Of(hst_Session const& s) { return s.AdaptiveMeshConstraints(); }
    static kprC_AdptMeshConsState const& StateIn(kprC_AdptMeshCons const& c, std::string const& step) {
        return c.ConstGetState(step);
    }
    static py::object Query(kprC_AdptMeshCons const& c, std::string const& name) {
        if (name == "category") return py::str(cls_EnumCodec<kprC_AdptMeshCons::CategoryEnm>::ToString(c.Category()));
        return py::object();
    }
    static std::vector<std::string> Queries() { return {"category"}; }
};

std::string Quoted(std::string const& text) { return cls_ScriptValue(text).Repr(); }

cls_ScriptClass const* ClassOf(std::vector<cls_ScriptClass const*> const& classes, std::string const& constructor) {
    for (auto const* c : classes)
        if (c->constructorName == constructor) return c;
    return nullptr;
}

std::vector<std::string> Keys(Repository const& r) {
    switch (r.kind) {
        case Kind::Steps: return r.session->Steps().Keys();
        case Kind::Loads: return r.session->Loads().Keys();
        case Kind::Constraints: return r.session->AdaptiveMeshConstraints().Keys();
        case Kind::TimePoints: return r.session->TimePoints().Keys();
    }
    return {};
}

bool Contains(Repository const& r, std::string const& name) {
    auto const keys = Keys(r);
    return std::ranges::find(keys, name) != keys.end();
}

py::object Item(Repository const& r, std::string const& name) {
    if (!Contains(r, name)) throw omu_KeyErrorException(name);
    switch (r.kind) {
        case Kind::Steps: return py::cast(Step{r.session, name});
        case Kind::Loads: return py::cast(Load{r.session, name});
        case Kind::Constraints: return py::cast(Constraint{r.session, name});
        case Kind::TimePoints: return py::cast(TimePoint{r.session, name});
    }
    return py::none();
}

char const* RepositoryName(Kind kind) {
    switch (kind) {
        case Kind::Steps: return kprC_Step::stepRepositoryCmd().c_str();
        case Kind::Loads: return kloC_Load::loadRepositoryCmd().c_str();
        case Kind::Constraints: return kprC_AdptMeshCons::adaptiveMeshConstraintRepositoryCmd().c_str();
        case Kind::TimePoints: return kprC_TimePoint::repositoryCmd();
    }
    return "";
}

// --- Adaptive mesh controls and domains ---

// The model's adaptive mesh controls by name, and one of them.
struct AdaptiveMeshControls {
    Session session;
};
struct AdaptiveMeshControl {
    Session session;
    std::string name;
};
// The adaptive mesh domains of one step by name, and one of them.
struct AdaptiveMeshDomains {
    Session session;
    std::string step;
};
struct AdaptiveMeshDomain {
    Session session;
    std::string step;
    std::string name;
};

std::vector<std::string> ControlKeys(AdaptiveMeshControls const& c) { return c.session->AdaptiveMeshControls().Keys(); }

AdaptiveMeshControl ControlItem(AdaptiveMeshControls const& c, std::string const& name) {
    c.session->AdaptiveMeshControls().Get(name);
    return {c.session, name};
}

py::object ControlAttribute(AdaptiveMeshControl const& c, std::string const& name) {
    if (name == kadC_AdptMeshCtrl::keyCmd()) return py::str(c.name);
    return pyb_GetAttribute(c.session->AdaptiveMeshControls().Get(c.name), name, "the adaptive mesh control");
}

std::vector<std::string> DomainKeys(AdaptiveMeshDomains const& d) {
    std::vector<std::string> keys;
    for (auto const& [name, domain] : d.session->AdaptiveMeshDomains(d.step)) keys.push_back(name);
    return keys;
}

kadC_AdptMeshDomain const& DomainOf(AdaptiveMeshDomain const& d) {
    auto const& domains = d.session->AdaptiveMeshDomains(d.step);
    auto const it = domains.find(d.name);
    if (it == domains.end() || !it->second) throw omu_KeyErrorException(d.name);
    return *it->second;
}

AdaptiveMeshDomain DomainItem(AdaptiveMeshDomains const& d, std::string const& name) {
    AdaptiveMeshDomain domain{d.session, d.step, name};
    DomainOf(domain);
    return domain;
}

py::object DomainAttribute(AdaptiveMeshDomain const& d, std::string const& name) {
    if (name == "name") return py::str(d.name);
    if (name == "stepName") return py::str(d.step);
    return pyb_GetAttribute(DomainOf(d), name, "the adaptive mesh domain");
}

// --- Steps ---

kprC_Step const& StepOf(Step const& s) { return s.session->Steps().ConstGet(s.name); }

// What the step classes answer from their classification, beside their attributes.
py::object StepQuery(Step const& s, std::string const& name) {
    kprC_Step const& step = StepOf(s);
    if (name == kprC_Step::nameCmd()) return py::str(s.name);
    if (name == kprC_AnalysisStep::previousCmd()) {
        auto const order = s.session->Steps().Keys();
        auto const at = std::ranges::find(order, s.name);
        return at == order.begin() ? py::none() : py::object(py::str(*(at - 1)));
    }
    if (name == kprC_Step::procedureTypeCmd()) return py::str(kprC_ProcedureTypeEnum(step.ProcedureType()).AsString());
    if (name == kprC_AnalysisStep::procedureCmd()) {
        auto const& labels = thr_GlobalSingleton<kprC_ProcedureTypeLabelMap>::Instance().TranslatedLabels();
        auto const it = labels.find(step.ProcedureType());
        return it == labels.end() ? py::object(py::none()) : py::object(py::str(std::string(it->second)));
    }
    if (name == kprC_AnalysisStep::perturbationCmd()) return py::bool_(step.Perturbation());
    if (name == kprC_AnalysisStep::nonmechanicalCmd()) return py::bool_(step.Nonmechanical());
    if (name == kprC_AnalysisStep::explicitCmd()) return py::bool_(step.Explicit());
    if (name == kprC_Step::allowAdaptiveMeshDomainsCmd()) return py::bool_(step.AllowAdaptiveMeshDomains());
    if (name == kprC_AnalysisStep::responseCmd()) return py::str(cls_EnumCodec<kprC_Step::ResponseEnm>::ToString(step.Response()));
    if (name == kprC_AnalysisStep::nlgeomCmd()) return py::str(cls_EnumCodec<kprC_Step::NlgeomEnm>::ToString(step.Nlgeom()));
    if (name == kprC_AnalysisStep::timePeriodCmd()) return py::float_(step.TimePeriod());
    if (name == klcC_LoadCase::repositoryCmd()) return py::cast(LoadCases{s.session, s.name});
    if (name == Family<kloC_Load>::States()) return py::cast(MemberStates<kloC_Load>{s.session, s.name});
    if (name == Family<kprC_AdptMeshCons>::States()) return py::cast(MemberStates<kprC_AdptMeshCons>{s.session, s.name});
    // What the sequencing rules let follow the step or replace it, as procedure types.
    auto procedures = [&](bool replacing, bool general) {
        auto const all = s.session->StepSuccessors(s.name, replacing);
        py::list out;
        for (unsigned int code : general ? all.general : all.perturbation)
            out.append(py::str(kprC_ProcedureTypeEnum(code).AsString()));
        return py::object(py::tuple(out));
    };
    if (name == kprC_Step::generalStepsCmd()) return procedures(false, true);
    if (name == kprC_Step::perturbationStepsCmd()) return procedures(false, false);
    if (name == kprC_Step::generalReplacementStepsCmd()) return procedures(true, true);
    if (name == kprC_Step::perturbationReplacementStepsCmd()) return procedures(true, false);
    return py::object();
}

std::vector<std::string> const stepQueries = {"name", "previous", "procedureType", "procedure", "perturbation",
                                              "nonmechanical", "explicit", "allowAdaptiveMeshDomains", "response",
                                              "nlgeom", "timePeriod", "loadStates", "loadCases",
                                              "adaptiveMeshConstraintStates"};

py::object StepAttribute(Step const& s, std::string const& name) {
    kprC_Step const& step = StepOf(s);
    if (pyb_HasAttribute(step.DynTypeId(), name)) {
        py::object value = pyb_GetAttribute(step, name, "the step");
        return py::isinstance<pyb_Object>(value) ? py::cast(StepMember{s.session, s.name, name}) : value;
    }
    if (auto const* attribute = hst_Session::StepOutputAttribute(name);
        attribute && pyb_HasAttribute(step.DynTypeId(), attribute)) {
        Session session = s.session;
        std::string const stepName = s.name, member = attribute;
        return py::cpp_function([session, stepName, name, member](py::kwargs const& kw) {
            session->CreateStepOutput(stepName, name, pyb_Arguments(kw));
            return StepMember{session, stepName, member};
        }, py::name(name.c_str()));
    }
    if (auto value = StepQuery(s, name)) return value;
    if (name == klcC_LoadCase::constructorCmd()) {
        Session session = s.session;
        std::string const stepName = s.name;
        return py::cpp_function([session, stepName](py::kwargs const& kw) {
            session->CreateLoadCase(stepName, pyb_Arguments(kw));
            return LoadCase{session, stepName, kw[klcC_LoadCase::keyCmd()].cast<std::string>()};
        }, py::name(klcC_LoadCase::constructorCmd()));
    }
    throw py::attribute_error("step '" + s.name + "' has no attribute '" + name + "'");
}

// --- Loads and adaptive mesh constraints ---

template <class T>
T const& MemberOf(Member<T> const& m) { return Family<T>::Of(*m.session).ConstGet(m.name); }

cls_ScriptClass const* ClassOfObject(cls_Persistent const& o) { return cls_ScriptRegistry::Find(o.DynTypeId()); }

py::object Family<kloC_Load>::Query(kloC_Load const& l, std::string const& name) {
    if (name == kloC_Load::typeCmd()) return py::str(pyb_ScriptName(*ClassOfObject(l)));
    return py::object();
}

py::tuple Statuses(cow_List<mdl_PropagationStatusEnm> const& history) {
    py::list statuses;
    for (auto s : history) statuses.append(py::str(cls_EnumCodec<mdl_PropagationStatusEnm>::ToString(s)));
    return py::tuple(statuses);
}

template <class T>
py::object MemberAttribute(Member<T> const& m, std::string const& name) {
    T const& member = MemberOf(m);
    if (name == kloC_Load::nameCmd()) return py::str(m.name);
    if (name == kloC_Load::createStepNameCmd()) return py::str(member.CreateStepName());
    if (name == kloC_Load::historyCmd()) return Statuses(member.History());
    if (auto value = Family<T>::Query(member, name)) return value;
    if (pyb_HasAttribute(member.DynTypeId(), name)) return pyb_GetAttribute(member, name, ("the " + std::string(Family<T>::noun)).c_str());
    // What the member is created with: its creation state's attributes.
    auto const& state = Family<T>::StateIn(member, member.CreateStepName());
    if (pyb_HasAttribute(state.DynTypeId(), name)) return pyb_GetAttribute(state, name, ("the " + std::string(Family<T>::noun)).c_str());
    throw py::attribute_error(std::string(Family<T>::noun) + " '" + m.name + "' has no attribute '" + name + "'");
}

template <class T>
std::vector<std::string> MemberNames(Member<T> const& m) {
    T const& member = MemberOf(m);
    std::vector<std::string> names{"name", "createStepName", "history"};
    for (auto const& n : Family<T>::Queries()) names.push_back(n);
    for (auto const& n : pyb_AttributeNames(member.DynTypeId())) names.push_back(n);
    for (auto const& n : pyb_AttributeNames(Family<T>::StateIn(member, member.CreateStepName()).DynTypeId()))
        names.push_back(n);
    return names;
}

// --- Per-step states ---

// The state in force in the step, or null where the member has none there (inactive,
// built into the base state, not yet created).
template <class T>
auto const* StateOf(T const& member, std::string const& step) {
    using State = std::remove_cvref_t<decltype(Family<T>::StateIn(member, step))>;
    if (!T::IsActive(member.Status(step))) return static_cast<State const*>(nullptr);
    try {
        return &Family<T>::StateIn(member, step);
    } catch (nex_Exception const&) {
        return static_cast<State const*>(nullptr);
    }
}

template <class T>
py::object StateAttribute(MemberState<T> const& s, std::string const& name) {
    T const& member = Family<T>::Of(*s.session).ConstGet(s.member);
    if (name == kloC_Load::stepNameCmd()) return py::str(s.step);
    if (name == kloC_Load::statusCmd())
        return py::str(cls_EnumCodec<mdl_PropagationStatusEnm>::ToString(member.Status(s.step)));
    auto const* stateClass = hst_Session::StateClassOf(member.DynTypeId());
    if (!stateClass || !pyb_HasAttribute(stateClass->typeId, name))
        throw py::attribute_error("the state of " + std::string(Family<T>::noun) + " '" + s.member +
                                  "' has no attribute '" + name + "'");
    auto const* state = StateOf(member, s.step);
    return state ? pyb_GetAttribute(*state, name, "the state") : py::none();
}

template <class T>
std::string StateRepr(MemberState<T> const& s) {
    T const& member = Family<T>::Of(*s.session).ConstGet(s.member);
    // The state type is named after the member's constructor: "ConcentratedForceState".
    return pyb_ScriptName(*ClassOfObject(member)) + "State(" +
           Family<T>::keyword + "=" + Quoted(s.member) + ", stepName=" + Quoted(s.step) + ", status=" +
           Quoted(cls_EnumCodec<mdl_PropagationStatusEnm>::ToString(member.Status(s.step))) + ")";
}

template <class T>
std::vector<std::string> StateKeys(MemberStates<T> const& s) {
    s.session->Steps().ConstGet(s.step);
    if (s.step == initialStep && !Family<T>::inInitialStep) return {};
    return Family<T>::Of(*s.session).Keys();
}

template <class T>
py::object AsObject(T&& value) {
    if constexpr (std::is_base_of_v<py::object, std::decay_t<T>>)
        return std::forward<T>(value);
    else
        return py::cast(std::forward<T>(value));
}

template <class Handle, class Keys, class Item>
void DefineMapping(py::class_<Handle>& c, Keys keys, Item item) {
    c.def("keys", keys)
        .def("values",
             [keys, item](Handle const& h) {
                 py::list values;
                 for (auto const& k : keys(h)) values.append(AsObject(item(h, k)));
                 return values;
             })
        .def("items",
             [keys, item](Handle const& h) {
                 py::list items;
                 for (auto const& k : keys(h)) items.append(py::make_tuple(k, AsObject(item(h, k))));
                 return items;
             })
        .def("__getitem__", item)
        .def("__contains__",
             [keys](Handle const& h, py::object const& k) {
                 if (!py::isinstance<py::str>(k)) return false;
                 auto const all = keys(h);
                 return std::ranges::find(all, k.cast<std::string>()) != all.end();
             })
        .def("__len__", [keys](Handle const& h) { return keys(h).size(); })
        .def("__iter__", [keys](Handle const& h) { return py::iter(py::cast(keys(h))); })
        .def("get", [keys, item](Handle const& h, std::string const& k, py::object const& otherwise) {
            auto const all = keys(h);
            return std::ranges::find(all, k) != all.end() ? AsObject(item(h, k)) : otherwise;
        }, py::arg("key"), py::arg("default") = py::none());
}

template <class Handle>
void ReadOnly(py::class_<Handle>& c, char const* advice) {
    c.def("__setattr__", [advice](Handle const&, std::string const& name, py::object const&) {
        throw py::attribute_error("'" + name + "' cannot be assigned: " + advice);
    });
}

// The handles of one family: the member with its commands, its states in a step, and
// the mapping of those states.
template <class T>
void DefineFamily(py::module_& m) {
    using F = Family<T>;
    py::class_<Member<T>> member(m, F::handle, F::doc);
    member.def("__getattr__", &MemberAttribute<T>)
        .def("__dir__", &MemberNames<T>)
        .def(kloC_Load::setParametersCmd().c_str(),
             [](Member<T> const& l, py::kwargs const& kw) { l.session->SetMemberValues(F::family, l.name, pyb_Arguments(kw)); })
        .def(kloC_Load::modifyParametersCmd().c_str(),
             [](Member<T> const& l, std::string const& stepName, py::kwargs const& kw) {
                 l.session->SetMemberValuesInStep(F::family, l.name, stepName, pyb_Arguments(kw));
             },
             py::arg(kloC_Load::stepNameCmd().c_str()))
        .def(kloC_Load::deactivateCmd().c_str(),
             [](Member<T> const& l, std::string const& stepName) { l.session->DeactivateMember(F::family, l.name, stepName); },
             py::arg(kloC_Load::stepNameCmd().c_str()))
        .def(kloC_Load::moveCmd().c_str(),
             [](Member<T> const& l, std::string const& from, std::string const& to) {
                 l.session->MoveMember(F::family, l.name, from, to);
             },
             py::arg(kloC_Load::fromStepNameCmd().c_str()), py::arg(kloC_Load::toStepNameCmd().c_str()))
        .def(kloC_Load::resetCmd().c_str(),
             [](Member<T> const& l, std::string const& stepName) { l.session->ResetMember(F::family, l.name, stepName); },
             py::arg(kloC_Load::stepNameCmd().c_str()))
        .def(kloC_Load::suppressCmd().c_str(), [](Member<T> const& l) { l.session->SuppressMember(F::family, l.name); })
        .def(kloC_Load::resumeCmd().c_str(), [](Member<T> const& l) { l.session->ResumeMember(F::family, l.name); })
        .def("__eq__", [](Member<T> const& a, py::object const& b) {
            return py::isinstance<Member<T>>(b) && a.session == b.cast<Member<T> const&>().session &&
                   a.name == b.cast<Member<T> const&>().name;
        })
        .def("__repr__", [](Member<T> const& l) {
            return pyb_ScriptName(*ClassOfObject(MemberOf(l))) + "(name=" + Quoted(l.name) + ")";
        });
    ReadOnly(member, "use setValues() or setValuesInStep()");

    py::class_<MemberStates<T>> states(m, F::statesHandle, "The states of the model's members in one step, by name.");
    DefineMapping(states, &StateKeys<T>, [](MemberStates<T> const& s, std::string const& name) {
        F::Of(*s.session).ConstGet(name);
        if (s.step == initialStep && !F::inInitialStep) throw omu_KeyErrorException(name);
        return MemberState<T>{s.session, name, s.step};
    });

    py::class_<MemberState<T>> state(m, F::stateHandle, "The status and the state in force of a member in one step.");
    state.def("__getattr__", &StateAttribute<T>)
        .def("__dir__",
             [](MemberState<T> const& s) {
                 auto const* c = hst_Session::StateClassOf(F::Of(*s.session).ConstGet(s.member).DynTypeId());
                 auto names = c ? pyb_AttributeNames(c->typeId) : std::vector<std::string>{};
                 names.insert(names.end(), {"stepName", "status"});
                 return names;
             })
        .def("__repr__", &StateRepr<T>);
    ReadOnly(state, "use setValuesInStep()");
}

py::list ChangeHistory(hst_Session const& session) {
    py::list commands;
    for (auto const& record : session.Log()) {
        py::list changes;
        for (auto const& entry : record.changes) {
            py::list items;
            for (auto const& item : entry.change.Items())
                std::visit([&](auto const& v) { items.append(py::cast(v)); }, item);
            changes.append(py::tuple(items));
        }
        commands.append(py::make_tuple(record.command, py::tuple(changes)));
    }
    return commands;
}

Model OpenModel(std::string const& path) {
    try {
        return Model{Session(hst_Session::Open(path))};
    } catch (std::exception const& e) {
        pyb_FileError(e);
    }
}
}  // namespace

PYBIND11_MODULE(stepwise, m) {
    m.doc() = "Build, edit, query, validate, save and open loading histories of finite-element models.";
    static int modules = 0;
    kloC_initialize(modules);
    pyb_DefineErrors(m);
    pyb_DefineObjects(m);

    py::class_<Model> model(m, "Model", "A model: its Initial step, analysis steps, loads, adaptive mesh constraints and time points.");
    model.def(py::init([] { return Model{std::make_shared<hst_Session>()}; }))
        .def_property_readonly(kprC_Step::stepRepositoryCmd().c_str(),
                               [](Model const& mo) { return Repository{mo.session, Kind::Steps}; })
        .def_property_readonly(kloC_Load::loadRepositoryCmd().c_str(),
                               [](Model const& mo) { return Repository{mo.session, Kind::Loads}; })
        .def_property_readonly(kprC_AdptMeshCons::adaptiveMeshConstraintRepositoryCmd().c_str(),
                               [](Model const& mo) { return Repository{mo.session, Kind::Constraints}; })
        .def_property_readonly(kprC_TimePoint::repositoryCmd(),
                               [](Model const& mo) { return Repository{mo.session, Kind::TimePoints}; })
        .def("__getattr__",
             [](Model const& mo, std::string const& name) -> py::object {
                 Session session = mo.session;
                 if (ClassOf(hst_Session::StepClasses(), name))
                     return py::cpp_function([session, name](py::kwargs const& kw) {
                         session->CreateStep(name, pyb_Arguments(kw));
                         return Step{session, kw["name"].cast<std::string>()};
                     }, py::name(name.c_str()));
                 if (ClassOf(hst_Session::LoadClasses(), name))
                     return py::cpp_function([session, name](py::kwargs const& kw) {
                         session->CreateLoad(name, pyb_Arguments(kw));
                         return Load{session, kw["name"].cast<std::string>()};
                     }, py::name(name.c_str()));
                 if (ClassOf(hst_Session::MemberClasses(hst_Family::CONSTRAINTS), name))
                     return py::cpp_function([session, name](py::kwargs const& kw) {
                         session->CreateMember(hst_Family::CONSTRAINTS, name, pyb_Arguments(kw));
                         return Constraint{session, kw["name"].cast<std::string>()};
                     }, py::name(name.c_str()));
                 if (name == kprC_TimePoint::constructorCmd())
                     return py::cpp_function([session](py::kwargs const& kw) {
                         session->CreateTimePoint(pyb_Arguments(kw));
                         return TimePoint{session, kw[kprC_TimePoint::keyCmd()].cast<std::string>()};
                     }, py::name(name.c_str()));
                 throw py::attribute_error("'Model' object has no attribute '" + name + "'");
             })
        .def("__dir__",
             [](py::object const& self) {
                 py::list names = py::module_::import("builtins").attr("object").attr("__dir__")(self);
                 for (auto const* c : hst_Session::StepClasses()) names.append(c->constructorName);
                 for (auto const* c : hst_Session::LoadClasses()) names.append(c->constructorName);
                 for (auto const* c : hst_Session::MemberClasses(hst_Family::CONSTRAINTS)) names.append(c->constructorName);
                 names.append(kprC_TimePoint::constructorCmd());
                 return names;
             })
        .def("validate",
             [](Model const& mo) {
                 std::vector<std::string> problems;
                 for (auto const& p : mo.session->Problems()) problems.push_back(p.Text());
                 return problems;
             },
             "Every problem of the model, as `stepwise check` prints them; empty when it is valid.")
        .def("undo", [](Model const& mo) { mo.session->Undo(); }, "Takes back the last command that succeeded.")
        .def_property_readonly("changeHistory", [](Model const& mo) { return ChangeHistory(*mo.session); },
                               "(command, changes) of every command kept, oldest first.")
        .def("save",
             [](Model const& mo, std::string const& path, bool force) {
                 try {
                     if (auto const why = force ? std::string() : sto_ModelFile::ReplaceRefusal(path); !why.empty())
                         throw sto_ModelFileException("will not replace '" + path + "': " + why +
                                                      "; pass force=True to replace it");
                     mo.session->Save(path);
                 } catch (std::exception const& e) {
                     pyb_FileError(e);
                 }
             },
             py::arg("path"), py::arg("force") = false,
             "Writes the model to the file; replaces only a writable model file not in use, unless force=True.");
    ReadOnly(model, "change the model through its commands");
    m.def("open", &OpenModel, py::arg("path"), "The model saved in the file.");

    py::class_<Repository> repository(m, "Repository", "The objects of one kind in a model, by name (read-only).");
    DefineMapping(repository, &Keys, &Item);
    repository.def("__delitem__", [](Repository const& r, std::string const& name) {
        switch (r.kind) {
            case Kind::Steps: r.session->RemoveStep(name); break;
            case Kind::Loads: r.session->RemoveMember(hst_Family::LOADS, name); break;
            case Kind::Constraints: r.session->RemoveMember(hst_Family::CONSTRAINTS, name); break;
            case Kind::TimePoints: r.session->RemoveTimePoint(name); break;
        }
    });
    repository.def("changeKey",
                   [](Repository const& r, std::string const& fromName, std::string const& toName) {
                       if (r.kind == Kind::Steps)
                           r.session->RenameStep(fromName, toName);
                       else if (r.kind == Kind::Loads || r.kind == Kind::Constraints)
                           r.session->RenameMember(r.kind == Kind::Loads ? hst_Family::LOADS : hst_Family::CONSTRAINTS,
                                                   fromName, toName);
                       else
                           throw omu_TypeErrorException("time points are not renamed");
                   },
                   py::arg("fromName"), py::arg("toName"));
    repository.def("__repr__", [](Repository const& r) {
        std::string text = std::string("<") + RepositoryName(r.kind) + ":";
        for (auto const& k : Keys(r)) text += " " + Quoted(k);
        return text + ">";
    });

    py::class_<Step> step(m, "Step", "An analysis step (or the Initial step) of a model.");
    step.def("__getattr__", &StepAttribute)
        .def(kprC_Step::setParametersCmd().c_str(),
             [](Step const& s, py::kwargs const& kw) { s.session->SetStepValues(s.name, pyb_Arguments(kw)); })
        .def("__dir__",
             [](Step const& s) {
                 auto names = pyb_AttributeNames(StepOf(s).DynTypeId());
                 names.insert(names.end(), stepQueries.begin(), stepQueries.end());
                 names.push_back(kprC_Step::setParametersCmd().String());
                 return names;
             })
        .def("__eq__", [](Step const& a, py::object const& b) {
            return py::isinstance<Step>(b) && a.session == b.cast<Step const&>().session && a.name == b.cast<Step const&>().name;
        })
        .def("__repr__", [](Step const& s) {
            return pyb_ScriptName(*ClassOfObject(StepOf(s))) + "(name=" + Quoted(s.name) + ")";
        });
    ReadOnly(step, "use setValues()");

    py::class_<StepMember> member(m, "StepMember", "Settings a step holds (its restart, monitor, ...).");
    member
        .def("__getattr__",
             [](StepMember const& sm, std::string const& name) {
                 return pyb_GetAttribute(*pyb_MemberOf(sm).object, name, ("the " + sm.attribute).c_str());
             })
        .def("setValues",
             [](StepMember const& sm, py::kwargs const& kw) {
                 sm.session->SetStepMemberValues(sm.step, sm.attribute, pyb_Arguments(kw));
             })
        .def("__dir__",
             [](StepMember const& sm) {
                 auto names = pyb_AttributeNames(pyb_MemberOf(sm).object->DynTypeId());
                 names.push_back("setValues");
                 return names;
             })
        .def("__eq__",
             [](StepMember const& a, py::object const& b) {
                 pyb_Object const mine = pyb_MemberOf(a);
                 if (py::isinstance<StepMember>(b)) return pyb_Repr(mine.object) == pyb_Repr(pyb_MemberOf(b.cast<StepMember const&>()).object);
                 return py::isinstance<pyb_Object>(b) && pyb_Repr(mine.object) == pyb_Repr(b.cast<pyb_Object const&>().object);
             })
        .def("__repr__", [](StepMember const& sm) { return pyb_Repr(pyb_MemberOf(sm).object); });
    ReadOnly(member, "use setValues()");

    // --- Adaptive mesh controls and domains ---
    model.def_property_readonly(kadC_AdptMeshCtrl::repositoryCmd(),
                                [](Model const& mo) { return AdaptiveMeshControls{mo.session}; })
        .def(kadC_AdptMeshCtrl::constructorCmd(), [](Model const& mo, py::kwargs const& kw) {
            mo.session->CreateAdaptiveMeshControl(pyb_Arguments(kw));
            return AdaptiveMeshControl{mo.session, kw[kadC_AdptMeshCtrl::keyCmd()].cast<std::string>()};
        }, "Adds the named adaptive mesh control (or replaces the one of that name).");

    py::class_<AdaptiveMeshControls> controls(m, "AdaptiveMeshControls", "The model's adaptive mesh controls, by name.");
    DefineMapping(controls, &ControlKeys, &ControlItem);
    controls
        .def("__delitem__",
             [](AdaptiveMeshControls const& c, std::string const& name) { c.session->RemoveAdaptiveMeshControl(name); })
        .def("__repr__", [](AdaptiveMeshControls const& c) {
            std::string text = std::string("<") + kadC_AdptMeshCtrl::repositoryCmd() + ":";
            for (auto const& k : ControlKeys(c)) text += " " + Quoted(k);
            return text + ">";
        });

    py::class_<AdaptiveMeshControl> control(m, "AdaptiveMeshControl",
                                            "How the mesh of adaptive mesh domains is smoothed and remapped.");
    control.def("__getattr__", &ControlAttribute)
        .def(kadC_AdptMeshCtrl::setValuesCmd(),
             [](AdaptiveMeshControl const& c, py::kwargs const& kw) {
                 c.session->SetAdaptiveMeshControlValues(c.name, pyb_Arguments(kw));
             })
        .def("__dir__",
             [](AdaptiveMeshControl const&) {
                 auto names = pyb_AttributeNames(kadC_AdptMeshCtrl::TypeId());
                 names.insert(names.end(), {kadC_AdptMeshCtrl::keyCmd(), kadC_AdptMeshCtrl::setValuesCmd()});
                 return names;
             })
        .def("__eq__",
             [](AdaptiveMeshControl const& a, py::object const& b) {
                 return py::isinstance<AdaptiveMeshControl>(b) && a.session == b.cast<AdaptiveMeshControl const&>().session &&
                        a.name == b.cast<AdaptiveMeshControl const&>().name;
             })
        .def("__repr__", [](AdaptiveMeshControl const& c) {
            return std::string(kadC_AdptMeshCtrl::constructorCmd()) + "(name=" + Quoted(c.name) + ")";
        });
    ReadOnly(control, "use setValues()");

    step.def_property_readonly(kadC_AdptMeshDomain::repositoryCmd(),
                               [](Step const& s) { return AdaptiveMeshDomains{s.session, s.name}; })
        .def(kadC_AdptMeshDomain::constructorCmd(), [](Step const& s, py::kwargs const& kw) {
            s.session->CreateAdaptiveMeshDomain(s.name, pyb_Arguments(kw));
            return AdaptiveMeshDomain{s.session, s.name, s.name};
        }, "Switches adaptive meshing on in the step: the domain is kept under the step's name.");

    py::class_<AdaptiveMeshDomains> domains(m, "AdaptiveMeshDomains", "The adaptive mesh domains of one step, by name.");
    DefineMapping(domains, &DomainKeys, &DomainItem);
    domains
        .def("__delitem__",
             [](AdaptiveMeshDomains const& d, std::string const& name) { d.session->RemoveAdaptiveMeshDomain(d.step, name); })
        .def("__repr__", [](AdaptiveMeshDomains const& d) {
            std::string text = std::string("<") + kadC_AdptMeshDomain::repositoryCmd() + " of " + Quoted(d.step) + ":";
            for (auto const& k : DomainKeys(d)) text += " " + Quoted(k);
            return text + ">";
        });

    py::class_<AdaptiveMeshDomain> domain(m, "AdaptiveMeshDomain", "Adaptive meshing of a region in one step.");
    domain.def("__getattr__", &DomainAttribute)
        .def(kadC_AdptMeshDomain::setValuesCmd(),
             [](AdaptiveMeshDomain const& d, py::kwargs const& kw) {
                 d.session->SetAdaptiveMeshDomainValues(d.step, d.name, pyb_Arguments(kw));
             })
        .def("__dir__",
             [](AdaptiveMeshDomain const&) {
                 auto names = pyb_AttributeNames(kadC_AdptMeshDomain::TypeId());
                 names.insert(names.end(), {"name", "stepName", kadC_AdptMeshDomain::setValuesCmd()});
                 return names;
             })
        .def("__eq__",
             [](AdaptiveMeshDomain const& a, py::object const& b) {
                 if (!py::isinstance<AdaptiveMeshDomain>(b)) return false;
                 auto const& o = b.cast<AdaptiveMeshDomain const&>();
                 return a.session == o.session && a.step == o.step && a.name == o.name;
             })
        .def("__repr__", [](AdaptiveMeshDomain const& d) {
            return std::string(kadC_AdptMeshDomain::constructorCmd()) + "(stepName=" + Quoted(d.step) +
                   ", name=" + Quoted(d.name) + ")";
        });
    ReadOnly(domain, "use setValues()");

    DefineFamily<kloC_Load>(m);
    DefineFamily<kprC_AdptMeshCons>(m);

    py::class_<LoadCases> loadCases(m, "LoadCases", "The load cases of one step, by name.");
    DefineMapping(loadCases, [](LoadCases const& c) { return c.session->LoadCaseNames(c.step); },
                  [](LoadCases const& c, std::string const& name) {
                      c.session->LoadCase(c.step, name);
                      return LoadCase{c.session, c.step, name};
                  });
    loadCases.def("__delitem__", [](LoadCases const& c, std::string const& name) { c.session->RemoveLoadCase(c.step, name); });

    py::class_<LoadCase> loadCase(m, "LoadCase", "A combination of loads, boundary conditions and fields of a step.");
    loadCase
        .def("__getattr__",
             [](LoadCase const& c, std::string const& name) -> py::object {
                 if (name == klcC_LoadCase::keyCmd()) return py::str(c.name);
                 return pyb_GetAttribute(c.session->LoadCase(c.step, c.name), name, "the load case");
             })
        .def(klcC_LoadCase::setValuesCmd(),
             [](LoadCase const& c, py::kwargs const& kw) { c.session->SetLoadCaseValues(c.step, c.name, pyb_Arguments(kw)); })
        .def("__dir__",
             [](LoadCase const& c) {
                 auto names = pyb_AttributeNames(klcC_LoadCase::TypeId());
                 names.insert(names.end(), {klcC_LoadCase::keyCmd(), klcC_LoadCase::setValuesCmd()});
                 return names;
             })
        .def("__repr__", [](LoadCase const& c) { return std::string("LoadCase(name=") + Quoted(c.name) + ")"; });
    ReadOnly(loadCase, "use setValues()");

    py::class_<TimePoint> timePoint(m, "TimePoint", "A named list of output times of a model.");
    timePoint
        .def("__getattr__",
             [](TimePoint const& t, std::string const& name) -> py::object {
                 if (name == kprC_TimePoint::keyCmd()) return py::str(t.name);
                 return pyb_GetAttribute(t.session->TimePoints().Get(t.name), name, "the time point");
             })
        .def("setValues", [](TimePoint const& t, py::kwargs const& kw) { t.session->SetTimePointValues(t.name, pyb_Arguments(kw)); })
        .def("__repr__", [](TimePoint const& t) { return "TimePoint(name=" + Quoted(t.name) + ")"; });
    ReadOnly(timePoint, "use setValues()");
}
