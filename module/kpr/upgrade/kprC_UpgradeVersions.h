#pragma once
// The older stored versions of the procedures module, registered by the module's
// initialisation. Each version names, in its registration, the conversion it binds:
// the changes that bring a row stored at that version to the next version the
// converter knows (so "adds X at 409" is bound by the last version below 409).

// Retired procedure classes and their stored bases (kprC_Procedure, ...).
void kprC_RegisterProcedureVersions(int level);
// Step objects, analysis steps, the step container, its wrapper and the step pairs.
void kprC_RegisterStepObjectVersions(int level);
// Today's step classes at their older versions (831, 858).
void kprC_RegisterStepClassVersions(int level);
// All of the above and the moves of the retired classes.
void kprC_RegisterUpgrade(int level);
