# SPDX-License-Identifier: MIT
"""One function per quantity and inputs over the engine's aqp_ functions: aqp_h_pT_n behind h_pT for arrays, one
call per array, and aqp_h_pT for plain Python numbers."""
import ctypes
import inspect
import textwrap

import numpy as np

from aquaprop._library import LIBRARY, declare

# Every quantity by its symbol: what it is, and its SI unit.
QUANTITIES = {
    "p": ("pressure", "Pa"),
    "T": ("temperature", "K"),
    "x": ("dryness, the vapour mass fraction: 0 saturated liquid, 1 saturated vapour", ""),
    "v": ("specific volume", "m3/kg"),
    "rho": ("density", "kg/m3"),
    "h": ("specific enthalpy", "J/kg"),
    "u": ("specific internal energy", "J/kg"),
    "s": ("specific entropy", "J/(kg K)"),
    "cp": ("isobaric heat capacity", "J/(kg K)"),
    "cv": ("isochoric heat capacity", "J/(kg K)"),
    "w": ("speed of sound", "m/s"),
    "Tsat": ("saturation temperature", "K"),
    "psat": ("saturation pressure", "Pa"),
    "hfg": ("latent heat of evaporation h'' - h'", "J/kg"),
    "mu": ("dynamic viscosity", "Pa s"),
    "lam": ("thermal conductivity", "W/(m K)"),
    "nu": ("kinematic viscosity mu / rho", "m2/s"),
    "Pr": ("Prandtl number cp mu / lam", ""),
    "kappa": ("isentropic exponent w^2 rho / p", ""),
    "sigma": ("surface tension", "N/m"),
}

_ARRAY = np.ctypeslib.ndpointer(dtype=np.float64, flags="C_CONTIGUOUS")
_NUMBERS = (float, int)

_DOC = """{summary}

Parameters
----------
{parameters}

Returns
-------
float or ndarray
{result}
{notes}
Examples
--------
{examples}"""


def _described(symbol):
    """"Pressure, Pa" for "p"."""
    meaning, unit = QUANTITIES[symbol]
    return meaning[0].upper() + meaning[1:] + (", " + unit if unit else "")


def _indented(text):
    return textwrap.fill(text, width=100, initial_indent="    ", subsequent_indent="    ")


def _parameter(symbol):
    return "%s : float or array_like\n%s" % (symbol, _indented(_described(symbol) + "."))


def _function(name, summary, examples, nan="", notes=""):
    """The Python function for aqp_<name>: name is <result>_<inputs>, each input one symbol (h_pT: h of p, T)."""
    result, inputs = name.split("_")
    symbols = list(inputs)
    scalar = declare(LIBRARY, "aqp_" + name, ctypes.c_double, [ctypes.c_double] * len(symbols))
    array_form = declare(LIBRARY, "aqp_%s_n" % name, ctypes.c_size_t,
                         [ctypes.c_size_t] + [_ARRAY] * (len(symbols) + 1))
    signature = inspect.Signature([inspect.Parameter(s, inspect.Parameter.POSITIONAL_OR_KEYWORD) for s in symbols])

    def function(*args, **kwargs):
        if kwargs or len(args) != len(symbols):
            args = signature.bind(*args, **kwargs).args
        if all(type(a) in _NUMBERS for a in args):  # plain numbers: the scalar function, the same digits sooner
            return scalar(*args)
        given = np.broadcast_arrays(*(np.asarray(a, dtype=np.float64) for a in args))
        out = np.empty(given[0].shape)
        array_form(out.size, *(np.ascontiguousarray(a) for a in given), out)
        return float(out[()]) if out.ndim == 0 else out

    returns = ("%s; NaN where the arguments give no state (outside the range of validity of IF97, NaN or "
               "infinite)%s. A float for scalar arguments, else an ndarray of the arguments' broadcast shape."
               % (_described(result), nan))
    function.__name__ = function.__qualname__ = name
    function.__signature__ = signature
    function.__doc__ = _DOC.format(summary=summary, parameters="\n".join(_parameter(s) for s in symbols),
                                   result=_indented(returns),
                                   notes="\nNotes\n-----\n%s\n" % textwrap.fill(notes, 100) if notes else "",
                                   examples=examples.strip())
    return function


_OUTSIDE_DOME = ", or outside the two-phase region"
_DRYNESS = ", or a dryness outside 0..1"

