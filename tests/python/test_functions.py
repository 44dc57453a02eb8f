# SPDX-License-Identifier: MIT
"""The per-quantity functions against the engine's scalar C functions: every value, every shape, every refusal."""
import ctypes
import os
import re

import numpy as np
import pytest

import aquaprop
from aquaprop._library import LIBRARY

HEADER = os.path.join(os.environ["AQUAPROP_SOURCE_DIR"], "engine", "aquaprop.h")
NAMES = sorted(set(aquaprop.__all__) - {"State"})

# Values of each input symbol: in every region, on the saturation line, at the edges and outside.
rng = np.random.default_rng(12)
INPUTS = {
    "p": np.concatenate([10 ** rng.uniform(2.5, 8.2, 300), [611.2127, 22.064e6, 1e8, 0.0, -1.0, np.nan, np.inf]]),
    "T": np.concatenate([rng.uniform(260.0, 2300.0, 300), [273.15, 623.15, 647.096, 1073.15, 2273.15, np.nan]]),
    "h": np.concatenate([rng.uniform(-1e5, 4.5e6, 300), [np.nan, -np.inf]]),
    "s": np.concatenate([rng.uniform(-100.0, 12e3, 300), [np.nan]]),
    # the ends repeated: the saturated phases' viscosity and conductivity take no other dryness
    "x": np.concatenate([rng.uniform(0.0, 1.0, 300), [0.0, 1.0] * 20, [-1e-300, 1.0 + 2.3e-16, np.nan]]),
}


def scalar_c(name):
    inputs = name.split("_")[1]
    function = getattr(LIBRARY, "aqp_" + name)
    function.restype = ctypes.c_double
    function.argtypes = [ctypes.c_double] * len(inputs)
    return function, inputs


def arguments(inputs, size):
    """Arrays of the given symbols' values, shuffled against each other, size long."""
    return [rng.permutation(np.resize(INPUTS[symbol], size)) for symbol in inputs]


def test_every_engine_function_has_its_python_function():
    with open(HEADER) as header:
        names = re.findall(r"\baqp_(\w+)\(", header.read())
    assert {n for n in names if not n.endswith("_n") and not n.startswith("state_")} == set(NAMES)


@pytest.mark.parametrize("name", NAMES)
def test_arrays_and_scalars_give_the_c_functions_values(name):
    c_function, inputs = scalar_c(name)
    args = arguments(inputs, 600)
    got = getattr(aquaprop, name)(*args)
    expected = np.array([c_function(*values) for values in zip(*args)])
    assert isinstance(got, np.ndarray) and got.shape == (600,)
    np.testing.assert_array_equal(got, expected)  # bit for bit; NaN where the C function gives NaN
    assert 0 < np.isnan(got).sum() < got.size
    for k in (np.argmax(np.isnan(got)), np.argmin(np.isnan(got))):  # an invalid and a valid state
        for scalars in ([a[k] for a in args], [float(a[k]) for a in args]):  # numpy's and Python's floats
            value = getattr(aquaprop, name)(*scalars)
            assert type(value) is float
            np.testing.assert_array_equal(value, expected[k])


@pytest.mark.parametrize("p, T, shape", [
    (1e6, 400.0, ()),
    (np.float64(1e6), np.array(400.0), ()),
    ([1e6], 400.0, (1,)),
    ([[1e5], [1e6], [1e7]], [300.0, 350.0, 400.0, 450.0], (3, 4)),
    (np.full((2, 3), 1e6)[:, ::2], np.array([300.0, 400.0]), (2, 2)),  # strided input
    (np.empty((0,)), 400.0, (0,)),
    (1000000, 400, ()),  # integers are numbers, not bit patterns
])
def test_broadcasting(p, T, shape):
    got = aquaprop.h_pT(p, T)
    assert np.shape(got) == shape
    assert type(got) is (float if shape == () else np.ndarray)
    expected = np.vectorize(lambda a, b: aquaprop.h_pT(float(a), float(b)), otypes=[float])(*np.broadcast_arrays(p, T))
    np.testing.assert_array_equal(got, expected)


def test_keywords_and_refused_shapes():
    assert aquaprop.h_pT(T=400.0, p=1e6) == aquaprop.h_pT(1e6, 400.0)
    with pytest.raises(ValueError):
        aquaprop.h_pT([1e6, 2e6], [300.0, 400.0, 500.0])
    with pytest.raises(TypeError):
        aquaprop.h_pT(1e6)
    with pytest.raises(ValueError):
        aquaprop.h_pT("one megapascal", 400.0)
