#pragma once
// The process-wide registry of model extensions for one kind of model: modules register
// an empty prototype under a key at initialisation, and every model built afterwards
// starts with its own copy of each prototype under its key.
#include <memory>
#include <mutex>

#include "platform/cow/cow_String.h"
#include "platform/mdl/mdl_Extension.h"
#include "platform/nex/nex_Exception.h"

template <class Model>
class mdl_ExtensionSubject {
public:
    using Extensions = cow_Map<cow_String, std::unique_ptr<mdl_Extension>>;

    // Keeps a copy of the prototype. A key already registered is an internal fault: two
    // modules would fight over one member of the model.
    static void RegisterExtension(cow_String const& key, mdl_Extension const& prototype) {
        std::unique_ptr<mdl_Extension> copy(prototype.Copy());
        std::lock_guard lock(Mutex());
        if (Prototypes().contains(key)) NEX_FAIL("Model extension key already registered");
        Prototypes().emplace(key, std::move(copy));
    }

    // False when nothing is registered under the key.
    static bool UnRegisterExtension(cow_String const& key) {
        std::lock_guard lock(Mutex());
        return Prototypes().erase(key) == 1;
    }

    static bool IsRegistered(cow_String const& key) {
        std::lock_guard lock(Mutex());
        return Prototypes().contains(key);
    }

    // Fresh copies of all registered prototypes, for a new model.
    static Extensions CreateExtensions() {
        std::lock_guard lock(Mutex());
        Extensions copies;
        for (auto const& [key, prototype] : Prototypes()) copies.emplace(key, std::unique_ptr<mdl_Extension>(prototype->Copy()));
        return copies;
    }

private:
    static std::mutex& Mutex() {
        static std::mutex mutex;
        return mutex;
    }
    static Extensions& Prototypes() {
        static Extensions prototypes;
        return prototypes;
    }
};
