#pragma once
// Initialisation and finalisation of the platform's modules that the library starts
// before its own. Each takes the module count, like the library's module functions.
#define INI_PLATFORM_MODULES(X) \
    X(mem) X(typ) X(thr) X(omni) X(atr) X(cow) X(nex) X(omu) X(gsl) X(mdl) X(rfm) X(rom) X(dbc) X(ddr) X(rgnC)

#define INI_DECLARE_MODULE(prefix) \
    void prefix##_initialize(int& moduleCount); \
    void prefix##_finalize(int& moduleCount);
INI_PLATFORM_MODULES(INI_DECLARE_MODULE)
