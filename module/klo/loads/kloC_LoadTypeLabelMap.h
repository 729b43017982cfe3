#pragma once
// The labels of the concrete load classes, by type identifier: the keys of the
// per-procedure compatibility lists.
#include "platform/typ/typ_LabelMap.h"

class kloC_LoadTypeLabelMap : public typ_LabelMap<kloC_LoadTypeLabelMap> {
public:
    kloC_LoadTypeLabelMap();
};
