#pragma once
// The process-wide map from a concrete load class's type identifier to its label, the
// key of the per-procedure compatibility lists. Created on first use under its own lock,
// so threads that reach it at the same moment share one map; destroyed by the loads
// module's finalisation.
#include "platform/cow/cow_String.h"

class kloC_LoadTypeLabelMap {
public:
    kloC_LoadTypeLabelMap();

    static kloC_LoadTypeLabelMap const& Instance();
    static bool Exists();
    static void Finalize();

    // The label of a load type, or an empty label for an identifier that is not a load type.
    cow_String Label(unsigned typeId) const;
    cow_Map<unsigned, cow_String> const& Labels() const { return labels_; }

private:
    cow_Map<unsigned, cow_String> labels_;
};
