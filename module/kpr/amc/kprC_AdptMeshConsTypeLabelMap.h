#pragma once
// The labels of the concrete adaptive mesh constraint classes, by type identifier (their
// constraint type codes).
#include "platform/typ/typ_LabelMap.h"

class kprC_AdptMeshConsTypeLabelMap : public typ_LabelMap<kprC_AdptMeshConsTypeLabelMap> {
public:
    kprC_AdptMeshConsTypeLabelMap();
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
