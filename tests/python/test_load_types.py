"""Every load type through the module: its constructor and state, one history per
family, and the load cases of a perturbation step."""
import pytest

import stepwise
from conftest import reopen

C, P, M, D, I, B, V = ('CREATED', 'PROPAGATED', 'MODIFIED', 'DEACTIVATED', 'INACTIVE',
                       'BUILT_INTO_BASE_STATE', 'NOT_VALID_IN_STEP')
AXIS = dict(point1=(0.0, 0.0, 0.0), point2=(0.0, 1.0, 0.0))

# a step constructor, and the load types created there by a 'magnitude' and nothing else
PLAIN = {'StaticStep': 'Pressure SurfaceTraction ShellEdgeLoad ConcCharge SurfaceCharge BodyCharge',
         'HeatTransferStep': 'SurfaceHeatFlux BodyHeatFlux', 'SoilsStep': 'ConcPoreFluid SurfacePoreFluid',
         'CoupledThermalElectricStep': 'ConcCurrent SurfaceCurrent BodyCurrent',
         'MassDiffusionStep': 'ConcConcFlux SurfaceConcentrationFlux BodyConcentrationFlux',
         'ImplicitDynamicsStep': 'InwardVolAccel'}
# constructor, a step constructor it may be created in, its magnitude argument, other arguments
TYPES = [(load, step, 'magnitude', {}) for step, loads in PLAIN.items() for load in loads.split()] + [
    ('ConcentratedForce', 'StaticStep', 'cf1', {}), ('Moment', 'StaticStep', 'cm1', {}),
    ('LineLoad', 'StaticStep', 'comp1', {}), ('BodyForce', 'StaticStep', 'comp1', {}),
    ('Gravity', 'StaticStep', 'comp2', {}), ('PEGLoad', 'StaticStep', 'comp1', {}),
    ('ConnectorForce', 'StaticStep', 'f1', {}), ('ConnectorMoment', 'StaticStep', 'm1', {}),
    ('PipePressure', 'StaticStep', 'magnitude', {'diameter': 0.2}),
    ('BoltLoad', 'StaticStep', 'magnitude', {'datumAxis': (3, 1)}),
    ('RotationalBodyForce', 'StaticStep', 'magnitude', dict(AXIS, centrifugal=True)),
    ('CoriolisForce', 'StaticStep', 'magnitude', AXIS), ('InertiaRelief', 'StaticStep', None, {'u1': True}),
    ('ConcentratedHeatFlux', 'HeatTransferStep', 'magnitude', {'dof': 11}),
]


# what a step needs besides its defaults to be valid
STEP_ARGUMENTS = {'HeatTransferStep': {'response': 'STEADY_STATE'}, 'CoupledThermalElectricStep': {'deltmx': 5.0},
                  'MassDiffusionStep': {'dcmax': 0.2}, 'SoilsStep': {'utol': 0.5}, 'ImplicitDynamicsStep': {'haftol': 10.0}}


def create(constructor, step, magnitude_name, others, magnitude=2.0, model=None):
    model = model or stepwise.Model()
    if 'Step-1' not in model.steps:
        getattr(model, step)(name='Step-1', previous='Initial', **STEP_ARGUMENTS.get(step, {}))
    arguments = dict(others, **({magnitude_name: magnitude} if magnitude_name else {}))
    return model, getattr(model, constructor)(name='Load', createStepName='Step-1', region='Set-1', **arguments)


@pytest.mark.parametrize('constructor, step, magnitude, others', TYPES)
def test_every_type_is_created_with_its_state(constructor, step, magnitude, others):
    model, load = create(constructor, step, magnitude, others)
    state = model.steps['Step-1'].loadStates['Load']
    assert (load.type, load.history, state.status, model.validate()) == (constructor, (C,), C, [])
    assert repr(state).startswith(constructor + 'State(')
    if magnitude:
        assert (getattr(load, magnitude), getattr(state, magnitude + 'State')) == (2.0, 'SET')
    for name, value in others.items():
        assert getattr(load, name) == value


# one type per family through a history: static, frequency, static, perturbation; what
# each type shows there after deactivation in Step-3 (None: deactivation refused)
FAMILIES = [
    ('Gravity', 'comp2', {}, (C, B, D, I)),
    ('ShellEdgeLoad', 'magnitude', {}, (C, B, D, I)),
    ('PipePressure', 'magnitude', {'diameter': 0.2}, (C, B, D, I)),
    ('RotationalBodyForce', 'magnitude', dict(AXIS, centrifugal=True), (C, B, D, I)),
    ('BoltLoad', 'magnitude', {}, None),
    ('InertiaRelief', None, {'u1': True}, (C, B, D, I)),
    ('ConcCharge', 'magnitude', {}, (C, V, D, I)),
]


