"""Saving and opening: what a script reads survives the file; bad files are refused."""
import pytest

import stepwise
from conftest import fingerprint, reopen, standard_model

# an edit of the standard model before it is saved
EDITS = [
    lambda m: None,
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
    again = reopen(model, tmp_path / 'model.swdb')
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


def _hold_transaction(path):
    """Another process with a write transaction open on the file, until its stdin closes."""
    import subprocess, sys
    holder = subprocess.Popen(
        [sys.executable, '-c', 'import sqlite3, sys\n'
         f'c = sqlite3.connect({str(path)!r}, isolation_level=None)\n'
         'c.execute("BEGIN IMMEDIATE"); print("held", flush=True); sys.stdin.read()'],
        stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    assert holder.stdout.readline() == 'held\n'
    return holder


# what is at the path before the save, and why the save will not replace it
REPLACED = [
    (lambda p: p.write_text('notes'), 'it is not a Stepwise model file'),
    (lambda p: (standard_model().save(str(p)), p.chmod(0o444)), 'it is write-protected'),
    (lambda p: p.mkdir(), 'it is not a regular file'),
    (lambda p: (standard_model().save(str(p)), _hold_transaction(p))[1], 'another program has it open in a transaction'),
]


@pytest.mark.parametrize('make, why', REPLACED)
def test_save_replaces_only_a_writable_model_file_not_in_use(tmp_path, make, why):
    path = tmp_path / 'target.swdb'
    made = make(path)
    before = path.read_bytes() if path.is_file() else None
    model = stepwise.Model()
    with pytest.raises(stepwise.FileError) as raised:
        model.save(str(path))
    assert str(raised.value) == f"will not replace '{path}': {why}; pass force=True to replace it"
    assert (path.read_bytes() if path.is_file() else None) == before
    if hasattr(made, 'stdin'):
        made.stdin.close()
        made.wait()
    elif path.is_file():
        model.save(str(path), force=True)
        assert stepwise.open(str(path)).steps.keys() == ['Initial']


UNSET = 1.7976931348623157e308
# an older (or newer) release's form of the saved standard model, made with SQL on the
# file, and what the frequency step reads as once opened, or the refusal
OLD_FORMS = [
    ('858: an evaluation frequency of 0.0 meant none', 858, 'propertyEvaluationFrequency = 0.0', UNSET),
    ('858: a positive one is kept', 858, 'propertyEvaluationFrequency = 2.0', 2.0),
    ('999: a newer release is refused', 999, 'propertyEvaluationFrequency = 2.0',
     'Cannot open model file "{path}": the stored class kprC_FrequencyStep has version 999, newer than this '
     "release's 881"),
]


@pytest.mark.parametrize('why, version, assignment, expected', OLD_FORMS, ids=[c[0] for c in OLD_FORMS])
def test_other_releases_files_open_converted_or_are_refused_and_stay_as_they_were(tmp_path, why, version, assignment,
                                                                                   expected):
    import sqlite3
    path = tmp_path / 'old.swdb'
    standard_model().save(str(path))
    with sqlite3.connect(path) as db:
        db.execute('UPDATE "##classes" SET version = ? WHERE name = ?', (version, 'kprC_FrequencyStep'))
        db.execute('UPDATE kprC_FrequencyStep SET ' + assignment)
    db.close()
    before = path.read_bytes()
    if isinstance(expected, str):
        with pytest.raises(stepwise.FileError) as raised:
            stepwise.open(str(path))
        assert str(raised.value) == expected.format(path=path)
    else:
        assert stepwise.open(str(path)).steps['Step-2'].propertyEvaluationFrequency == expected
    assert path.read_bytes() == before
