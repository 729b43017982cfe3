"""Refusals: the exception kind, the library's exact text, and a model left exactly as it was."""
import pytest

import stepwise
from conftest import assert_refused

V, K, T, R = stepwise.InvalidValue, stepwise.UnknownName, stepwise.WrongType, stepwise.Refused
NLGEOM = "omu_PrimEnum(const cow_String&) - str not allowed: on  Permissible: OFF, ON, NOT_AVAILABLE"

# a command on the standard model, the exception it raises, its text: each command and
# kind of refusal, the rules' own cases being the library's tests
REFUSALS = [
    # steps: arguments
    (lambda m: m.StaticStep(name='X', previous='Step-5', nlgeom='on'), V, NLGEOM),
    (lambda m: m.StaticStep(name='X', previous='Step-5', timePeriod='long'), T, 'timePeriod must be a float, not a string'),
    (lambda m: m.StaticStep(name='X', previous='Step-5', bogus=1), T, "StaticStep() got an unexpected keyword argument 'bogus'"),
    (lambda m: m.StaticStep(name='X'), T, "StaticStep() missing required argument 'previous'"),
    (lambda m: m.StaticStep(name='', previous='Step-5'), V, 'A step name cannot be empty.'),
    # steps: the sequence, numbers and enumerations
    (lambda m: m.HeatTransferStep(name='X', previous='Step-5', deltmx=1.0), R, 'Invalid sequence of steps'),
    (lambda m: m.steps['Step-3'].setValues(timePeriod=float('inf')), V, 'timePeriod: inf is not a finite number'),
    (lambda m: m.StaticStep(name='X', previous='Step-5', maxInc=float('nan')), V, 'maxInc: nan is not a finite number'),
    (lambda m: m.steps['Step-2'].setValues(numEigen='SOME'), V,
     'omu_PrimEnum(const cow_String&) - str not allowed: SOME  Permissible: ALL'),
    (lambda m: m.steps['Step-3'].setValues(noSuch=1), T, "setValues() got an unexpected keyword argument 'noSuch'"),
    # steps: replacement, removal, renaming
    (lambda m: m.StaticStep(name='Step-1', replacementPolicy='DO_NOT_REPLACE'), R, "A step named 'Step-1' already exists."),
    (lambda m: m.StaticStep(name='X', previous='Step-5', maintainAttributes=True), R,
     'maintainAttributes can only be used when replacing a step.'),
    (lambda m: m.StaticStep(name='Step-3', previous='Step-1'), R, "A replaced step keeps its place: 'Step-3' follows 'Step-2'."),
    (lambda m: m.steps.__delitem__('Nope'), K, 'Nope'),
    (lambda m: m.steps.changeKey(fromName='Step-1', toName='Step-2'), R, "A step named 'Step-2' already exists."),
    (lambda m: m.steps.changeKey(fromName='Step-1', toName=''), V, 'A step name cannot be empty.'),
    # loads: creation
    (lambda m: m.ConcentratedForce(name='Zero', createStepName='Step-1', region='Tip'), R,
     'Load must be created with a non-zero magnitudes unless utilizing a user subroutine.'),
    (lambda m: m.ConcentratedForce(name='Force', createStepName='Step-1', region='Tip', cf1=1.0), V,
     'Load by this name already exists.'),
    (lambda m: m.Moment(name='X', createStepName='Initial', region='Tip', cm1=1.0), V,
     'A load cannot be defined in the Initial step.'),
    (lambda m: m.Moment(name='X', createStepName='Nope', region='Tip', cm1=1.0), V,
     'The specified step either does not exist or is the Initial step.'),
    (lambda m: m.Moment(name='X', createStepName='Step-1', cm1=1.0), T, "Moment() missing required argument 'region'"),
    (lambda m: m.Moment(name='X', createStepName='Step-1', region=3, cm1=1.0), T,
     'region must be a Region, not an integer'),
    # loads: commands
    (lambda m: m.loads['Force'].setValuesInStep(stepName='Step-2', cf1=1.0), R, 'Load parameters are read-only in this step.'),
    (lambda m: m.loads['Force'].setValuesInStep(stepName='Step-3', cf1State='BOGUS'), V,
     'omu_PrimEnum(const cow_String&) - str not allowed: BOGUS  Permissible: UNSET, SET, INHERITED, CLEARED'),
    (lambda m: m.loads['Force'].setValues(cf2=float('-inf')), V, 'cf2: -inf is not a finite number'),
    (lambda m: m.loads['Force'].move(fromStepName='Step-1', toStepName='Step-3'), R,
     'Cannot move the load because the destination step is Created, Modified, or Deactivated.'),
    (lambda m: m.loads['Force'].reset(stepName='Step-1'), R, 'Cannot reset a load in the step it was created.'),
    (lambda m: m.loads['Off'].setValues(cm1=2.0), R, 'Suppressed loads cannot be edited.'),
    (lambda m: m.loads['Off'].deactivate(stepName='Step-3'), R, 'Suppressed loads cannot be edited.'),
    (lambda m: m.loads['Nope'].suppress(), K, 'Nope'),
    (lambda m: m.loads.changeKey(fromName='Force', toName='Moment'), V, 'Load by this name already exists.'),
    # a step's output settings, given by a command or as an object, and time points
    (lambda m: m.steps['Step-1'].Restart(frequency=5, numberIntervals=2), R,
     'Frequency and number of intervals cannot both be used together.  One must have a value of zero.'),
    (lambda m: m.steps['Step-1'].setValues(restart=stepwise.StandardRestart(frequency=5, numberIntervals=2)), R,
     'Frequency and number of intervals cannot both be used together.  One must have a value of zero.'),
    (lambda m: m.steps['Step-3'].monitor.setValues(dof=0), R, 'Degree of freedom must be greater than zero.'),
    (lambda m: m.TimePoint(name='T', points=((2.0,), (1.0,))), R, 'Time points must be in ascending order.'),
]


@pytest.mark.parametrize('command, kind, text', REFUSALS)
def test_refusals_leave_the_model_as_it_was(model, command, kind, text):
    model.loads['Force'].setValuesInStep(stepName='Step-5', cf1=5.0)
    model.Moment(name='Off', createStepName='Step-1', region='Tip', cm1=1.0).suppress()
    model.steps['Step-3'].Monitor(dof=1)
    assert_refused(model, command, kind, text)


def test_undo_takes_back_commands_one_by_one_then_refuses(model):
    kept = len(model.changeHistory)
    model.loads['Force'].deactivate(stepName='Step-5')
    model.steps['Step-1'].setValues(description='changed')
    model.undo()
    assert (model.steps['Step-1'].description, model.loads['Force'].history[-1]) == ('', 'DEACTIVATED')
    model.undo()
    assert (len(model.changeHistory), model.loads['Force'].history[-1]) == (kept, 'PROPAGATED')
    with pytest.raises(R, match=r'^There is no command to undo\.$'):
        stepwise.Model().undo()


@pytest.mark.parametrize('kind, python', [(V, ValueError), (K, KeyError), (T, TypeError), (stepwise.FileError, OSError)])
def test_kinds_are_python_exceptions(kind, python):
    assert issubclass(kind, stepwise.Error) and issubclass(kind, python)
