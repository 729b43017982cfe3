"""Adaptive mesh controls of a model and adaptive mesh domains of its steps, through the module."""
import sqlite3

import pytest

import stepwise
from conftest import assert_refused, reopen, standard_model

V, K, T, R = stepwise.InvalidValue, stepwise.UnknownName, stepwise.WrongType, stepwise.Refused


def meshed_model():
    """The standard model with one control and a domain in Step-1."""
    model = standard_model()
    model.AdaptiveMeshControl(name='Ada-1', remapping='FIRST_ORDER_ADVECTION', laplacianSmoothingWeight=0.5)
    model.steps['Step-1'].AdaptiveMeshDomain(region='Tip', controls='Ada-1', frequency=5)
    return model


def _values(obj):
    return {name: getattr(obj, name) for name in dir(obj) if not callable(getattr(obj, name))}


def mesh_fingerprint(model):
    controls = {name: _values(c) for name, c in model.adaptiveMeshControls.items()}
    domains = {step: {name: _values(d) for name, d in model.steps[step].adaptiveMeshDomains.items()}
               for step in model.steps.keys()}
    return controls, domains


def test_controls_read_and_edit_under_their_scripting_names():
    model = meshed_model()
    control = model.adaptiveMeshControls['Ada-1']
    assert model.AdaptiveMeshControl(name='Ada-2', meshingPredictor='PREVIOUS') == model.adaptiveMeshControls['Ada-2']
    assert _values(control) == {
        'name': 'Ada-1', 'remapping': 'FIRST_ORDER_ADVECTION', 'smoothingAlgorithm': 'ANALYSIS_PRODUCT_DEFAULT',
        'smoothingPriority': 'UNIFORM', 'initialFeatureAngle': 30.0, 'transitionFeatureAngle': 30.0,
        'momentumAdvection': 'ELEMENT_CENTER_PROJECTION', 'meshingPredictor': 'CURRENT', 'curvatureRefinement': 1.0,
        'volumetricSmoothingWeight': 1.0, 'standardVolumetricSmoothingWeight': 0.0, 'laplacianSmoothingWeight': 0.5,
        'equipotentialSmoothingWeight': 0.0, 'originalConfigurationProjectionWeight': 1.0, 'meshConstraintAngle': 60.0}
    control.setValues(meshConstraintAngle=180.0, smoothingPriority='GRADED')
    assert (control.meshConstraintAngle, control.smoothingPriority, control.laplacianSmoothingWeight) == (180.0, 'GRADED', 0.5)
    assert model.adaptiveMeshControls.keys() == ['Ada-1', 'Ada-2'] and model.adaptiveMeshControls['Ada-2'].meshingPredictor == 'PREVIOUS'
    assert repr(control) == "AdaptiveMeshControl(name='Ada-1')"
    del model.adaptiveMeshControls['Ada-2']
    assert list(model.adaptiveMeshControls) == ['Ada-1'] and 'Ada-2' not in model.adaptiveMeshControls
    assert [c for c, _ in model.changeHistory[-2:]] == [
        "model.adaptiveMeshControls['Ada-1'].setValues(meshConstraintAngle=180.0, smoothingPriority='GRADED')",
        "del model.adaptiveMeshControls['Ada-2']"]


