#pragma once
// Which controls a step of each procedure holds: the host's choice, which the library
// leaves to it. A new step receives the solution controls class of its procedure
// (inactive controls for the explicit and perturbation procedures and for those that
// solve nothing iteratively) and, for the procedures that have them, linear solver
// controls; commands refuse controls of another class.
#include <cstdint>
#include <string>

#include "module/kpr/steps/kprC_AnalysisStep.h"

// The solution controls class a step of the procedure holds.
std::uint32_t hst_ControlsClassOf(unsigned int procedure);
// Whether a step of the procedure holds linear solver controls.
bool hst_HasSolverControls(unsigned int procedure);

// Gives a new step default controls of its procedure's classes.
void hst_GiveDefaultControls(kprC_AnalysisStep& step);
// Puts back default solution controls where the step holds controls of another class
// (kept from the step it replaced).
void hst_KeepFittingControls(kprC_AnalysisStep& step);
// Sets "control" or "solverControl" given by name, as the controls' DefaultEnm:
// 'PROPAGATED' fresh controls of the step's class that take the previous step's,
// 'DEFAULT' fresh ones that reset to the defaults. False for any other key or value;
// a name outside the enumeration is refused (omu_ValueErrorException).
bool hst_SetControlsByName(kprC_Step& step, std::string const& key, cls_ScriptValue const& value);

// Refuses solution controls of another class than the procedure's ("Controls are
// unavailable for the given step.") and solver controls where the procedure has none;
// then validates the controls the step holds.
void hst_AssertControls(kprC_AnalysisStep const& step);
// The step's own rules, then, for an analysis step, those of its controls.
void hst_AssertStep(kprC_Step const& step);
