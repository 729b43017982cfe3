#pragma once
// The process-wide registry of old-version classes, keyed by class id and version, each
// with the level it was registered at (the level's meaning belongs to the converter).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/dbc/dbc_DatabaseConverter.h"
#include "platform/dbc/dbc_OldClassVersion.h"

class dbc_OldClassRegistrar {
public:
    struct Entry {
        std::shared_ptr<dbc_OldClassVersion const> version;
        int level;
    };

    // A second registration of the same class and version replaces the first.
    static void Register(std::shared_ptr<dbc_OldClassVersion const> version, int level);
    static void Register(dbc_OldClassVersion version, int level) {
        Register(std::make_shared<dbc_OldClassVersion const>(std::move(version)), level);
    }
    static void Unregister(std::uint32_t classId, int version);
    static Entry const* Find(std::uint32_t classId, int version);
    static std::vector<Entry> ForClass(std::uint32_t classId);  // lowest version first
    static std::vector<Entry> All();                           // by class id, then version

    // The class-wide operations of a module (moves, deletes, renames of retired classes),
    // under a name that a second registration replaces and Unregister removes.
    using Operations = std::function<void(dbc_DatabaseConverter&)>;
    static void RegisterOperations(std::string const& name, Operations operations);
    static void UnregisterOperations(std::string const& name);

    // Hands every registered version and operation to `converter`.
    static void PrepareConversion(dbc_DatabaseConverter& converter);
};
