# SPDX-License-Identifier: MIT
"""Live steam at 10 MPa and 500 degC through a turbine to 10 kPa, with an isentropic efficiency of 85 %."""
import aquaprop

live = aquaprop.State(p=10e6, T=773.15)
ideal = aquaprop.State(p=10e3, s=live.s)  # the isentropic end point, inside the two-phase region
actual = aquaprop.State(p=10e3, h=live.h - 0.85 * (live.h - ideal.h))
condensate = aquaprop.State(p=10e3, x=0.0)

print(live)
print("isentropic end   x = %.4f, h = %.1f kJ/kg" % (ideal.x, ideal.h / 1e3))
print("actual end       x = %.4f, h = %.1f kJ/kg, T = %.2f degC" % (actual.x, actual.h / 1e3, actual.T - 273.15))
print("work             %.1f kJ/kg" % ((live.h - actual.h) / 1e3))
print("condenser duty   %.1f kJ/kg" % ((actual.h - condensate.h) / 1e3))
