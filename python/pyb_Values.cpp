// Scripting values between Python and the class descriptions, the free-standing objects
// of described classes, and the exceptions of the stepwise module.
#include "python/pyb_Values.h"

#include <map>

#include <pybind11/eval.h>

#include "module/kad/kadC_TypeIds.h"
#include "module/klc/klcC_TypeIds.h"
#include "module/klo/kloC_TypeIds.h"
#include "module/kpr/kprC_TypeIds.h"
#include "platform/nex/nex_Exception.h"

namespace {
// The module's exception classes, kept for the translator for the life of the process.
struct Errors {
    py::object error, invalidValue, unknownName, wrongType, refused, internal, file;
};
Errors* errors = nullptr;

char const* const errorClasses = R"(
class Error(Exception):
    """Base of every refusal of the stepwise library; the text is the library's message."""

class InvalidValue(Error, ValueError):
    """A value the library does not accept."""

class UnknownName(Error, KeyError):
    """A name that is not in the repository or history it was looked up in."""
    def __str__(self):
        return str(self.args[0]) if self.args else ''

class WrongType(Error, TypeError):
    """An argument of the wrong kind, one a command does not take, or one it lacks."""

class Refused(Error):
    """A request the library refuses by its rules."""

class InternalError(Error):
    """An internal inconsistency; the text is the condition that failed."""

class FileError(Error, OSError):
    """A model file that cannot be read or written."""
)";

std::string Prefixless(std::string const& name) {
    auto const at = name.find("C_");
    return at == std::string::npos ? name : name.substr(at + 2);
}

// The module-level constructor names of the free-standing classes, by type id.
std::map<std::uint32_t, std::string> objectNames;
}  // namespace

std::string pyb_Repr(cls_ScriptObject const& object) {
    auto const* c = cls_ScriptRegistry::Find(object->DynTypeId());
    auto const named = objectNames.find(object->DynTypeId());
    std::string text = (named != objectNames.end() ? named->second : c ? pyb_ScriptName(*c) : std::string("Object")) + "(";
    bool first = true;
    for (auto const& a : cls_ScriptRegistry::AttributesOf(object->DynTypeId())) {
        if (a.type.derived) continue;
        text += (first ? "" : ", ") + a.script + "=" + py::repr(pyb_ToPython(a.get(*object))).cast<std::string>();
        first = false;
    }
    return text + ")";
}

namespace {
// The classes scripts build on their own: concrete described classes with a scripting
// constructor that are not created in a model by its commands.
bool FreeStanding(cls_ScriptClass const& c) {
    // Time points and load cases are made in a model by its commands.
    if (c.constructorName.empty() || !c.create || c.typeId == kprC_TimePoint_TypeId || c.typeId == klcC_LoadCase_TypeId)
        return false;
    for (std::uint32_t kind : {kprC_Step_TypeId, kloC_Load_TypeId, kloC_LoadState_TypeId})
        if (cls_ScriptRegistry::DerivesFrom(c.typeId, kind)) return false;
    // Adaptive mesh controls and domains are made in a model and its steps by commands.
    if (c.typeId == kadC_AdptMeshCtrl_TypeId || c.typeId == kadC_AdptMeshDomain_TypeId) return false;
    return true;
}
}  // namespace

std::string pyb_ScriptName(cls_ScriptClass const& c) {
    return c.constructorName.empty() ? Prefixless(c.name) : c.constructorName;
}

cls_ScriptValue pyb_FromPython(py::handle value) {
    if (value.is_none()) return {};
    if (py::isinstance<py::bool_>(value)) return value.cast<bool>();
    if (py::isinstance<py::int_>(value)) return value.cast<std::int64_t>();
    if (py::isinstance<py::float_>(value)) return value.cast<double>();
    if (py::isinstance<py::str>(value)) return value.cast<std::string>();
    if (py::isinstance<pyb_Object>(value)) return value.cast<pyb_Object const&>().object;
    if (py::isinstance<pyb_StepMember>(value)) return pyb_MemberOf(value.cast<pyb_StepMember const&>()).object;
    if (py::isinstance<py::list>(value) || py::isinstance<py::tuple>(value)) {
        cls_ScriptList list;
        for (auto item : value) list.push_back(pyb_FromPython(item));
        return list;
    }
    throw omu_TypeErrorException("a value of type " + py::str(py::type::of(value).attr("__name__")).cast<std::string>() +
                                 " cannot be given to the library");
}

pyb_Object pyb_MemberOf(pyb_StepMember const& m) {
    py::object value = pyb_GetAttribute(m.session->Steps().ConstGet(m.step), m.attribute, "the step");
    if (!py::isinstance<pyb_Object>(value)) throw py::attribute_error("step '" + m.step + "' has no " + m.attribute);
    return value.cast<pyb_Object>();
}

py::object pyb_ToPython(cls_ScriptValue const& value) {
    if (value.IsNone()) return py::none();
    if (auto const* b = value.If<bool>()) return py::bool_(*b);
    if (auto const* i = value.If<std::int64_t>()) return py::int_(*i);
    if (auto const* d = value.If<double>()) return py::float_(*d);
    if (auto const* s = value.If<std::string>()) return py::str(*s);
    if (auto const* list = value.If<cls_ScriptList>()) {
        py::tuple tuple(list->size());
        for (std::size_t i = 0; i < list->size(); ++i) tuple[i] = pyb_ToPython((*list)[i]);
        return tuple;
    }
    return py::cast(pyb_Object{*value.Object()});
}

