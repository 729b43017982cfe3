"""Steps through the module: constructors by scripting name, reads, edits, replacement."""
import pytest

import stepwise
from conftest import standard_model

UNSET = 1.7976931348623157e308

# constructor, steps created before it (after Initial), its arguments, what it then reads:
# one step per kind of argument and attribute the binding converts
CONSTRUCTED = [
    ('StaticStep', [], {'nlgeom': 'ON', 'timePeriod': 2.0},
     {'nlgeom': 'ON', 'initialInc': 2.0, 'minInc': 2e-5, 'maxInc': 2.0, 'amplitude': 'RAMP',
      'stabilizationMagnitude': UNSET, 'procedureType': 'STATIC_GENERAL', 'procedure': 'Static, General'}),
    ('FrequencyStep', [], {'numEigen': 10, 'numberInterval': 3, 'intervalBoundaries': (1.0, 2.0)},
     {'eigensolver': 'LANCZOS', 'matrixSolver': 'DIRECT_SYMMETRIC', 'vectors': 18, 'intervalBoundaries': (1.0, 2.0),
      'procedure': 'Frequency'}),
    ('FrequencyStep', [], {'numEigen': 'ALL', 'maxEigen': 100.0}, {'numEigen': 'ALL', 'maxEigen': 100.0}),
    ('ComplexFrequencyStep', [('FrequencyStep', {'numEigen': 3})], {'numEigen': 2},
     {'previous': 'Before-1', 'matrixSolver': 'DIRECT_UNSYMMETRIC'}),
    ('ExplicitDynamicsStep', [], {}, {'nlgeom': 'ON', 'timeIncrementationMethod': 'AUTOMATIC_GLOBAL',
     'userDefinedInc': UNSET, 'maxIncrement': UNSET, 'linearBulkViscosity': 0.06, 'quadBulkViscosity': 1.2,
     'massScaling': (), 'explicit': True, 'control': stepwise.InactiveControls()}),
    ('ModalDynamicsStep', [('FrequencyStep', {'numEigen': 3})], {'incSize': 0.1},
     {'continueAnalysis': False, 'directDamping': None, 'rayleighDampingByFrequency': None}),
]


@pytest.mark.parametrize('constructor, before, kwargs, reads', CONSTRUCTED)
def test_constructors_take_and_give_scripting_names(constructor, before, kwargs, reads):
    model = stepwise.Model()
    previous = 'Initial'
    for i, (other, other_kwargs) in enumerate(before, 1):
        getattr(model, other)(name=f'Before-{i}', previous=previous, **other_kwargs)
        previous = f'Before-{i}'
    step = getattr(model, constructor)(name='New', previous=previous, **kwargs)
    assert step == model.steps['New'] and model.steps.keys()[-1] == 'New'
    assert {name: getattr(step, name) for name in reads} == reads
    assert model.validate() == []


STEP_CONSTRUCTORS = set("""StaticStep StaticRiksStep ViscoStep SoilsStep GeostaticStep CoupledTempDisplacementStep
    CoupledThermalElectricStep HeatTransferStep MassDiffusionStep AnnealStep FrequencyStep BuckleStep ComplexFrequencyStep
    StaticLinearPerturbationStep UsaAddedMassGenerationStep ExplicitDynamicsStep TempDisplacementDynamicsStep
    ImplicitDynamicsStep SubspaceDynamicsStep ModalDynamicsStep SteadyStateDirectStep SteadyStateSubspaceStep
    SteadyStateModalStep RandomResponseStep ResponseSpectrumStep""".split())


def test_every_step_class_has_its_constructor():
    assert {n for n in dir(stepwise.Model()) if n.endswith('Step')} == STEP_CONSTRUCTORS


# an edit of the standard model, then what it reads
EDITS = [
    (lambda m: m.steps['Step-3'].setValues(timePeriod=3.0, maxInc=3.0, description='longer'),
     lambda m: (m.steps['Step-3'].timePeriod, m.steps['Step-3'].maxInc, m.steps['Step-3'].description),
     (3.0, 3.0, 'longer')),
    (lambda m: m.steps.changeKey(fromName='Step-3', toName='Service'),
     lambda m: (m.steps.keys(), m.steps['Service'].previous, m.steps['Service'].loadStates['Force'].status),
     (['Initial', 'Step-1', 'Step-2', 'Service', 'Step-4', 'Step-5'], 'Step-2', 'MODIFIED')),
    (lambda m: m.steps.__delitem__('Step-3'),
     lambda m: (m.steps.keys(), m.loads['Force'].history[-1], m.steps['Step-5'].loadStates['Force'].cf2),
     (['Initial', 'Step-1', 'Step-2', 'Step-4', 'Step-5'], 'PROPAGATED', -100.0)),
    (lambda m: m.ViscoStep(name='Step-3', previous='Step-2', maintainAttributes=True, cetol=0.01),
     lambda m: (m.steps['Step-3'].procedureType, m.steps['Step-3'].timePeriod, m.steps['Step-3'].maxInc,
                m.loads['Force'].history[2]),
     ('VISCO', 2.0, 2.0, 'MODIFIED')),
]


