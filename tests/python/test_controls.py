"""Controls through the module: what each step holds, edits, refusals, files."""
import pytest

import stepwise
from conftest import assert_refused, fingerprint, reopen, standard_model

R, V, T = stepwise.Refused, stepwise.InvalidValue, stepwise.WrongType
DEFAULT_INC = stepwise.TypicalControls().timeIncrementation

# constructor, its arguments, the class of its solution controls, whether it holds solver
# controls: one step per controls class
HELD = [
    ('StaticStep', {}, 'TypicalControls', True), ('SoilsStep', {'utol': 0.5}, 'PoreControls', False),
    ('CoupledTempDisplacementStep', {'deltmx': 5.0}, 'CTDControls', False),
    ('CoupledThermalElectricStep', {'deltmx': 5.0}, 'CTEControls', False),
    ('HeatTransferStep', {'response': 'STEADY_STATE'}, 'HeatTransferControls', True),
    ('MassDiffusionStep', {'dcmax': 0.2}, 'MassDiffusionControls', False),
    ('FrequencyStep', {'numEigen': 3}, 'InactiveControls', False),
    ('StaticLinearPerturbationStep', {}, 'InactiveControls', True),
]


@pytest.mark.parametrize('constructor, kwargs, controls, solver', HELD)
def test_new_steps_hold_their_procedures_controls(constructor, kwargs, controls, solver):
    model = stepwise.Model()
    step = getattr(model, constructor)(name='S', previous='Initial', **kwargs)
    assert repr(step.control).startswith(controls + '(')
    assert step.control == getattr(stepwise, controls)()
    assert (step.solverControl is not None, step.contactControls) == (solver, ())
    assert model.validate() == []


def test_every_step_of_the_standard_model_stores_its_controls(tmp_path):
    model = standard_model()
    model.steps['Step-1'].setValues(
        control=stepwise.TypicalControls(discontinuous=True, timeIncrementation=(8.0, 10.0) + DEFAULT_INC[2:]),
        solverControl=stepwise.SolverControl(numDomains=4),
        contactControls=(stepwise.ExplicitContactControls(cpset='Pairs', inc=7), stepwise.StandardContactControls()))
    again = reopen(model, tmp_path / 'm.swdb')
    assert fingerprint(again) == fingerprint(model)
    assert all(again.steps[name].control is not None for name in again.steps.keys()[1:])
    step = again.steps['Step-1']
    assert (step.control.discontinuous, step.solverControl.numDomains) == (True, 4)
    assert [c.inc for c in step.contactControls[:1]] == [7] and step.contactControls[0].penaltyStiffness == 1.0
    # inactive controls stand for none: a command takes them unchecked
    again.steps['Step-2'].setValues(control=stepwise.InactiveControls())
    assert again.validate() == []


# an edit of the standard model's controls, the exception, its text
S1, S2 = (lambda m: m.steps['Step-1'].setValues), (lambda m: m.steps['Step-2'].setValues)
REFUSALS = [
    (lambda m: S1(m)(control=stepwise.HeatTransferControls()), R, 'Controls are unavailable for the given step.'),
    (lambda m: S2(m)(control=stepwise.TypicalControls()), R, 'Controls are unavailable for the given step.'),
    (lambda m: S2(m)(solverControl=stepwise.SolverControl()), R, 'Solver controls are only available for Static, '
     'General; Static, Linear Perturbation and steady-state Heat Transfer steps.'),
    (lambda m: S1(m)(contactControls=(1,)), T, 'contactControls must be a sequence of kprC_ContactControls objects, not a sequence'),
    (lambda m: S1(m)(control='LATER'), V,
     'omu_PrimEnum(const cow_String&) - str not allowed: LATER  Permissible: DEFAULT, PROPAGATED'),
    (lambda m: m.steps['Initial'].setValues(control='DEFAULT'), R, 'Controls cannot be modified or accessed in the Initial step.'),
    (lambda m: S2(m)(solverControl='DEFAULT'), R, 'Solver controls are only available for Static, '
     'General; Static, Linear Perturbation and steady-state Heat Transfer steps.'),
    (lambda m: S1(m)(control=stepwise.TypicalControls(displacementField=(0.0,) * 10)), V,
     'displacementField must hold at least 11 entries; it holds 10.'),
]


@pytest.mark.parametrize('command, kind, text', REFUSALS)
def test_refused_controls_leave_the_model_as_it_was(model, command, kind, text):
    assert_refused(model, command, kind, text)


def test_inactive_controls_are_held_not_validated_and_replacement_picks_the_new_procedures_class(model):
    assert repr(model.steps['Step-2'].control).startswith('InactiveControls(')
    model.steps['Step-3'].setValues(control=stepwise.TypicalControls(lineSearch=(4.0, 1.0, 0.0001, 0.25, 0.1)))
    model.ViscoStep(name='Step-3', cetol=0.1, maintainAttributes=True)
    assert model.steps['Step-3'].control.lineSearch[0] == 4.0 and model.steps['Step-3'].solverControl is None
    model.BuckleStep(name='Step-3', numEigen=2, maintainAttributes=True)
    assert repr(model.steps['Step-3'].control).startswith('InactiveControls(')
    assert model.validate() == []


# a value given by name, what the step's controls then hold: (allowPropagation, resetDefaultValues)
@pytest.mark.parametrize('key, name, flags', [('control', 'DEFAULT', (False, True)), ('control', 'PROPAGATED', (True, False)),
                                              ('solverControl', 'DEFAULT', (False, True))])
def test_controls_given_by_name_reset_or_propagate(model, key, name, flags):
    model.steps['Step-1'].setValues(**{key: stepwise.TypicalControls(discontinuous=True,
                                                                     timeIncrementation=(8.0, 10.0) + DEFAULT_INC[2:])}
                                    if key == 'control' else {key: stepwise.SolverControl(numDomains=3)})
    model.steps['Step-1'].setValues(**{key: name})
    held = getattr(model.steps['Step-1'], key)
    assert (held.allowPropagation, held.resetDefaultValues) == flags
    assert getattr(held, 'discontinuous', False) is False and getattr(held, 'numDomains', 0) == 0
    assert model.validate() == []


def test_global_field_reads_the_common_list_and_sets_every_field(model):
    field = (0.006, 0.01, 0.0, 0.0, 0.02, 1.0e-5, 0.001, 1.0e-8, 1.0, 1.0e-5)
    assert stepwise.TypicalControls(globalField=field + (3.0e-8,)).displacementField == field + (3.0e-8,)
    controls = model.steps['Step-1'].control
    controls.setValues(globalField=field)
    assert controls.displacementField == field + (1.0e-8,)
    assert controls.rotationField == controls.hydrostaticFluidPressureField == field
    assert controls.globalField == field + (1.0e-8,) and 'globalField' not in repr(controls)
    assert_refused(model, lambda m: controls.setValues(globalField=field[:5]), V,
                   'The global field must hold 10 or 11 entries; it holds 5.')