hst_Arguments pyb_Arguments(py::kwargs const& kwargs) {
    hst_Arguments args;
    for (auto const& [key, value] : kwargs) args.emplace_back(key.cast<std::string>(), pyb_FromPython(value));
    return args;
}

py::object pyb_GetAttribute(cls_Persistent const& object, std::string const& name, char const* what) {
    auto const attributes = cls_ScriptRegistry::AttributesOf(object.DynTypeId());
    if (auto const* a = cls_ScriptRegistry::FindAttribute(attributes, name)) return pyb_ToPython(a->get(object));
    std::string const suffix = "State";
    if (name.ends_with(suffix)) {
        auto const* a = cls_ScriptRegistry::FindAttribute(attributes, name.substr(0, name.size() - suffix.size()));
        if (a && a->type.propagating) return py::str(a->getState(object));
    }
    throw py::attribute_error(std::string(what) + " has no attribute '" + name + "'");
}

bool pyb_HasAttribute(std::uint32_t typeId, std::string const& name) {
    auto const names = pyb_AttributeNames(typeId);
    return std::ranges::find(names, name) != names.end();
}

std::vector<std::string> pyb_AttributeNames(std::uint32_t typeId) {
    std::vector<std::string> names;
    for (auto const& a : cls_ScriptRegistry::AttributesOf(typeId)) {
        names.push_back(a.script);
        if (a.type.propagating) names.push_back(a.script + "State");
    }
    return names;
}

void pyb_DefineErrors(py::module_& m) {
    py::dict ns;
    ns["__builtins__"] = py::module_::import("builtins");
    ns["__name__"] = "stepwise";
    py::exec(errorClasses, ns);
    errors = new Errors{ns["Error"], ns["InvalidValue"], ns["UnknownName"], ns["WrongType"],
                        ns["Refused"], ns["InternalError"], ns["FileError"]};
    for (char const* name : {"Error", "InvalidValue", "UnknownName", "WrongType", "Refused", "InternalError", "FileError"})
        m.attr(name) = ns[name];
    py::register_exception_translator([](std::exception_ptr p) {
        auto raise = [](py::object const& kind, char const* text) { PyErr_SetObject(kind.ptr(), py::str(text).ptr()); };
        try {
            if (p) std::rethrow_exception(p);
        } catch (omu_ValueErrorException const& e) {
            raise(errors->invalidValue, e.what());
        } catch (omu_KeyErrorException const& e) {
            raise(errors->unknownName, e.what());
        } catch (omu_TypeErrorException const& e) {
            raise(errors->wrongType, e.what());
        } catch (nex_AssertException const& e) {
            raise(errors->internal, e.what());
        } catch (nex_Exception const& e) {
            raise(errors->refused, e.what());
        }
    });
}

void pyb_FileError(std::exception const& e) {
    PyErr_SetObject(errors->file.ptr(), py::str(e.what()).ptr());
    throw py::error_already_set();
}

void pyb_DefineObjects(py::module_& m) {
    py::class_<pyb_Object>(m, "Object", "A free-standing object of a library class: read it, hand it to commands.")
        .def("__getattr__",
             [](pyb_Object const& o, std::string const& name) { return pyb_GetAttribute(*o.object, name, "the object"); })
        .def("__setattr__",
             [](pyb_Object const&, std::string const& name, py::object const&) {
                 throw py::attribute_error("objects are read-only: build a new one to change '" + name + "'");
             })
        .def("__dir__", [](pyb_Object const& o) { return pyb_AttributeNames(o.object->DynTypeId()); })
        .def("__repr__", [](pyb_Object const& o) { return pyb_Repr(o.object); })
        .def("__eq__", [](pyb_Object const& a, py::object const& other) {
            if (!py::isinstance<pyb_Object>(other)) return false;
            return pyb_Repr(a.object) == pyb_Repr(other.cast<pyb_Object const&>().object);
        });

    // Constructor names that two classes share (the standard and explicit kinds of an
    // output request) give way to the class names.
    std::map<std::string, int> uses;
    for (auto const* c : cls_ScriptRegistry::All())
        if (FreeStanding(*c)) ++uses[c->constructorName];
    for (auto const* c : cls_ScriptRegistry::All()) {
        if (!FreeStanding(*c)) continue;
        std::string const name = uses[c->constructorName] == 1 ? c->constructorName : Prefixless(c->name);
        std::uint32_t const typeId = c->typeId;
        objectNames[typeId] = name;
        m.def(name.c_str(), [typeId, name](py::kwargs const& kwargs) {
            auto const* c = cls_ScriptRegistry::Find(typeId);
            std::shared_ptr<cls_Persistent> object(c->create());
            auto const attributes = cls_ScriptRegistry::AttributesOf(typeId);
            for (auto const& [key, value] : pyb_Arguments(kwargs)) {
                auto const* a = cls_ScriptRegistry::FindAttribute(attributes, key);
                if (!a) throw omu_TypeErrorException(name + "() got an unexpected keyword argument '" + key + "'");
                a->set(*object, value, key.c_str());
            }
            return pyb_Object{object};
        });
    }
}
