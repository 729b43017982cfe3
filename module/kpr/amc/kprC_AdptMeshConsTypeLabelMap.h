#pragma once
// The process-wide map from a concrete adaptive mesh constraint class's type identifier
// (its constraint type code) to its label, the key of the per-procedure type lists.
// Created on first use under the global-singleton guard; destroyed by the procedures
// module's finalisation.
#include "platform/cow/cow_String.h"

class kprC_AdptMeshConsTypeLabelMap {
public:
    kprC_AdptMeshConsTypeLabelMap();

    static kprC_AdptMeshConsTypeLabelMap const& Instance();
    static bool Exists();
    static void Finalize();

    // The label of a constraint type, or an empty label for any other identifier.
    cow_String Label(unsigned typeId) const;
    cow_Map<unsigned, cow_String> const& Labels() const { return labels_; }

private:
    cow_Map<unsigned, cow_String> labels_;
};

// The labels of the constraint types that may exist in a step of the procedure: both
// kinds for the five procedures that admit them, none otherwise (the Initial step's 0
// included: this list is what the step's menus show).
cow_List<cow_String> kprC_getMechanicalAdptMeshConsTypesforStep(int procedureType);
// Always empty: there are no non-mechanical constraint types.
cow_List<cow_String> kprC_getOtherAdptMeshConsTypesforStep(int procedureType);
// Whether a constraint of the type code may exist in a step of the procedure. Both kinds
// may exist in the Initial step (procedure type 0), where constraints are created too.
bool kprC_isValidAdptMeshConsTypeforStep(int typeCode, int procedureType);
