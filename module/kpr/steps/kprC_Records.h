#pragma once
// What the small records that steps own (damping components and their containers, mass
// scaling definitions, frequency ranges, spectrum components) derive from their rows:
// the scripting constructor, the class name without its prefix, and equality field by
// field. The identity takes no part: a copy has a fresh one and still equals its source.
#include "module/kpr/enums/kprC_Enums.h"
#include "module/kpr/kprC_TypeIds.h"
#include "platform/cls/cls_AttributeTable.h"

#define KPRC_RECORD_EQ_ROW_(Type, name, initial, ...) &&name##_ == other.name##_

#define KPRC_RECORD(Class, ROWS)                                                                          \
    static constexpr omn_FixedString constructorCmd() { return #Class + 5; }                             \
    bool operator==([[maybe_unused]] Class const& other) const { return true ROWS(KPRC_RECORD_EQ_ROW_); } \
    bool operator!=(Class const& other) const { return !(*this == other); }