# The saturation line: 273.15 K <= T <= 647.096 K, 611.2127 Pa <= p <= 22.064 MPa.
Tsat_p = _function("Tsat_p", "Saturation temperature at a pressure.", """
>>> import aquaprop
>>> round(aquaprop.Tsat_p(1e5), 6)
372.755919
>>> aquaprop.Tsat_p([1e5, 1e6, 3e7]).round(3)
array([372.756, 453.036,     nan])
""")
psat_T = _function("psat_T", "Saturation pressure at a temperature.", """
>>> import aquaprop
>>> round(aquaprop.psat_T(500.0))
2638898
""")
hfg_T = _function("hfg_T", "Latent heat of evaporation at a saturation temperature.", """
>>> import aquaprop
>>> round(aquaprop.hfg_T(373.15))
2256473
""", notes="It falls to 0 at the critical point, 647.096 K.")
h_Tx = _function("h_Tx", "Specific enthalpy of a wet mixture, (1 - x) h' + x h''.", """
>>> import aquaprop
>>> round(aquaprop.h_Tx(373.15, 0.5))
1547336
""", nan=_DRYNESS)
s_Tx = _function("s_Tx", "Specific entropy of a wet mixture, (1 - x) s' + x s''.", """
>>> import aquaprop
>>> round(aquaprop.s_Tx(373.15, 1.0), 3)
7354.077
""", nan=_DRYNESS)
v_Tx = _function("v_Tx", "Specific volume of a wet mixture, (1 - x) v' + x v''.", """
>>> import aquaprop
>>> round(aquaprop.v_Tx(373.15, 1.0), 6)
1.671861
""", nan=_DRYNESS)
rho_Tx = _function("rho_Tx", "Density of a wet mixture, 1 / v_Tx.", """
>>> import aquaprop
>>> round(aquaprop.rho_Tx(373.15, 0.0), 3)
958.354
""", nan=_DRYNESS)
u_Tx = _function("u_Tx", "Specific internal energy of a wet mixture, (1 - x) u' + x u''.", """
>>> import aquaprop
>>> round(aquaprop.u_Tx(373.15, 0.5))
1462504
""", nan=_DRYNESS)
_PHASE = ", or a dryness other than 0 and 1 (a mixture has no single value)"
mu_Tx = _function("mu_Tx", "Dynamic viscosity of the saturated liquid (x = 0) or vapour (x = 1).", """
>>> import aquaprop
>>> aquaprop.mu_Tx(373.15, [0.0, 1.0, 0.5])
array([2.81585019e-04, 1.22321581e-05,            nan])
""", nan=_PHASE)
lam_Tx = _function("lam_Tx", "Thermal conductivity of the saturated liquid (x = 0) or vapour (x = 1).", """
>>> import aquaprop
>>> aquaprop.lam_Tx(373.15, [0.0, 1.0]).round(6)
array([0.677217, 0.02457 ])
""", nan=_PHASE, notes="NaN within 1e-10 K of the critical temperature as well, where IF97's saturated states have "
                        "no positive cp.")
sigma_T = _function("sigma_T", "Surface tension on the saturation line at a temperature.", """
>>> import aquaprop
>>> round(aquaprop.sigma_T(373.15), 8)
0.05891187
""", notes="It falls to 0 at the critical point, 647.096 K.")
x_ph = _function("x_ph", "Dryness of a wet mixture from pressure and enthalpy, (h - h') / (h'' - h').", """
>>> import aquaprop
>>> round(aquaprop.x_ph(1e5, 2e6), 6)
0.701021
>>> aquaprop.x_ph(1e5, [417e3, 2e6, 3e6]).round(3)
array([  nan, 0.701,   nan])
""", nan=_OUTSIDE_DOME, notes="h' and h'' themselves count as inside within 1e-12 relative; there is no two-phase "
                              "region at or above the critical pressure, 22.064 MPa.")
x_ps = _function("x_ps", "Dryness of a wet mixture from pressure and entropy, (s - s') / (s'' - s').", """
>>> import aquaprop
>>> round(aquaprop.x_ps(1e4, 7000.0), 6)
0.846808
""", nan=_OUTSIDE_DOME)

# Single-phase states of (p, T); at T = Tsat(p) the saturated liquid's values.
_SATURATED_LIQUID = "At the saturation temperature of p the saturated liquid's value."
h_pT = _function("h_pT", "Specific enthalpy from pressure and temperature.", """
>>> import aquaprop
>>> round(aquaprop.h_pT(3e6, 300.0), 3)
115331.273
>>> aquaprop.h_pT([[3500.0], [3e7]], [300.0, 700.0]).round()
array([[2549911., 3335684.],
       [ 139885., 2631495.]])
""", notes=_SATURATED_LIQUID)
s_pT = _function("s_pT", "Specific entropy from pressure and temperature.", """
>>> import aquaprop
>>> round(aquaprop.s_pT(3e6, 300.0), 6)
392.294792
""", notes=_SATURATED_LIQUID)
v_pT = _function("v_pT", "Specific volume from pressure and temperature.", """
>>> import aquaprop
>>> round(aquaprop.v_pT(3e6, 300.0), 12)
0.00100215168
""", notes=_SATURATED_LIQUID)
rho_pT = _function("rho_pT", "Density from pressure and temperature, 1 / v_pT.", """
>>> import aquaprop
>>> round(aquaprop.rho_pT(3e6, 300.0), 6)
997.85294
""", notes=_SATURATED_LIQUID)
cp_pT = _function("cp_pT", "Isobaric heat capacity from pressure and temperature.", """
>>> import aquaprop
>>> round(aquaprop.cp_pT(3e6, 300.0), 3)
4173.012
""", notes=_SATURATED_LIQUID + " It grows without bound towards the critical point.")
cv_pT = _function("cv_pT", "Isochoric heat capacity from pressure and temperature.", """
>>> import aquaprop
>>> round(aquaprop.cv_pT(3500.0, 300.0), 3)
1441.327
""", notes=_SATURATED_LIQUID)
w_pT = _function("w_pT", "Speed of sound from pressure and temperature.", """
>>> import aquaprop
>>> round(aquaprop.w_pT(3500.0, 300.0), 6)
427.920172
""", notes=_SATURATED_LIQUID)

