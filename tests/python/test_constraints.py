"""Adaptive mesh constraints through the module: histories, refusals, states, files."""
import pytest
import stepwise

from conftest import assert_refused, fingerprint, reopen


@pytest.fixture
def model():
    m = stepwise.Model()
    m.StaticStep(name='S1', previous='Initial')
    m.StaticStep(name='S2', previous='S1')
    m.FrequencyStep(name='F3', previous='S2', numEigen=5)
    m.DisplacementAdaptiveMeshConstraint(name='C', createStepName='Initial', region='Set-1')
    m.VelocityAdaptiveMeshConstraint(name='V', createStepName='S1', region='Set-2', v1=2.0, motionType='FOLLOW')
    return m


# a command and the history of 'V' after it
HISTORIES = [
    (lambda m: None, ('NOT_YET_CREATED', 'CREATED', 'PROPAGATED', 'NOT_VALID_IN_STEP')),
    (lambda m: m.adaptiveMeshConstraints['V'].setValuesInStep(stepName='S2', v1=3.0),
     ('NOT_YET_CREATED', 'CREATED', 'MODIFIED', 'NOT_VALID_IN_STEP')),
    (lambda m: m.adaptiveMeshConstraints['V'].deactivate(stepName='S2'),
     ('NOT_YET_CREATED', 'CREATED', 'DEACTIVATED', 'NOT_VALID_IN_STEP')),
    (lambda m: m.adaptiveMeshConstraints['V'].move(fromStepName='S1', toStepName='S2'),
     ('NOT_YET_CREATED', 'NOT_YET_CREATED', 'CREATED', 'NOT_VALID_IN_STEP')),
]


@pytest.mark.parametrize('command, history', HISTORIES)
def test_each_command_gives_its_history(model, command, history):
    command(model)
    assert model.adaptiveMeshConstraints['V'].history == history
    assert model.adaptiveMeshConstraints['C'].history[0] == 'CREATED'


# a refused command and its message; the model is left as it was
REFUSALS = [
    (lambda m: m.DisplacementAdaptiveMeshConstraint(name='D', createStepName='Initial', region='R', u1=1.0),
     'Non-zero adaptive mesh constraint in initial step.'),
    (lambda m: m.DisplacementAdaptiveMeshConstraint(name='C', createStepName='S1', region='R'),
     'Adaptive mesh constraint by that name already exists.'),
    (lambda m: m.adaptiveMeshConstraints['V'].deactivate(stepName='S1'),
     'Adaptive mesh constraint is not active in this step.'),
    (lambda m: m.adaptiveMeshConstraints['V'].move(fromStepName='S1', toStepName='Initial'),
     'A non-zero adaptive mesh constraint cannot be moved into the initial step.'),
    (lambda m: m.adaptiveMeshConstraints['V'].reset(stepName='S1'),
     'Cannot reset a adaptive mesh constraint in the step it was created.'),
    (lambda m: m.adaptiveMeshConstraints['V'].setValuesInStep(stepName='X', v1=1.0),
     'The specified step does not exist.'),
]


@pytest.mark.parametrize('command, message', REFUSALS)
def test_refusals_leave_the_model_as_it_was(model, command, message):
    assert_refused(model, command, stepwise.Refused, message)


def test_states_renames_and_files(model, tmp_path):
    v = model.adaptiveMeshConstraints['V']
    assert (v.category, v.motionType, v.v1) == ('MECHANICAL', 'FOLLOW', 2.0)
    state = model.steps['S1'].adaptiveMeshConstraintStates['V']
    assert repr(state) == ("VelocityAdaptiveMeshConstraintState(adaptiveMeshConstraint='V', stepName='S1', "
                           "status='CREATED')")
    assert model.steps['F3'].adaptiveMeshConstraintStates['V'].v1 is None
    assert list(model.steps['Initial'].adaptiveMeshConstraintStates.keys()) == ['C', 'V']
    model.adaptiveMeshConstraints.changeKey(fromName='V', toName='W')
    again = reopen(model, tmp_path / 'm.swdb')
    assert (fingerprint(again), again.validate()) == (fingerprint(model), [])
    del model.adaptiveMeshConstraints['W']
    assert model.changeHistory[-1] == ("del model.adaptiveMeshConstraints['W']", (('Remove', 'W'),))
