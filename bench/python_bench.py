#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Time per state of aquaprop's functions: one call over 1,000,000-element arrays against a Python loop calling
the same function once per state (over the first 20,000 states, which is plenty for a per-state time).

Usage: python3 bench/python_bench.py, with the package importable (PYTHONPATH=build/python for the build tree).
Each time is the median of five runs, in processor time (as Google Benchmark's CPU time), which other programs on a
busy machine disturb less than the wall clock.
"""
import statistics
import time

import numpy as np

import aquaprop

STATES = 1_000_000
LOOPED = 20_000
RUNS = 5


def per_state(call, count):
    """Median time of call() in ns per state."""
    times = []
    for _ in range(RUNS):
        start = time.process_time()
        call()
        times.append(time.process_time() - start)
    return statistics.median(times) / count * 1e9


def main():
    random = np.random.default_rng(2)
    p = random.uniform(1e6, 100e6, STATES)  # compressed water: region 1 throughout
    T = random.uniform(280.0, 450.0, STATES)
    h = aquaprop.h_pT(p, T)
    p_wet = random.uniform(1e3, 20e6, STATES)
    h_wet = aquaprop.h_Tx(aquaprop.Tsat_p(p_wet), random.uniform(0.0, 1.0, STATES))
    cases = [
        ("h_pT, region 1", aquaprop.h_pT, (p, T)),
        ("s_pT, region 1", aquaprop.s_pT, (p, T)),
        ("T_ph, region 1", aquaprop.T_ph, (p, h)),
        ("mu_pT, region 1", aquaprop.mu_pT, (p, T)),
        ("lam_pT, region 1", aquaprop.lam_pT, (p, T)),
        ("Tsat_p", aquaprop.Tsat_p, (p_wet,)),
        ("x_ph, wet steam", aquaprop.x_ph, (p_wet, h_wet)),
    ]
    print("aquaprop %s, engine %s" % (aquaprop.__version__, aquaprop._library.LIBRARY._name))
    print("%-18s %16s %16s %8s" % ("function", "array ns/state", "loop ns/state", "ratio"))
    for name, function, args in cases:
        array = per_state(lambda: function(*args), STATES)
        firsts = [a[:LOOPED].tolist() for a in args]
        loop = per_state(lambda: [function(*values) for values in zip(*firsts)], LOOPED)
        print("%-18s %16.1f %16.1f %7.0fx" % (name, array, loop, loop / array))


if __name__ == "__main__":
    main()
