// The stored form of the concrete solution controls classes.
#include "module/kpr/controls/kprC_FieldControls.h"

CLS_DEFINE(kprC_TypicalControls)
CLS_DEFINE(kprC_CTDControls)
CLS_DEFINE(kprC_PoreControls)
CLS_DEFINE(kprC_ElectricalControls)
CLS_DEFINE(kprC_MassDiffusionControls)
CLS_DEFINE(kprC_HeatTransferControls)
CLS_DEFINE(kprC_CTEControls)