def test_domains_belong_to_their_step_and_follow_its_name():
    model = meshed_model()
    domains = model.steps['Step-1'].adaptiveMeshDomains
    assert domains.keys() == ['Step-1'] and model.steps['Step-3'].adaptiveMeshDomains.keys() == []
    domain = domains['Step-1']
    assert {k: v for k, v in _values(domain).items() if k != 'region'} == {
        'name': 'Step-1', 'stepName': 'Step-1', 'controls': 'Ada-1', 'frequency': 5, 'initialMeshSweeps': 'DEFAULT',
        'meshSweeps': 1}
    assert domain.region.names == ('Tip',)
    domain.setValues(initialMeshSweeps=0, meshSweeps=3)
    assert (domain.initialMeshSweeps, domain.meshSweeps, domain.frequency) == (0, 3, 5)
    domain.setValues(initialMeshSweeps='DEFAULT')
    assert domain.initialMeshSweeps == 'DEFAULT'
    # A domain made again in the step replaces the one there.
    model.steps['Step-3'].AdaptiveMeshDomain(region='Top')
    assert model.steps['Step-3'].adaptiveMeshDomains['Step-3'].frequency == 10
    model.steps.changeKey(fromName='Step-1', toName='First')
    moved = model.steps['First'].adaptiveMeshDomains
    assert moved.keys() == ['First'] and (moved['First'].frequency, moved['First'].meshSweeps) == (5, 3)
    assert model.changeHistory[-1] == ("model.steps.changeKey(fromName='Step-1', toName='First')",
                                       (('Rename', 'Step-1', 'First', 1),))
    del model.steps['Step-3'].adaptiveMeshDomains['Step-3']
    assert model.steps['Step-3'].adaptiveMeshDomains.keys() == []


# a command on the meshed model, the exception it raises, its text
A1 = (lambda m: m.adaptiveMeshControls['Ada-1'].setValues)
D1 = (lambda m: m.steps['Step-1'].adaptiveMeshDomains['Step-1'])
REFUSALS = [
    (lambda m: m.AdaptiveMeshControl(name='Ada-1', curvatureRefinement=-1.0), R,
     'Curvature refinement must be greater than or equal to zero.'),
    (lambda m: m.AdaptiveMeshControl(name=''), V, 'An adaptive mesh control name cannot be empty.'),
    (lambda m: A1(m)(standardVolumetricSmoothingWeight=-0.1), R,
     'Volumetric smoothing weight must be greater than or equal to zero.'),
    (lambda m: m.adaptiveMeshControls['Nope'], K, 'Nope'),
    (lambda m: m.steps['Step-2'].AdaptiveMeshDomain(region='Tip'), R, "Step 'Step-2' does not allow adaptive mesh domains."),
    (lambda m: m.steps['Initial'].AdaptiveMeshDomain(region='Tip'), R,
     "Step 'Initial' does not allow adaptive mesh domains."),
    (lambda m: D1(m).setValues(meshSweeps=0), R, 'Sweeps per increment must be greater than zero.'),
    (lambda m: D1(m).setValues(meshSweeps='DEFAULT'), T, 'meshSweeps must be an integer, not a string'),
    (lambda m: D1(m).setValues(initialMeshSweeps='ALL'), V,
     'omu_PrimEnum(const cow_String&) - str not allowed: ALL  Permissible: DEFAULT'),
    (lambda m: m.steps['Step-3'].adaptiveMeshDomains['Step-3'], K, 'Step-3'),
]


@pytest.mark.parametrize('command, kind, text', REFUSALS)
def test_refusals_leave_the_model_as_it_was(command, kind, text):
    assert_refused(meshed_model(), command, kind, text, look=mesh_fingerprint)


def test_controls_and_domains_survive_the_file_and_invalid_ones_are_reported(tmp_path):
    model = meshed_model()
    model.steps['Step-3'].AdaptiveMeshDomain(region=('Top', 'Side'), initialMeshSweeps=4)
    path = tmp_path / 'mesh.swdb'
    again = reopen(model, path)
    assert mesh_fingerprint(again) == mesh_fingerprint(model) and again.validate() == []
    # Stored under the stored names, and checked when read from a file.
    with sqlite3.connect(path) as db:
        db.execute('UPDATE kadC_AdptMeshCtrl SET initialFeatureAngle = 200')
        db.execute('UPDATE kadC_AdptMeshDomain SET sweepsPerIncrement = 0 WHERE initialRemeshingSweeps = 4')
    db.close()
    assert stepwise.open(str(path)).validate() == [
        "adaptive mesh control 'Ada-1': Initial feature angle must be greater than or equal to zero and less than "
        "or equal to 180.",
        "adaptive mesh domain 'Step-3': Sweeps per increment must be greater than zero."]
