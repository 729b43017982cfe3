#pragma once
// A process-wide map from the type identifiers of a family of concrete classes to their
// labels, the keys of the per-procedure type lists. `Derived` names the family and fills
// the map from its table; the one instance is created on first use under the
// global-singleton guard, so threads that reach it at once share it, and destroyed by
// the owning module's finalisation.
#include <cstddef>
#include <utility>

#include "platform/cow/cow_String.h"
#include "platform/thr/thr_GlobalSingleton.h"

template <class Derived>
class typ_LabelMap {
public:
    static Derived const& Instance() { return thr_GlobalSingleton<Derived>::Instance(); }
    static bool Exists() { return thr_GlobalSingleton<Derived>::Exists(); }
    static void Finalize() { thr_GlobalSingleton<Derived>::Destroy(); }

    // The label of a type of the family, or an empty label for any other identifier.
    cow_String Label(unsigned typeId) const {
        auto it = labels_.find(typeId);
        return it == labels_.end() ? cow_String() : it->second;
    }
    cow_Map<unsigned, cow_String> const& Labels() const { return labels_; }

protected:
    template <std::size_t N>
    explicit typ_LabelMap(std::pair<unsigned, char const*> const (&table)[N]) {
        for (auto const& [typeId, label] : table) labels_.emplace(typeId, label);
    }

private:
    cow_Map<unsigned, cow_String> labels_;
};
