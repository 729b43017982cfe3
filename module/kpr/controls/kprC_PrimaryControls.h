#pragma once
// The solution controls of the implicit procedures: constraint tolerances, line search
// and time incrementation tables, and the field tables that each concrete class adds for
// the fields its procedure solves for. The lists are tuning tables of the solver whose
// positions have fixed meanings; the tables below give their defaults.
#include <cstddef>
#include <initializer_list>
#include <vector>

#include "module/kpr/controls/kprC_Controls.h"
#include "module/kpr/kprC_assert.h"
#include "platform/cow/cow_String.h"

using kprC_ControlsList = cow_1DArrayList<double>;

#define KPRC_PRIMARYCONTROLS_ATTRIBUTES(A)                                                           \
    A(bool, discontinuous, false)                                                                    \
    A(kprC_ControlsList, constraints, constraintsDef(), .AsArray().MinSize(constraintsSize))         \
    A(kprC_ControlsList, lineSearch, lineSearchDef(), .AsArray().MinSize(lineSearchSize))            \
    A(kprC_ControlsList, timeIncrementation, timeIncrementationDef(false),                           \
      .AsArray().MinSize(timeIncrementationSize))

class kprC_PrimaryControls : public kprC_Controls {
    // Version history: 809 appended Dp to timeIncrementation, 867 inserted its 11th entry,
    // 888 changed the line search defaults.
    CLS_ABSTRACT_PERSISTENT(kprC_PrimaryControls, kprC_Controls, kprC_PrimaryControls_TypeId, 888,
                            KPRC_PRIMARYCONTROLS_ATTRIBUTES)
    KPRC_CONTROLS_LEVEL(KPRC_PRIMARYCONTROLS_ATTRIBUTES)

    // The lengths of the default tables; validation refuses shorter lists.
    static constexpr std::size_t constraintsSize = 7, lineSearchSize = 5, timeIncrementationSize = 28,
                                 fieldSize = 10;
    // The extra (11th) entry of the displacement field.
    static constexpr double fieldExtraEntry = 1.0e-8;

    // New lists holding the defaults.
    static kprC_ControlsList constraintsDef();
    static kprC_ControlsList lineSearchDef();
    static kprC_ControlsList timeIncrementationDef(bool discontinuous);
    static kprC_ControlsList fieldDef(bool extra);

    kprC_PrimaryControls() = default;
    kprC_PrimaryControls(kprC_PrimaryControls const&) = default;
    kprC_PrimaryControls* Copy() const override = 0;
    void AssertValid() const override;

    // The shared field parameters. Every concrete class carries at least one field list.
    // True when the controls are at their defaults or every field list holds the same
    // values (the displacement field compared without its last entry); always true with
    // a single field list.
    bool HasGlobalFieldValue() const;
    // The common list in its 11-entry form, or an empty list.
    kprC_ControlsList GlobalFieldValue() const;
    // The common list in its 10-entry form, or an empty list.
    kprC_ControlsList BasicGlobalFieldValue() const;
    // Sets every field list from one list of 10 or 11 entries: the 10-entry fields take
    // the first ten, the displacement field all eleven (with 10 given, the default 11th).
    // Any other length is refused (omu_ValueErrorException) and nothing changes.
    void SetGlobalField(kprC_ControlsList const& list);

    static constexpr omn_FixedString globalFieldCmd() { return "globalField"; }
    // Scripts read the common field list as "globalField" and set every field list through it.
    static void cls_ScriptMore(std::vector<cls_ScriptAttribute>& out);

protected:
    // One field list of a concrete class, with the message of its flux rule.
    struct Field {
        char const* name;
        kprC_ControlsList const* list;
        kprC_ErrorEnm fluxError;
        bool extra;  // the 11-entry displacement field
    };
    // The object's field lists, base levels first.
    virtual void CollectFields(std::vector<Field>&) const {}
    // The field rule on a level's own lists: their lengths, then every list's first seven
    // entries not negative, then every list's flux rule.
    static void AssertFields(std::initializer_list<Field> fields);

private:
    std::vector<Field> Fields() const;
};
