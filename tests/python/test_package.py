# SPDX-License-Identifier: MIT
"""The package as users get it: where it finds the engine, what pip installs, and the worked examples of
docs/python.md."""
import glob
import os
import re
import shutil
import subprocess
import sys

import pytest

import aquaprop
from aquaprop import _library

SOURCE = os.environ["AQUAPROP_SOURCE_DIR"]
ENGINE = aquaprop._library.LIBRARY._name
EXAMPLES = sorted(glob.glob(os.path.join(SOURCE, "docs", "examples", "python", "*.py")))


def test_version_is_the_projects():
    assert aquaprop.__version__ == os.environ["AQUAPROP_PROJECT_VERSION"]


def test_the_environment_variable_comes_first_then_the_library_beside_the_package(tmp_path):
    os.symlink(ENGINE, tmp_path / _library.SONAME)
    assert _library.load({_library.ENVIRONMENT: ENGINE}, str(tmp_path))._name == ENGINE
    assert _library.load({}, str(tmp_path))._name == str(tmp_path / _library.SONAME)


def test_a_missing_library_says_where_it_looked(tmp_path):
    with pytest.raises(ImportError) as raised:
        _library.load({}, str(tmp_path), "libaquaprop-missing.so.1")
    message = str(raised.value)
    for place in (_library.ENVIRONMENT, str(tmp_path / "libaquaprop-missing.so.1"), "system's library path"):
        assert place in message
    with pytest.raises(ImportError, match=re.escape(str(tmp_path / "nowhere.so"))):
        _library.load({_library.ENVIRONMENT: str(tmp_path / "nowhere.so")}, str(tmp_path))


def test_pip_installs_it_offline(tmp_path):
    shutil.copytree(os.path.join(SOURCE, "python"), tmp_path / "source")
    environment = {k: v for k, v in os.environ.items() if k not in ("LD_PRELOAD", "PYTHONPATH")}
    subprocess.run([sys.executable, "-m", "pip", "install", "--quiet", "--no-build-isolation", "--no-index",
                    "--no-deps", "--target", str(tmp_path / "site"), str(tmp_path / "source")],
                   check=True, env=environment, cwd=tmp_path)
    installed = glob.glob(str(tmp_path / "site" / "aquaprop" / "*.py"))
    assert sorted(map(os.path.basename, installed)) == sorted(
        os.path.basename(f) for f in glob.glob(os.path.join(SOURCE, "python", "aquaprop", "*.py")))
    metadata = open(glob.glob(str(tmp_path / "site" / "aquaprop-*.dist-info" / "METADATA"))[0]).read()
    for line in ("Name: aquaprop", "Version: " + aquaprop.__version__, "License: MIT", "Requires-Dist: numpy"):
        assert line in metadata.splitlines()


def run(example, hide_pandas):
    """What the example prints, optionally as if pandas were not installed."""
    code = "import runpy, sys\nif %r: sys.modules['pandas'] = None\nrunpy.run_path(%r, run_name='__main__')" % (
        hide_pandas, example)
    return subprocess.run([sys.executable, "-c", code], check=True, capture_output=True, text=True).stdout


def timing_masked(text):
    return re.sub(r"[\d.]+ ns per state", "… ns per state", text)


@pytest.mark.parametrize("example", EXAMPLES, ids=os.path.basename)
def test_worked_example_prints_what_the_documentation_shows(example):
    with open(example[:-3] + ".out") as expected:
        assert timing_masked(run(example, hide_pandas=True)) == timing_masked(expected.read())


def test_saturation_table_with_pandas():
    pytest.importorskip("pandas")
    example = os.path.join(SOURCE, "docs", "examples", "python", "saturation_table.py")
    with open(example[:-3] + ".out") as expected:
        assert run(example, hide_pandas=False).split() == expected.read().split()