@pytest.mark.parametrize('edit, read, expected', EDITS)
def test_edits_go_through_the_step_flow(model, edit, read, expected):
    edit(model)
    assert read(model) == expected
    assert model.validate() == []


def test_steps_are_read_only_and_handles_follow_names(model):
    with pytest.raises(AttributeError, match="'timePeriod' cannot be assigned: use setValues"):
        model.steps['Step-1'].timePeriod = 2.0
    with pytest.raises(AttributeError):
        model.steps['Step-1'].noSuchAttribute
    step = model.steps['Step-5']
    model.steps.changeKey(fromName='Step-5', toName='Last')
    with pytest.raises(KeyError, match='Step-5'):
        step.timePeriod
    assert model.steps['Last'].timePeriod == 1.0


# step, query, procedures it lists, procedures it does not
SUCCESSORS = [
    ('Initial', '_generalSteps', {'STATIC_GENERAL', 'HEAT_TRANSFER'}, set()),
    ('Step-2', '_perturbationSteps', {'BUCKLE', 'FREQUENCY'}, {'STATIC_GENERAL'}),
    ('Step-1', '_generalReplacementSteps', {'STATIC_GENERAL', 'VISCO'}, {'HEAT_TRANSFER', 'BUCKLE'}),
    ('Step-4', '_perturbationReplacementSteps', {'BUCKLE', 'FREQUENCY'}, {'STATIC_GENERAL'}),
]


@pytest.mark.parametrize('step, query, listed, absent', SUCCESSORS)
def test_steps_answer_what_may_follow_or_replace_them(model, step, query, listed, absent):
    procedures = set(getattr(model.steps[step], query))
    assert listed <= procedures and not absent & procedures
    with pytest.raises(stepwise.Refused, match='^The Initial step cannot be replaced.$'):
        model.steps['Initial']._generalReplacementSteps


# a command on the standard model, and what the change history then ends with
HISTORY = [
    (lambda m: m.StaticStep(name='X', previous='Step-5'),
     ("model.StaticStep(name='X', previous='Step-5')", (('Insert', 'X', 6), ('RedoSummary',)))),
    (lambda m: m.steps.changeKey(fromName='Step-5', toName='Last'),
     ("model.steps.changeKey(fromName='Step-5', toName='Last')", (('Rename', 'Step-5', 'Last', 5),))),
    (lambda m: m.loads['Force'].deactivate(stepName='Step-5'), ("model.loads['Force'].deactivate(stepName='Step-5')", (('Modify', 'Force'),))),
]


@pytest.mark.parametrize('command, last', HISTORY)
def test_the_change_history_records_each_command(model, command, last):
    kept = len(model.changeHistory)
    command(model)
    assert (len(model.changeHistory), model.changeHistory[-1]) == (kept + 1, last)
    model.undo()
    assert len(model.changeHistory) == kept


# a step of the standard model, its output settings command, and what the step then holds
OUTPUTS = [
    ('Step-1', lambda s: s.Restart(frequency=5, overlay=True), 'restart',
     'StandardRestart(overlay=True, frequency=5, numberIntervals=0, timeMarks=False)'),
    ('Step-1', lambda s: s.Monitor(dof=2, frequency=3), 'monitor',
     "StandardMonitor(dof=2, node=Region(names=(), entityCount=0, modelSpace=1, flag=False), frequency=3)"),
    ('Step-1', lambda s: (s.Monitor(dof=2), s.monitor.setValues(frequency=0)), 'monitor',
     "StandardMonitor(dof=2, node=Region(names=(), entityCount=0, modelSpace=1, flag=False), frequency=0)"),
    ('Step-1', lambda s: s.DiagnosticPrint(solve=True), 'diagnosticPrint',
     'StandardDiagnosticPrint(contact=False, frequency=1, modelChange=False, adaptiveMesh=False, plasticity=False, '
     'residual=True, solve=True)'),
    ('Step-4', lambda s: s.DiagnosticPrint(frequency=2), 'diagnosticPrint', 'PerturbationDiagnosticPrint(frequency=2, solve=False)'),
    ('Step-1', lambda s: s.setValues(restart=stepwise.StandardRestart(numberIntervals=4)), 'restart',
     'StandardRestart(overlay=False, frequency=0, numberIntervals=4, timeMarks=False)'),
]


@pytest.mark.parametrize('step, command, attribute, holds', OUTPUTS)
def test_output_settings_take_the_kind_of_the_step(tmp_path, step, command, attribute, holds):
    model = standard_model()
    assert getattr(model.steps[step], attribute) is None
    command(model.steps[step])
    assert repr(getattr(model.steps[step], attribute)) == holds
    model.save(str(tmp_path / 'm.swdb'))
    assert repr(getattr(stepwise.open(str(tmp_path / 'm.swdb')).steps[step], attribute)) == holds
    assert model.changeHistory[-1][0].startswith(f"model.steps['{step}'].")
