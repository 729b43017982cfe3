"""Dynamic and steady-state dynamic steps through the module: records given as tuples,
damping and mass scaling objects, and a history that runs every dynamic procedure with
loads following it, saved and opened again."""
import pytest

import stepwise
from conftest import assert_refused, fingerprint, reopen


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


def test_every_dynamic_procedure_runs_in_a_history_that_loads_follow(tmp_path):
    model = frequency_model()
    after = 'Freq'
    for name, constructor, kwargs in [
            ('Modal', 'ModalDynamicsStep', {'incSize': 0.1,
                                            'directDamping': stepwise.DirectDamping(components=((1, 5, 0.02),))}),
            ('SSModal', 'SteadyStateModalStep', {'frequencyRange': ((1.0, 5.0),)}),
            ('Random', 'RandomResponseStep', {'freq': ((1.0, 9.0, 4),)}),
            ('Spectrum', 'ResponseSpectrumStep', {'components': (('Quake', 1.0, 0.0, 0.0, 1.0),)}),
            ('SSDirect', 'SteadyStateDirectStep', {'frequencyRange': ((1.0, 5.0),)}),
            ('SSSubspace', 'SteadyStateSubspaceStep', {'frequencyRange': ((1.0, 5.0),)}),
            ('Subspace', 'SubspaceDynamicsStep', {'incSize': 0.1}),
            ('Implicit', 'ImplicitDynamicsStep', {'haftol': 10.0})]:
        getattr(model, constructor)(name=name, previous=after, **kwargs)
        after = name
    model.ConcentratedForce(name='Force', createStepName='Static', region='Tip', cf1=1.0)
    model.Pressure(name='Skin', createStepName='Subspace', region='Top', magnitude=2.0)
    assert model.loads['Force'].history == ('CREATED',) + ('BUILT_INTO_BASE_STATE',) * 7 + ('PROPAGATED',) * 2
    assert model.loads['Skin'].history[-3:] == ('NOT_YET_CREATED', 'CREATED', 'PROPAGATED')
    assert model.validate() == []
    # A removed perturbation step takes nothing with it; the loads follow the new sequence.
    del model.steps['Random']
    assert len(model.loads['Force'].history) == 9
    assert fingerprint(reopen(model, tmp_path / 'm.swdb')) == fingerprint(model)

    explicit = stepwise.Model()
    explicit.ExplicitDynamicsStep(name='Explicit', previous='Initial')
    explicit.TempDisplacementDynamicsStep(name='Coupled', previous='Explicit')
    explicit.ConcentratedForce(name='Force', createStepName='Explicit', region='Tip', cf1=1.0)
    assert explicit.loads['Force'].history == ('CREATED', 'PROPAGATED')
    assert explicit.steps['Coupled'].explicit and explicit.steps['Coupled'].restart is None
    assert fingerprint(reopen(explicit, tmp_path / 'e.swdb')) == fingerprint(explicit)
