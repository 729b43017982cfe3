#pragma once
// Initialisation and finalisation of the datum module: counted, so nested calls are
// harmless; `moduleCount` counts the modules currently initialised.
void dtmC_initialize(int& moduleCount);
void dtmC_finalize(int& moduleCount);
