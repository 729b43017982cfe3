#pragma once
// Call counters of the initialisable modules and the process's initialisation journal.
// A module does its initialisation work only on the call that finds its counter at 0,
// and its finalisation work only on the call that brings the counter back to 0; the
// journal lists "<module>_initialize" / "<module>_finalize" each time that work runs,
// so the order in which modules come up and go down can be checked.
#include "platform/cow/cow_String.h"

class ini_Modules {
public:
    // True when the module was not initialised; the counter is incremented in any case.
    static bool Enter(cow_String const& module);
    // True when the counter returned to 0; a module that is not initialised stays at 0.
    static bool Leave(cow_String const& module);
    static int Calls(cow_String const& module);

    static void Record(cow_String const& entry);
    static cow_List<cow_String> Journal();
    static void ClearJournal();
};

// The usual shape of a module function: count the call, and on the counter's
// transition bump the module count, journal and do the work.
template <class Work>
void ini_Initialize(cow_String const& module, int& moduleCount, Work&& work) {
    if (!ini_Modules::Enter(module)) return;
    ++moduleCount;
    ini_Modules::Record(module + "_initialize");
    work();
}

template <class Work>
void ini_Finalize(cow_String const& module, int& moduleCount, Work&& work) {
    if (!ini_Modules::Leave(module)) return;
    ini_Modules::Record(module + "_finalize");
    work();
    --moduleCount;
}
