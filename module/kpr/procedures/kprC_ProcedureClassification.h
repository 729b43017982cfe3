#pragma once
// Classification of procedure type codes: pure questions about what a procedure allows.
// Every function answers false for the Initial step's 1 and for any other code that is
// not a procedure. The forms taking a step live with the step classes.
#include "platform/cow/cow_String.h"

bool kprC_IsPerturbation(unsigned int code);
bool kprC_IsExplicit(unsigned int code);
bool kprC_IsFrequencyBuckle(unsigned int code);
bool kprC_ModesIsAllowed(unsigned int code);
bool kprC_IsImplicitModal(unsigned int code);
bool kprC_IsCoupledStep(unsigned int code);
bool kprC_LoadCaseIsAllowed(unsigned int code);
bool kprC_NumberIntervalIsAllowed(unsigned int code);
bool kprC_TimeIntervalIsAllowed(unsigned int code);

// The flag comes from the caller; each function only uses it as documented:
// the answer of the explicit procedures is the flag (TimePoint, TimeMarks, which also
// takes Anneal) or its negation (OutputFrequency).
bool kprC_TimePointIsAllowed(unsigned int code, bool flag);
bool kprC_TimeMarksIsAllowed(unsigned int code, bool flag);
bool kprC_OutputFrequencyIsAllowed(unsigned int code, bool flag);

// On the class type identifier of a solution-controls class (0x023C0041 to 0x023C0047).
bool kprC_HasRotationControls(unsigned int controlsTypeId);
bool kprC_HasDisplacementControls(unsigned int controlsTypeId);
bool kprC_HasHydrostaticControls(unsigned int controlsTypeId);
bool kprC_HasTemperatureControls(unsigned int controlsTypeId);
bool kprC_HasPoreControls(unsigned int controlsTypeId);
bool kprC_HasConcentrationControls(unsigned int controlsTypeId);
bool kprC_HasElectricalControls(unsigned int controlsTypeId);

// The display text of the Initial step.
cow_String kprC_InitialStepName();
