#pragma once
// General solution controls of an analysis step: the abstract root of the family, and
// the inactive controls that the steps of explicit and perturbation procedures hold. A
// step holds none by default and stores a null under "controls".
#include "module/kpr/enums/kprC_Enums.h"
#include "module/kpr/kprC_TypeIds.h"
#include "platform/cls/cls_AttributeTable.h"

// One row of a controls level: its attribute still holds its initial value.
#define KPRC_AT_INITIAL_ROW_(Type, name, initial, ...) &&name##_ == Type(initial)
#define KPRC_SAME_ROW_(Type, name, initial, ...) &&name##_ == other.name##_

// What every level of the family derives from its rows: HasDefaultValue (the base's
// answer and every row at its initial value) and the level's part of the equality.
#define KPRC_CONTROLS_LEVEL(ROWS)                                                              \
    bool HasDefaultValue() const override { return cls_Base::HasDefaultValue() ROWS(KPRC_AT_INITIAL_ROW_); } \
                                                                                               \
protected:                                                                                     \
    bool SameSettings(kprC_Controls const& o) const override {                                 \
        [[maybe_unused]] auto const& other = static_cast<cls_Self const&>(o);                  \
        return cls_Base::SameSettings(o) ROWS(KPRC_SAME_ROW_);                                  \
    }                                                                                          \
                                                                                               \
public:

#define KPRC_CONTROLS_ATTRIBUTES(A)    \
    A(bool, allowPropagation, true)    \
    A(bool, resetDefaultValues, false)

class kprC_Controls : public cls_Persistent {
    CLS_ABSTRACT_PERSISTENT(kprC_Controls, cls_Persistent, kprC_Controls_TypeId, 302, KPRC_CONTROLS_ATTRIBUTES)
    // How scripts ask for the default or the propagated controls of a step.
    using DefaultEnm = kprC_Controls_DefaultEnm;

    kprC_Controls() = default;
    kprC_Controls(kprC_Controls const&) = default;
    kprC_Controls* Copy() const override = 0;
    // Throws at the first rule the settings break.
    virtual void AssertValid() const = 0;
    virtual bool HasDefaultValue() const { return true KPRC_CONTROLS_ATTRIBUTES(KPRC_AT_INITIAL_ROW_); }

    // Same class, same settings at every level.
    bool operator==(kprC_Controls const& other) const {
        return DynTypeId() == other.DynTypeId() && SameSettings(other);
    }

    static constexpr char const* constructorCmd() { return "Control"; }
    static constexpr omn_FixedString objectCmd() { return "control"; }
    static constexpr omn_FixedString setValuesCmd() { return "setValues"; }

protected:
    // This level and the ones below it, against an object of the same class.
    virtual bool SameSettings(kprC_Controls const& other) const {
        return true KPRC_CONTROLS_ATTRIBUTES(KPRC_SAME_ROW_);
    }
};

// The controls of a step whose procedure has none to set: validating them always fails,
// so callers that merely hold them never validate them (kprC_AnalysisStep does not).
class kprC_InactiveControls : public kprC_Controls {
    CLS_PERSISTENT(kprC_InactiveControls, kprC_Controls, kprC_InactiveControls_TypeId, 302, CLS_NO_ATTRIBUTES)
    KPRC_CONTROLS_LEVEL(CLS_NO_ATTRIBUTES)
    CLS_NOT_VALIDATED_BY_COMMANDS
    kprC_InactiveControls() = default;
    kprC_InactiveControls(kprC_InactiveControls const&) = default;
    void AssertValid() const override;
};