@pytest.mark.parametrize('constructor, magnitude, others, deactivated', FAMILIES)
def test_one_history_per_family(constructor, magnitude, others, deactivated):
    model = stepwise.Model()
    model.StaticStep(name='Step-1', previous='Initial')
    model.FrequencyStep(name='Step-2', previous='Step-1', numEigen=3)
    model.StaticStep(name='Step-3', previous='Step-2')
    model.StaticLinearPerturbationStep(name='Step-4', previous='Step-3')
    create(constructor, 'StaticStep', magnitude, others, model=model)
    load = model.loads['Load']
    if magnitude:
        load.setValuesInStep(stepName='Step-3', **{magnitude: 5.0})
        assert getattr(model.steps['Step-3'].loadStates['Load'], magnitude) == 5.0
    if deactivated is None:
        with pytest.raises(stepwise.Refused, match='cannot be de-activated'):
            load.deactivate(stepName='Step-3')
        assert load.history[0] == C and model.validate() == []
        return
    load.deactivate(stepName='Step-3')
    assert load.history == deactivated
    load.reset(stepName='Step-3')
    assert load.history[2] in (M, P) and model.validate() == []


def perturbation_model():
    model = stepwise.Model()
    model.StaticStep(name='Step-1', previous='Initial')
    model.StaticLinearPerturbationStep(name='Step-2', previous='Step-1')
    model.ConcentratedForce(name='Force', createStepName='Step-1', region='Tip', cf1=1.0)
    model.Gravity(name='Weight', createStepName='Step-2', region='All', comp2=-9.8)
    model.ConnectorForce(name='Link', createStepName='Step-2', region='Wire-1', f1=1.0)
    model.ConcCharge(name='Charge', createStepName='Step-2', region='Tip', magnitude=1.0)
    return model


def test_load_cases_of_a_perturbation_step():
    model = perturbation_model()
    step = model.steps['Step-2']
    case = step.LoadCase(name='Case-1', loads=(('Weight', -2.0),), boundaryConditions=(('Fix', 1.0), ('Clamp', 0.5)))
    assert (case.name, case.loads, case.boundaryConditions, case.predefinedFields, case.includeActiveBaseStateBC) == \
        ('Case-1', (('Weight', -2.0),), (('Clamp', 0.5), ('Fix', 1.0)), (), True)
    case.setValues(includeActiveBaseStateBC=False, predefinedFields=(('Temp', 0.5),))
    assert (case.includeActiveBaseStateBC, case.predefinedFields, step.loadCases.keys()) == (False, (('Temp', 0.5),), ['Case-1'])
    assert ('Modify', 'Step-2') in model.changeHistory[-1][1]
    del step.loadCases['Case-1']
    assert step.loadCases.keys() == [] and model.validate() == []


LOAD_CASE_REFUSALS = [
    ('Step-1', {'loads': (('Force', 1.0),)}, stepwise.Refused, 'Load cases are only available for Static Linear'),
    ('Step-2', {'loads': (('Weight', float('inf')),)}, stepwise.InvalidValue, 'inf is not a finite number'),
    ('Step-2', {'loads': (('Weight', 1.7976931348623157e308),)}, stepwise.Refused, 'A scale factor cannot be zero'),
    ('Step-2', {'loads': (('Nothing', 1.0),)}, stepwise.Refused, 'The load "Nothing" is suppressed or does not exist.'),
    ('Step-2', {'loads': (('Charge', 1.0),)}, stepwise.Refused, 'Flux, charge, current, and flow loads not allowed'),
    ('Step-2', {'loads': (('Weight', 1.0), ('Weight', 2.0))}, stepwise.Refused, 'specified more than once'),
    ('Step-2', {'name': 'Taken'}, stepwise.Refused, 'Load case name must be unique to the model.'),
]


@pytest.mark.parametrize('step, arguments, kind, message', LOAD_CASE_REFUSALS)
def test_load_case_refusals(step, arguments, kind, message):
    model = perturbation_model()
    model.steps['Step-2'].LoadCase(name='Taken')
    before = model.steps['Step-2'].loadCases['Taken'].loads
    with pytest.raises(kind, match=message.replace('(', r'\(').replace('.', r'\.')):
        model.steps[step].LoadCase(**dict({'name': 'Case-1'}, **arguments))
    assert model.steps['Step-2'].loadCases.keys() == ['Taken'] and model.steps['Step-2'].loadCases['Taken'].loads == before


def test_load_cases_are_saved(tmp_path):
    model = perturbation_model()
    model.steps['Step-2'].LoadCase(name='Case-1', loads=(('Weight', 0.5),), includeActiveBaseStateBC=False)
    case = reopen(model, tmp_path / 'cases.swdb').steps['Step-2'].loadCases['Case-1']
    assert (case.loads, case.includeActiveBaseStateBC) == ((('Weight', 0.5),), False)
