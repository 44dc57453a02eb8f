# SPDX-License-Identifier: MIT
"""State: every pair that gives the same state gives the same properties; anything else is refused."""
import math

import pytest

from aquaprop import State
from aquaprop.state import ATTRIBUTES

SINGLE_PHASE = {  # (p, T) in every region
    "compressed water": (3e6, 300.0),
    "steam": (3500.0, 700.0),
    "region 3 near the critical point": (25e6, 650.0),
    "region 5": (30e6, 1500.0),
}
WET = {"low pressure": (1e5, 0.3), "above 623.15 K": (20e6, 0.6), "saturated liquid": (1e6, 0.0),
       "saturated vapour": (1e6, 1.0)}


def assert_same(state, other):
    for name in ATTRIBUTES:
        a, b = getattr(state, name), getattr(other, name)
        assert (math.isnan(a) and math.isnan(b)) or a == pytest.approx(b, rel=1e-9, abs=1e-12), name


@pytest.mark.parametrize("p, T", SINGLE_PHASE.values(), ids=SINGLE_PHASE.keys())
def test_single_phase_pairs_agree(p, T):
    state = State(p=p, T=T)
    assert math.isnan(state.x) and math.isnan(state.sigma) and state.cp > 0 and state.kappa > 1
    assert math.isnan(state.mu) == (T > 1173.15)  # the transport properties end there, region 5 goes on
    assert_same(State(p=p, h=state.h), state)
    assert_same(State(p=p, s=state.s), state)


@pytest.mark.parametrize("p, x", WET.values(), ids=WET.keys())
def test_wet_pairs_agree(p, x):
    state = State(p=p, x=x)
    assert state.x == x and math.isnan(state.cp) and math.isnan(state.mu) and state.sigma > 0
    assert state.u == pytest.approx(state.h - p * state.v, rel=1e-12)
    assert_same(State(T=state.T, x=x), state)
    assert_same(State(p=p, h=state.h), state)
    assert_same(State(p=p, s=state.s), state)


@pytest.mark.parametrize("given, error", [
    ({"p": 1e6}, TypeError),
    ({"p": 1e6, "T": 400.0, "h": 1e5}, TypeError),
    ({"h": 1e6, "s": 3e3}, TypeError),
    ({"p": [1e6, 2e6], "T": 400.0}, TypeError),
    ({"p": 1e6, "T": 5000.0}, ValueError),
    ({"T": 700.0, "x": 0.5}, ValueError),
    ({"p": 1e6, "x": 1.5}, ValueError),
    ({"p": math.nan, "h": 1e6}, ValueError),
])
def test_refused(given, error):
    with pytest.raises(error):
        State(**given)

