#pragma once
// The load cases module's assertions, exported for the command layer: one for plain
// refusals, one for a load, boundary condition or field that a load case names but
// that cannot take part, with the name put into the message.
#include "platform/cow/cow_String.h"

// X(name, code, message) for klcC_ErrorEnm.
#define KLCC_ERRORS(X) \
    X(ZERO_SCALE_FACTOR, 0, "A scale factor cannot be zero or blank.") \
    X(NAME_NOT_UNIQUE, 1, "Load case name must be unique to the model.") \
    X(DUPLICATE_ENTRY, 2, "A load or boundary condition has been specified more than once in same load case.") \
    X(STEP_NOT_ALLOWED, 3, "Load cases are only available for Static Linear Perturbation and Steady-State Dynamics Direct steps.")

// X(name, code, message) for klcC_CompoundErrorEnm; "%s" stands for the name.
#define KLCC_COMPOUND_ERRORS(X) \
    X(LOAD_MISSING, 0, "The load \"%s\" is suppressed or does not exist.") \
    X(BOUNDARY_CONDITION_MISSING, 1, "The boundary condition \"%s\" is suppressed or does not exist.") \
    X(FIELD_MISSING, 2, "The field \"%s\" is suppressed or does not exist.") \
    X(LOAD_MISSING_HINT, 3, "The load \"%s\" is suppressed or does not exist.\n\nAvailable loads may be viewed by clicking the Add... button.") \
    X(BOUNDARY_CONDITION_MISSING_HINT, 4, "The boundary condition \"%s\" is suppressed or does not exist.\n\nAvailable boundary conditions may be viewed by clicking the Add... button.") \
    X(FIELD_MISSING_HINT, 5, "The field \"%s\" is suppressed or does not exist.\n\nAvailable fields may be viewed by clicking the Add... button.")

#define KLCC_ENUMERATOR(name, code, message) klcC_##name = code,
enum klcC_ErrorEnm : int { KLCC_ERRORS(KLCC_ENUMERATOR) };
enum klcC_CompoundErrorEnm : int { KLCC_COMPOUND_ERRORS(KLCC_ENUMERATOR) };
#undef KLCC_ENUMERATOR

// The raw message of `code`; empty for a code outside 0 to 3.
cow_String klcC_ErrorMessage(klcC_ErrorEnm code);

// The raw message of `code` with its "%s" replaced by `name` as given (not translated,
// and not scanned for placeholders again); empty for a code outside 0 to 5.
cow_String klcC_LoadCaseContentMessage(klcC_CompoundErrorEnm code, cow_String const& name);

// Each throws nex_TextException with the message above when `condition` is false.
void klcC_Assert(bool condition, klcC_ErrorEnm code);
void klcC_AssertLoadCaseContent(bool condition, klcC_CompoundErrorEnm code, cow_String const& name);
