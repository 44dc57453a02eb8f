#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Live steam expanding through a turbine, with libaquaprop through ctypes.

Usage: example.py [LIBRARY]. LIBRARY is the path of libaquaprop.so; without it the environment variable
AQUAPROP_LIBRARY names it, and without that the installed copy is loaded.
"""
import ctypes
import ctypes.util
import os
import sys

ERROR_VALUE = -99999.999


def load(path):
    lib = ctypes.CDLL(path)
    for name in ("STM_SetTempUnit", "STM_SetPressUnit", "STM_SetEnthalUnit", "STM_SetEntroUnit",
                 "STM_SetDensityUnit"):
        getattr(lib, name).argtypes = [ctypes.c_int32]
        getattr(lib, name).restype = ctypes.c_int16
    for name in ("STM_sTp", "STM_sRt"):
        getattr(lib, name).argtypes = [ctypes.c_double]
        getattr(lib, name).restype = ctypes.c_double
    for name in ("STM_nHtp", "STM_nStp", "STM_nDtp", "STM_nCPtp", "STM_nCVtp", "STM_nWtp", "STM_nTps",
                 "STM_sXps", "STM_sHps"):
        getattr(lib, name).argtypes = [ctypes.c_double, ctypes.c_double]
        getattr(lib, name).restype = ctypes.c_double
    lib.STM_IsSat_ps.argtypes = [ctypes.c_double, ctypes.c_double]
    lib.STM_IsSat_ps.restype = ctypes.c_int16
    for name in ("STM_GetMinTemp", "STM_GetMaxPress"):
        getattr(lib, name).argtypes = []
        getattr(lib, name).restype = ctypes.c_double
    return lib


def show(label, value, unit):
    """Prints one result, or says that the engine refused the input."""
    if value == ERROR_VALUE:
        print("%-28s out of range" % label)
    else:
        print("%-28s %14.6f %s" % (label, value, unit))


def main():
    path = (sys.argv[1] if len(sys.argv) > 1 else
            os.environ.get("AQUAPROP_LIBRARY") or ctypes.util.find_library("aquaprop") or "libaquaprop.so.1")
    lib = load(path)

    # degC, MPa, kJ/kg, kJ/(kg K), m3/kg: also the defaults.
    if not all((lib.STM_SetTempUnit(2), lib.STM_SetPressUnit(12), lib.STM_SetEnthalUnit(32),
                lib.STM_SetEntroUnit(52), lib.STM_SetDensityUnit(71))):
        sys.exit("a unit was refused")

    # Live steam at 10 MPa and 500 degC.
    p1, T1 = 10.0, 500.0
    h1 = lib.STM_nHtp(T1, p1)
    s1 = lib.STM_nStp(T1, p1)
    show("live steam enthalpy", h1, "kJ/kg")
    show("live steam entropy", s1, "kJ/(kg K)")
    show("specific volume", lib.STM_nDtp(T1, p1), "m3/kg")
    show("cp", lib.STM_nCPtp(T1, p1), "kJ/(kg K)")
    show("cv", lib.STM_nCVtp(T1, p1), "kJ/(kg K)")
    show("speed of sound", lib.STM_nWtp(T1, p1), "m/s")
    show("temperature from p and s", lib.STM_nTps(p1, s1), "degC")

    # Isentropic expansion to 10 kPa ends inside the two-phase region. The wetness w is the liquid
    # fraction: the dryness is 1 - w.
    p2 = 0.01
    if lib.STM_IsSat_ps(p2, s1):
        w2 = lib.STM_sXps(p2, s1)
        h2 = lib.STM_sHps(p2, s1)
        show("condenser temperature", lib.STM_sTp(p2), "degC")
        show("dryness after expansion", 1.0 - w2, "-")
        show("enthalpy after expansion", h2, "kJ/kg")
        show("isentropic work", h1 - h2, "kJ/kg")
        show("latent heat in condenser", lib.STM_sRt(lib.STM_sTp(p2)), "kJ/kg")

    # Outside the range every function answers ERROR_VALUE.
    show("enthalpy at 150 MPa", lib.STM_nHtp(300.0, 150.0), "kJ/kg")
    show("lowest temperature", lib.STM_GetMinTemp(), "degC")
    show("highest pressure", lib.STM_GetMaxPress(), "MPa")


if __name__ == "__main__":
    main()
