#pragma once
// The shortcut and wrapper instances through which scripts and model objects refer to
// steps and to the step container across a save and an open.
#include "platform/ddr/ddr_Shortcut.h"
#include "module/kpr/steps/kprC_StepContainer.h"

using kprC_StepIMPLSC = ddr_ShortcutImpl<kprC_Step, kprC_StepIMPLSC_TypeId>;
using kprC_StepContainerIMPLSC = ddr_ShortcutImpl<kprC_StepContainer, kprC_StepContainerIMPLSC_TypeId>;
using kprC_StepContainerShortcut =
    ddr_Shortcut<kprC_StepContainer, kprC_StepContainerShortcut_TypeId, kprC_StepContainerIMPLSC>;
using kprC_StepShortcut = ddr_Shortcut<kprC_Step, kprC_StepShortcut_TypeId, kprC_StepIMPLSC>;
// The container among the model's extensions, under the model's step key ("steps").
using kprC_StepContainerInModelShortcut =
    ddr_ExtensionInModelShortcut<kprC_StepContainer, kprC_StepContainerInModelShortcut_TypeId,
                                 kprC_StepContainerIMPLSC, &ddr_Model::stepCmd>;
using kprC_StepInStepContainerShortcut =
    ddr_ObjectInContainerShortcut<kprC_Step, kprC_StepInStepContainerShortcut_TypeId, kprC_StepIMPLSC,
                                  kprC_StepContainerShortcut>;
// Stored at 831, above its older version 401, so a current wrapper is not converted again.
using kprC_SCWrapper = mdl_ExtensionWrapper<kprC_StepContainer, kprC_SCWrapper_TypeId, 831>;
