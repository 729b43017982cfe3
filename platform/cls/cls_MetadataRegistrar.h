#pragma once
// The process-wide registry of metadata functions. Modules register every class's
// InitializeMetadata when they initialise; the functions run when metadata is first
// needed after a registration, in no meaningful order, and fill the current classes'
// registrar. Removing a function removes the classes it registered.
#include <cstdint>
#include <vector>

#include "platform/cls/cls_ClassRegistrar.h"

class cls_MetadataRegistrar {
public:
    using MetadataFn = void (*)(cls_ClassRegistrar&);

    // The mask is kept for the platform's use; registering a function twice keeps one entry.
    static void initClassMetadata(MetadataFn fn, unsigned mask);
    static void removeClassMetadata(MetadataFn fn);
    static bool IsRegistered(MetadataFn fn);
    static unsigned MaskOf(MetadataFn fn);  // 0 when not registered

    // The current classes, after running every function not yet run.
    static cls_ClassRegistrar const& Registrar();
    static cls_ClassMetadata const* Find(std::uint32_t typeId);
};
