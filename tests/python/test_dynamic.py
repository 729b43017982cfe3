"""Dynamic and steady-state dynamic steps through the module: records given as tuples,
and damping and mass scaling objects."""
import pytest

import stepwise
from conftest import assert_refused, reopen


def frequency_model():
    model = stepwise.Model()
    model.StaticStep(name='Static', previous='Initial')
    model.FrequencyStep(name='Freq', previous='Static', numEigen=5)
    return model


# constructor, the record list's argument, what scripts give, what the step then reads
TUPLES = [
    ('SteadyStateDirectStep', 'frequencyRange', ((1.0, 10.0, 5), (5.0,), (30.0, 40.0, 10, 2.0)),
     ((1.0, 10.0, 5, 1.0), (5.0, 10.0, 5, 1.0), (30.0, 40.0, 10, 2.0))),
    ('SteadyStateModalStep', 'frequencyRange', ((2.0,), (3.0, 8.0)), ((2.0, 0.0, 20, 3.0), (3.0, 8.0, 20, 3.0))),
    ('SteadyStateSubspaceStep', 'frequencyRange', ((2.0, 4.0, 6, 0.5),), ((2.0, 4.0, 6, 0.5),)),
    ('RandomResponseStep', 'freq', ((1.0, 9.0, 4), (2.0,)), ((1.0, 9.0, 4, 3.0), (2.0, 9.0, 4, 3.0))),
    ('ResponseSpectrumStep', 'components', (('Quake', 1.0, 0.0, 0.0, 2.0), ('Wind', 0, 1, 0, 1)),
     (('Quake', 1.0, 0.0, 0.0, 2.0), ('Wind', 0.0, 1.0, 0.0, 1.0))),
]


@pytest.mark.parametrize('constructor, argument, given, reads', TUPLES)
def test_records_are_tuples_whose_omitted_elements_carry_over(tmp_path, constructor, argument, given, reads):
    model = frequency_model()
    step = getattr(model, constructor)(name='New', previous='Freq', **{argument: given})
    assert getattr(step, argument) == reads
    assert getattr(reopen(model, tmp_path / 'm.swdb').steps['New'], argument) == reads


# a refused argument and its exact message; the model stays as it was
REFUSALS = [
    ('ResponseSpectrumStep', {'components': (('Quake', 1.0, 0.0, 0.0),)}, stepwise.WrongType,
     'components entry 1 must give 5 values (respSpectrum, x, y, z, scale), not 4'),
    ('ModalDynamicsStep', {'incSize': 0.1, 'compositeDamping': stepwise.CompositeDamping(components=((0, 5),))},
     stepwise.Refused, 'Invalid start mode for damping'),
]


@pytest.mark.parametrize('constructor, kwargs, kind, message', REFUSALS)
def test_refusals_leave_the_model_unchanged(constructor, kwargs, kind, message):
    assert_refused(frequency_model(), lambda m: getattr(m, constructor)(name='New', previous='Freq', **kwargs), kind,
                   message)


def test_damping_objects_are_taken_by_the_step():
    model = frequency_model()
    step = model.SteadyStateModalStep(name='SSM', previous='Freq', frequencyRange=((1.0, 5.0),),
                                      rayleighDamping=stepwise.RayleighDamping(components=((1, 4, -0.5, 0.1),)),
                                      structuralDamping=stepwise.StructuralDamping(components=((1, 4, 0.02),)))
    assert step.rayleighDamping.components == ((1, 4, -0.5, 0.1),)
    assert step.structuralDamping.components == ((1, 4, 0.02),)
    assert step.directDamping is None


def test_explicit_steps_take_mass_scaling_objects():
    model = stepwise.Model()
    throughout = stepwise.MassScaling(occurs='THROUGHOUT_STEP', dt=0.01, numberInterval=4, region='Blank')
    step = model.ExplicitDynamicsStep(name='Explicit', previous='Initial', massScaling=(throughout,))
    assert step.massScaling[0].region == throughout.region and step.massScaling[0].numberInterval == 4
    assert_refused(model, lambda m: step.setValues(massScaling=(throughout, stepwise.MassScaling())), stepwise.Refused,
                   'Factor or target time increment must be specified and greater than zero')
    assert model.steps['Explicit'].massScaling == (throughout,)
