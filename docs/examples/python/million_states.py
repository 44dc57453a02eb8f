# SPDX-License-Identifier: MIT
"""A million states in one call: the enthalpy of compressed water at random pressures and temperatures."""
import time

import numpy as np

import aquaprop

random = np.random.default_rng(1)
p = random.uniform(1e6, 100e6, 1_000_000)  # Pa
T = random.uniform(280.0, 450.0, 1_000_000)  # K: compressed water throughout
T[::100_000] = 2500.0  # every 100,000th state above the range: NaN there

start = time.perf_counter()
h = aquaprop.h_pT(p, T)
seconds = time.perf_counter() - start

print("states          %d" % h.size)
print("outside range   %d" % np.isnan(h).sum())
print("h from %.1f to %.1f kJ/kg" % (np.nanmin(h) / 1e3, np.nanmax(h) / 1e3))
print("%.1f ns per state" % (seconds / h.size * 1e9))
