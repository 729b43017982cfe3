#pragma once
// The concrete solution controls classes: one per combination of fields a procedure
// solves for. The typical controls carry the displacement (11 entries), hydrostatic
// fluid pressure and rotation fields; their subclasses add temperature, pore fluid
// pressure or electrical potential. Mass diffusion and heat transfer carry one field,
// and the coupled thermal-electric controls add electrical potential to heat transfer.
#include "module/kpr/controls/kprC_PrimaryControls.h"

// A field list row: the field default, refused shorter than it.
#define KPRC_FIELD_ROW_(A, name) A(kprC_ControlsList, name, fieldDef(false), .AsArray().MinSize(fieldSize))

// A concrete field-carrying level: the class description, the derived answers, the
// field rule on its own lists after its base's rules, and its lists for the global
// field operations. FIELDS(F) lists the level's fields as F(name, flux error, extra).
#define KPRC_FIELD_CONTROLS(Class, Base, ROWS, FIELDS)                                        \
    CLS_PERSISTENT(Class, Base, Class##_TypeId, 302, ROWS)                                    \
    KPRC_CONTROLS_LEVEL(ROWS)                                                                 \
    Class() = default;                                                                        \
    Class(Class const&) = default;                                                            \
    void AssertValid() const override {                                                       \
        Base::AssertValid();                                                                  \
        AssertFields({FIELDS(KPRC_FIELD_REF_)});                                              \
    }                                                                                         \
                                                                                              \
protected:                                                                                    \
    void CollectFields(std::vector<Field>& out) const override {                              \
        Base::CollectFields(out);                                                             \
        out.insert(out.end(), {FIELDS(KPRC_FIELD_REF_)});                                     \
    }                                                                                         \
                                                                                              \
public:
#define KPRC_FIELD_REF_(name, flux, extra) Field{#name, &name##_, kprC_##flux, extra},

#define KPRC_TYPICALCONTROLS_ATTRIBUTES(A)                                                           \
    A(kprC_ControlsList, displacementField, fieldDef(true), .AsArray().MinSize(fieldSize + 1))       \
    KPRC_FIELD_ROW_(A, hydrostaticFluidPressureField)                                                \
    KPRC_FIELD_ROW_(A, rotationField)
#define KPRC_TYPICALCONTROLS_FIELDS(F)                                  \
    F(displacementField, DISPLACEMENT_FIELD_FLUX, true)                 \
    F(hydrostaticFluidPressureField, HYDROSTATIC_FLUID_PRESSURE_FIELD_FLUX, false) \
    F(rotationField, ROTATION_FIELD_FLUX, false)

class kprC_TypicalControls : public kprC_PrimaryControls {
    KPRC_FIELD_CONTROLS(kprC_TypicalControls, kprC_PrimaryControls, KPRC_TYPICALCONTROLS_ATTRIBUTES,
                        KPRC_TYPICALCONTROLS_FIELDS)
};

#define KPRC_TEMPERATUREFIELD_ATTRIBUTES(A) KPRC_FIELD_ROW_(A, temperatureField)
#define KPRC_TEMPERATUREFIELD_FIELDS(F) F(temperatureField, TEMPERATURE_FIELD_FLUX, false)
class kprC_CTDControls : public kprC_TypicalControls {
    KPRC_FIELD_CONTROLS(kprC_CTDControls, kprC_TypicalControls, KPRC_TEMPERATUREFIELD_ATTRIBUTES, KPRC_TEMPERATUREFIELD_FIELDS)
};

#define KPRC_PORECONTROLS_ATTRIBUTES(A) KPRC_FIELD_ROW_(A, poreFluidPressureField)
#define KPRC_PORECONTROLS_FIELDS(F) F(poreFluidPressureField, PORE_FLUID_PRESSURE_FIELD_FLUX, false)
class kprC_PoreControls : public kprC_TypicalControls {
    KPRC_FIELD_CONTROLS(kprC_PoreControls, kprC_TypicalControls, KPRC_PORECONTROLS_ATTRIBUTES,
                        KPRC_PORECONTROLS_FIELDS)
};

#define KPRC_ELECTRICALFIELD_ATTRIBUTES(A) KPRC_FIELD_ROW_(A, electricalPotentialField)
#define KPRC_ELECTRICALFIELD_FIELDS(F) F(electricalPotentialField, ELECTRICAL_POTENTIAL_FIELD_FLUX, false)
class kprC_ElectricalControls : public kprC_TypicalControls {
    KPRC_FIELD_CONTROLS(kprC_ElectricalControls, kprC_TypicalControls, KPRC_ELECTRICALFIELD_ATTRIBUTES,
                        KPRC_ELECTRICALFIELD_FIELDS)
};

#define KPRC_MASSDIFFUSIONCONTROLS_ATTRIBUTES(A) KPRC_FIELD_ROW_(A, concentrationField)
#define KPRC_MASSDIFFUSIONCONTROLS_FIELDS(F) F(concentrationField, CONCENTRATION_FIELD_FLUX, false)
class kprC_MassDiffusionControls : public kprC_PrimaryControls {
    KPRC_FIELD_CONTROLS(kprC_MassDiffusionControls, kprC_PrimaryControls, KPRC_MASSDIFFUSIONCONTROLS_ATTRIBUTES,
                        KPRC_MASSDIFFUSIONCONTROLS_FIELDS)
};

class kprC_HeatTransferControls : public kprC_PrimaryControls {
    KPRC_FIELD_CONTROLS(kprC_HeatTransferControls, kprC_PrimaryControls, KPRC_TEMPERATUREFIELD_ATTRIBUTES,
                        KPRC_TEMPERATUREFIELD_FIELDS)
};

// Its equality compares both the temperature and the electrical potential field.
class kprC_CTEControls : public kprC_HeatTransferControls {
    KPRC_FIELD_CONTROLS(kprC_CTEControls, kprC_HeatTransferControls, KPRC_ELECTRICALFIELD_ATTRIBUTES,
                        KPRC_ELECTRICALFIELD_FIELDS)
};