u_pT = _function("u_pT", "Specific internal energy from pressure and temperature.", """
>>> import aquaprop
>>> round(aquaprop.u_pT(3e6, 300.0), 3)
112324.818
""", notes=_SATURATED_LIQUID)
kappa_pT = _function("kappa_pT", "Isentropic exponent w^2 rho / p from pressure and temperature.", """
>>> import aquaprop
>>> round(aquaprop.kappa_pT(1e5, 500.0), 6)
1.308155
""", notes=_SATURATED_LIQUID)

# Transport properties of (p, T), defined up to 1173.15 K.
_TRANSPORT = ", or above 1173.15 K, where the IAPWS formulations for industrial use end"
mu_pT = _function("mu_pT", "Dynamic viscosity from pressure and temperature.", """
>>> import aquaprop
>>> aquaprop.mu_pT(1e5, [300.0, 500.0, 1500.0])
array([8.53742376e-04, 1.72990834e-05,            nan])
""", nan=_TRANSPORT, notes=_SATURATED_LIQUID)
lam_pT = _function("lam_pT", "Thermal conductivity from pressure and temperature, with the critical enhancement.",
                   """
>>> import aquaprop
>>> round(aquaprop.lam_pT(1e5, 300.0), 6)
0.609501
""", nan=_TRANSPORT, notes=_SATURATED_LIQUID + " It grows, but stays finite, towards the critical point.")
nu_pT = _function("nu_pT", "Kinematic viscosity mu / rho from pressure and temperature.", """
>>> import aquaprop
>>> "%.6g" % aquaprop.nu_pT(1e5, 300.0)
'8.56692e-07'
""", nan=_TRANSPORT, notes=_SATURATED_LIQUID)
Pr_pT = _function("Pr_pT", "Prandtl number cp mu / lam from pressure and temperature.", """
>>> import aquaprop
>>> round(aquaprop.Pr_pT(1e5, 300.0), 6)
5.856571
""", nan=_TRANSPORT, notes=_SATURATED_LIQUID)

# Inverses.
_REFINED = ("Refined to the forward equations: h_pT (s_pT) at the result gives the argument back to round-off. "
            "Inside the two-phase region the saturation temperature of p.")
T_ph = _function("T_ph", "Temperature from pressure and enthalpy.", """
>>> import aquaprop
>>> round(aquaprop.T_ph(3e6, aquaprop.h_pT(3e6, 400.0)), 9)
400.0
>>> round(aquaprop.T_ph(1e5, 2e6), 6) == round(aquaprop.Tsat_p(1e5), 6)
True
""", notes=_REFINED)
T_ps = _function("T_ps", "Temperature from pressure and entropy.", """
>>> import aquaprop
>>> round(aquaprop.T_ps(3e6, 500.0), 6)
307.845394
""", notes=_REFINED)
h_ps = _function("h_ps", "Specific enthalpy from pressure and entropy, the wet mixture's in the two-phase region.",
                 """
>>> import aquaprop
>>> round(aquaprop.h_ps(1e4, 7000.0))
2217439
>>> round(aquaprop.h_ps(1e6, 7000.0))
2982257
""")

# The state from (h, s).
_FROM_HS = ("Refined to the forward equations: h_pT and s_pT at (p_hs, T_hs) give h and s back to round-off; "
            "in the two-phase region the saturation pressure and temperature.")
p_hs = _function("p_hs", "Pressure from enthalpy and entropy.", """
>>> import aquaprop
>>> round(aquaprop.p_hs(aquaprop.h_pT(3e6, 500.0), aquaprop.s_pT(3e6, 500.0)))
3000000
""", notes=_FROM_HS)
T_hs = _function("T_hs", "Temperature from enthalpy and entropy.", """
>>> import aquaprop
>>> round(aquaprop.T_hs(aquaprop.h_pT(3e6, 500.0), aquaprop.s_pT(3e6, 500.0)), 9)
500.0
""", notes=_FROM_HS)
x_hs = _function("x_hs", "Dryness of a wet mixture from enthalpy and entropy.", """
>>> import aquaprop
>>> T = aquaprop.Tsat_p(1e4)
>>> round(aquaprop.x_hs(aquaprop.h_Tx(T, 0.9), aquaprop.s_Tx(T, 0.9)), 9)
0.9
""", nan=_OUTSIDE_DOME)
