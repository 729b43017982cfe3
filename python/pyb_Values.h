#pragma once
// Between Python and the class descriptions: scripting values both ways, keyword
// arguments, free-standing objects of described classes, and the module's exceptions
// (each library exception becomes the Python exception of its kind with its exact text).
#include <pybind11/pybind11.h>

#include "host/hst_Session.h"
#include "platform/cls/cls_Script.h"

namespace py = pybind11;

// A free-standing object of a described class (a region, an output request): a snapshot
// that scripts read and hand to commands; it never changes.
struct pyb_Object {
    cls_ScriptObject object;
};

// "Region(names=('Tip',), entityCount=1)": the object as its constructor would build it.
std::string pyb_Repr(cls_ScriptObject const& object);

// An object a step holds (its "monitor", say), read and changed through the step; given
// to a command, it stands for the object the step holds then.
struct pyb_StepMember {
    std::shared_ptr<hst_Session> session;
    std::string step;
    std::string attribute;
};
// The object the step holds now; AttributeError once it holds none.
pyb_Object pyb_MemberOf(pyb_StepMember const& member);

cls_ScriptValue pyb_FromPython(py::handle value);
py::object pyb_ToPython(cls_ScriptValue const& value);
hst_Arguments pyb_Arguments(py::kwargs const& kwargs);

// The value of an attribute, or of its attribute state for "<name>State"; AttributeError
// for a name the object does not have.
py::object pyb_GetAttribute(cls_Persistent const& object, std::string const& name, char const* what);
// Whether `pyb_GetAttribute` knows the name.
bool pyb_HasAttribute(std::uint32_t typeId, std::string const& name);
// The attribute names an object shows, states included.
std::vector<std::string> pyb_AttributeNames(std::uint32_t typeId);

// The scripting name of a class: its constructor's, else the registered name without
// its module prefix ("kloC_ConcentratedForceState" reads "ConcentratedForceState").
std::string pyb_ScriptName(cls_ScriptClass const& c);

// Defines stepwise.Error and its kinds, and translates the library's exceptions.
void pyb_DefineErrors(py::module_& m);
// Raises stepwise.FileError with the message of what went wrong reading or writing a file.
[[noreturn]] void pyb_FileError(std::exception const& e);
// Defines the Object class and one module-level constructor per described class that
// scripts build on their own (Region, StandardRestart, ...).
void pyb_DefineObjects(py::module_& m);
