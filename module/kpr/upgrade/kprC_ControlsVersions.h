#pragma once
// The older stored versions of the procedures module's solver controls, output settings
// and mass scaling, oldest first per class.
#include "platform/dbc/dbc_Row.h"

void kprC_RegisterControlsVersions(int level);

// The conversion of a region stored by object id only ("region#OID", a row of the region
// table): the row gains the region itself under "region". A row without an id keeps no
// region (an empty one is read); an id that names no stored region is refused.
void kprC_RegionFromOid(dbc_Row& row);
