# SPDX-License-Identifier: MIT
"""A saturation table by pressure: one array call per column, printed with pandas if it is installed."""
import numpy as np

import aquaprop

p = np.array([1e3, 1e4, 1e5, 1e6, 1e7, 2e7])  # Pa
T = aquaprop.Tsat_p(p)
columns = {
    "p [kPa]": p / 1e3,
    "Tsat [degC]": T - 273.15,
    "h' [kJ/kg]": aquaprop.h_Tx(T, 0.0) / 1e3,
    "h'' [kJ/kg]": aquaprop.h_Tx(T, 1.0) / 1e3,
    "s'' [kJ/(kg K)]": aquaprop.s_Tx(T, 1.0) / 1e3,
    "v'' [m3/kg]": aquaprop.v_Tx(T, 1.0),
}

try:
    import pandas
except ImportError:
    pandas = None

if pandas is not None:
    print(pandas.DataFrame(columns).to_string(index=False, float_format="%.4f"))
else:
    print("  ".join("%15s" % name for name in columns))
    for row in zip(*columns.values()):
        print("  ".join("%15.4f" % value for value in row))
