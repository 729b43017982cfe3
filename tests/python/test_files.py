"""Saving and opening: what a script reads survives the file; bad files are refused."""
import pytest

import stepwise
from conftest import fingerprint, standard_model

# an edit of the standard model before it is saved
EDITS = [
    lambda m: None,
    lambda m: (m.loads['Pressure'].deactivate(stepName='Step-3'), m.loads['Force'].suppress()),
    lambda m: (m.BuckleStep(name='Step-2', numEigen=3), m.steps.changeKey(fromName='Step-5', toName='Last')),
    lambda m: (m.steps['Step-1'].setValues(description='préload', maxNumInc=50),
               m.loads['Force'].setValuesInStep(stepName='Step-5', cf1State='CLEARED')),
    lambda m: m.Moment(name='Turn', createStepName='Step-3', region=stepwise.Region(names=('Hub',), entityCount=4),
                       cm1=1.0, localCsys=(3, 1)),
    lambda m: (m.timePoints['Times'].setValues(points=((0.0, 1.0, 0.5),)), m.TimePoint(name='More', points=((3.0,),)),
               m.timePoints.__delitem__('Times')),
]


@pytest.mark.parametrize('edit', EDITS)
def test_saved_models_open_as_they_were(tmp_path, edit):
    model = standard_model()
    edit(model)
    model.save(str(tmp_path / 'model.swdb'))
    again = stepwise.open(str(tmp_path / 'model.swdb'))
    assert fingerprint(again) == fingerprint(model)
    assert (again.validate(), again.changeHistory) == (model.validate(), [])
    again.StaticStep(name='After', previous=again.steps.keys()[-1])
    assert again.steps.keys()[-1] == 'After' and 'After' not in model.steps


# what is at the path, and the refusal's text
BAD_FILES = [
    (None, 'Cannot open model file "{path}": the file does not exist'),
    (b'not a model', 'Cannot open model file "{path}": it is not an SQLite database'),
]


@pytest.mark.parametrize('content, start', BAD_FILES)
def test_bad_files_are_refused(tmp_path, content, start):
    path = tmp_path / 'bad.swdb'
    if content is not None:
        path.write_bytes(content)
    with pytest.raises(stepwise.FileError) as raised:
        stepwise.open(str(path))
    assert str(raised.value) == start.format(path=path)
    assert (path.read_bytes() if content is not None else None) == content


def test_a_failed_save_keeps_the_model_and_reports_the_path(tmp_path):
    model = standard_model()
    with pytest.raises(stepwise.FileError, match='missing'):
        model.save(str(tmp_path / 'missing' / 'model.swdb'))
    assert model.steps.keys()[-1] == 'Step-5'
