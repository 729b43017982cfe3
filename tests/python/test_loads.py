"""Loads through the module: constructors, every command, per-step statuses and states."""
import pytest

import stepwise

C, P, M, D, I, B, O = ('CREATED', 'PROPAGATED', 'MODIFIED', 'DEACTIVATED', 'INACTIVE',
                       'BUILT_INTO_BASE_STATE', 'OUTSIDE_PERTURBATION_STEP')


def test_constructors_take_the_load_and_its_creation_state(model):
    force, pressure = model.loads['Force'], model.loads['Pressure']
    assert (force.type, force.createStepName, force.cf2, force.cf2State, force.follower, force.localCsys) == \
        ('ConcentratedForce', 'Step-1', -100.0, 'SET', False, None)
    assert force.region == stepwise.Region(names=('Tip',), entityCount=1)
    assert (pressure.region.names, pressure.region.entityCount, pressure.distributionType) == (('Top', 'Side'), 2, 'UNIFORM')
    moment = model.Moment(name='Turn', createStepName='Step-3', region=stepwise.Region(names=('Hub',), entityCount=4),
                          cm1=1.0, follower=True, localCsys=(3, 1), amplitude='Ramp')
    assert (moment.cm1, moment.follower, moment.localCsys, moment.amplitude, moment.amplitudeState) == \
        (1.0, True, (3, 1), 'Ramp', 'SET')
    assert model.loads.keys() == ['Force', 'Moment', 'Pressure', 'Turn']


# step, load: status there, then (attribute, value, attribute state) of the state in force
STATES = [
    ('Step-1', 'Force', C, ('cf2', -100.0, 'SET')),
    ('Step-2', 'Force', B, ('cf2', None, None)),
    ('Step-3', 'Force', M, ('cf2', -250.0, 'SET')),
    ('Step-3', 'Force', M, ('cf1', 0.0, 'UNSET')),
    ('Step-5', 'Force', P, ('cf2', -250.0, 'INHERITED')),
    ('Step-5', 'Moment', O, ('amplitude', None, None)),
]


@pytest.mark.parametrize('step, load, status, attribute', STATES)
def test_load_states_per_step(model, step, load, status, attribute):
    state = model.steps[step].loadStates[load]
    name, value, attribute_state = attribute
    assert (state.stepName, state.status, getattr(state, name), getattr(state, name + 'State')) == \
        (step, status, value, attribute_state)


def test_the_initial_step_holds_no_load_states(model):
    assert model.steps['Initial'].loadStates.keys() == [] and 'Force' not in model.steps['Initial'].loadStates
    assert sorted(model.steps['Step-2'].loadStates) == ['Force', 'Moment', 'Pressure']


# a command on the standard model, then the histories of the force and the pressure
COMMANDS = [
    (lambda m: None, (C, B, M, B, P), (C, B, P, B, P)),
    (lambda m: m.loads['Pressure'].deactivate(stepName='Step-3'), (C, B, M, B, P), (C, B, D, I, I)),
    (lambda m: (m.loads['Pressure'].deactivate(stepName='Step-3'), m.loads['Pressure'].reset(stepName='Step-3')),
     (C, B, M, B, P), (C, B, P, B, P)),
    (lambda m: m.loads['Force'].move(fromStepName='Step-3', toStepName='Step-5'), (C, B, P, B, M), (C, B, P, B, P)),
    (lambda m: m.loads['Pressure'].setValuesInStep(stepName='Step-5', amplitude='Amp-1'), (C, B, M, B, P),
     (C, B, P, B, M)),
    (lambda m: m.loads['Force'].setValuesInStep('Step-5', cf1State='CLEARED'), (C, B, M, B, M), (C, B, P, B, P)),
    (lambda m: m.loads['Force'].setValues(cf1=3.0), (C, B, M, B, P), (C, B, P, B, P)),
]


@pytest.mark.parametrize('command, force, pressure', COMMANDS)
def test_commands_change_the_history(model, command, force, pressure):
    command(model)
    assert (model.loads['Force'].history, model.loads['Pressure'].history) == (force, pressure)
    assert model.validate() == []


def test_suppress_resume_rename_and_delete(model):
    model.loads['Force'].suppress()
    assert model.loads['Force'].suppressed is True
    model.loads['Force'].resume()
    assert model.loads['Force'].suppressed is False
    model.loads.changeKey(fromName='Force', toName='Push')
    assert model.loads.keys() == ['Moment', 'Pressure', 'Push'] and model.loads['Push'].history == (C, B, M, B, P)
    del model.loads['Push']
    assert 'Push' not in model.loads and len(model.loads) == 2


def test_pressure_distribution_and_field(model):
    pressure = model.loads['Pressure']
    pressure.setValues(distributionType='FIELD', field='Profile')
    assert (pressure.distributionType, pressure.field) == ('FIELD', 'Profile')
    pressure.setValues(distributionType='HYDROSTATIC', hZero=0.0, hReference=1.0)
    assert (pressure.hReference, model.validate()) == (1.0, [])
