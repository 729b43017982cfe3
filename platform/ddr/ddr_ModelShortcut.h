#pragma once
// The root of every shortcut path: it names the model itself, so it stores nothing.
#include "platform/cls/cls_AttributeTable.h"
#include "platform/typ/typ_PlatformTable.h"

class ddr_Model;

class ddr_ModelShortcut : public cls_Persistent {
    CLS_PERSISTENT(ddr_ModelShortcut, cls_Persistent, ddr_ModelShortcut_TypeId, 1, CLS_NO_ATTRIBUTES)

    ddr_ModelShortcut() = default;
    ddr_ModelShortcut(ddr_ModelShortcut const&) = default;

    ddr_Model const* Find(ddr_Model const& model) const { return &model; }
};
