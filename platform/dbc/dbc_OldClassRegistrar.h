#pragma once
// The process-wide registry of old-version classes, keyed by class id and version, each
// with the level it was registered at (the level's meaning belongs to the converter).
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/dbc/dbc_OldClassVersion.h"

class dbc_OldClassRegistrar {
public:
    struct Entry {
        std::shared_ptr<dbc_OldClassVersion const> version;
        int level;
    };

    // A second registration of the same class and version replaces the first.
    static void Register(std::shared_ptr<dbc_OldClassVersion const> version, int level);
    static void Unregister(std::uint32_t classId, int version);
    static Entry const* Find(std::uint32_t classId, int version);
    static std::vector<Entry> ForClass(std::uint32_t classId);  // lowest version first
    static std::vector<Entry> All();                           // by class id, then version

    // Describes every registered version in `registrar` and binds all conversions in `converter`.
    static void PrepareConversion(cls_ClassRegistrar& registrar, dbc_DatabaseConverter& converter);
};
