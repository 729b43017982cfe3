"""The model most tests start from, a fingerprint of everything a script can read, and the
checks of a refusal and of a model saved and opened again."""
import pytest

import stepwise


def standard_model():
    """Static, frequency, static, linear perturbation, static; a force modified in
    Step-3, a pressure, and a moment created in the perturbation step."""
    model = stepwise.Model()
    model.StaticStep(name='Step-1', previous='Initial', nlgeom='ON')
    model.FrequencyStep(name='Step-2', previous='Step-1', numEigen=5)
    model.StaticStep(name='Step-3', previous='Step-2', timePeriod=2.0)
    model.StaticLinearPerturbationStep(name='Step-4', previous='Step-3')
    model.StaticStep(name='Step-5', previous='Step-4')
    model.ConcentratedForce(name='Force', createStepName='Step-1', region='Tip', cf2=-100.0)
    model.loads['Force'].setValuesInStep(stepName='Step-3', cf2=-250.0)
    model.Pressure(name='Pressure', createStepName='Step-1', region=('Top', 'Side'), magnitude=2.5)
    model.Moment(name='Moment', createStepName='Step-4', region='Tip', cm3=10.0)
    model.TimePoint(name='Times', points=((0.5,), (1.0,)))
    return model


@pytest.fixture
def model():
    return standard_model()


def _attributes(obj, skip=()):
    def value(name):
        v = getattr(obj, name)
        return repr(v) if isinstance(v, stepwise.StepMember) else v  # a member reads live: keep what it holds now
    return {name: value(name) for name in dir(obj) if name not in skip and not callable(getattr(obj, name))}


def fingerprint(model):
    """Every step, load, constraint, their per-step states, time point and load case as scripts read them."""
    skip = ('loadStates', 'loadCases', 'adaptiveMeshConstraintStates')
    steps = [(name, _attributes(model.steps[name], skip=skip)) for name in model.steps.keys()]
    cases = [(step, name, _attributes(model.steps[step].loadCases[name])) for step in model.steps.keys()
             for name in model.steps[step].loadCases.keys()]
    loads = [(name, _attributes(model.loads[name]),
              {step: _attributes(model.steps[step].loadStates[name]) for step in model.steps.keys()[1:]})
             for name in model.loads.keys()]
    constraints = [(name, _attributes(model.adaptiveMeshConstraints[name]),
                    {step: _attributes(model.steps[step].adaptiveMeshConstraintStates[name])
                     for step in model.steps.keys()})
                   for name in model.adaptiveMeshConstraints.keys()]
    times = [(name, model.timePoints[name].points) for name in model.timePoints]
    return steps, loads, constraints, times, cases


def reopen(model, path):
    """The model saved at `path` and opened again."""
    model.save(str(path))
    return stepwise.open(str(path))


def assert_refused(model, command, kind, text, look=fingerprint):
    """`command` raises `kind` with exactly `text` and leaves what `look` reads, the change
    history and the problems of the model as they were."""
    before = (look(model), model.changeHistory, model.validate())
    with pytest.raises(kind) as raised:
        command(model)
    assert isinstance(raised.value, stepwise.Error) and str(raised.value) == text
    assert (look(model), model.changeHistory, model.validate()) == before
