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

class dbc_Row;
// A row naming a step by "stepName" and its procedure object by "procedure" (a
// load's step record, a step pair): when analysis steps share that object, which
// the writer stored once, each step gets its own copy when the procedures move;
// pointing the row at the step row its name finds in the step container lets the
// redirect lead it to that step's copy, not the first.
void kprC_PointAtNamedStep(dbc_Row &row);
