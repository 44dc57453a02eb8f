# SPDX-License-Identifier: MIT
"""One state of water or steam with every property, from any pair the engine's aqp_state functions take."""
import ctypes
import math

from aquaprop import functions
from aquaprop._library import LIBRARY, declare
from aquaprop.functions import QUANTITIES

# The fields of the engine's aqp_state, in its order.
FIELDS = ("p", "T", "x", "v", "rho", "h", "u", "s", "cp", "cv", "w")
# Those the single functions give at the state's (p, T) outside the two-phase region, and at its T inside.
SINGLE_PHASE = ("kappa", "mu", "nu", "lam", "Pr")
ATTRIBUTES = FIELDS + SINGLE_PHASE + ("sigma",)


class _CState(ctypes.Structure):
    _fields_ = [(name, ctypes.c_double) for name in FIELDS]


# aqp_state_<pair> by the names given, in any order.
_BY_PAIR = {frozenset(pair): declare(LIBRARY, "aqp_state_" + pair, _CState, [ctypes.c_double, ctypes.c_double])
            for pair in ("pT", "ph", "ps", "px", "Tx")}
_PAIRS = ", ".join("(%s)" % ", ".join(pair) for pair in ("pT", "ph", "ps", "px", "Tx"))


_UNITS = {name: " " + QUANTITIES[name][1] if QUANTITIES[name][1] else "" for name in ATTRIBUTES}


class State:
    """One state of water or steam, from two of pressure, temperature, enthalpy, entropy and dryness.

    Parameters
    ----------
    p : float, optional
        Pressure, Pa.
    T : float, optional
        Temperature, K.
    h : float, optional
        Specific enthalpy, J/kg.
    s : float, optional
        Specific entropy, J/(kg K).
    x : float, optional
        Dryness, the vapour mass fraction: 0 saturated liquid, 1 saturated vapour.

    Exactly two are given, one of the pairs (p, T), (p, h), (p, s), (p, x) and (T, x).

    Attributes
    ----------
    p, T : float
        Pressure (Pa) and temperature (K); in the two-phase region T is the saturation temperature.
    x : float
        Dryness; NaN outside the two-phase region, including at T = Tsat(p) given as (p, T), which is the
        saturated liquid.
    v, rho : float
        Specific volume (m3/kg) and density (kg/m3).
    h, u : float
        Specific enthalpy and internal energy, J/kg.
    s : float
        Specific entropy, J/(kg K).
    cp, cv : float
        Isobaric and isochoric heat capacities, J/(kg K); NaN in the two-phase region.
    w : float
        Speed of sound, m/s; NaN in the two-phase region.
    kappa : float
        Isentropic exponent w^2 rho / p; NaN in the two-phase region.
    mu, nu : float
        Dynamic (Pa s) and kinematic (m2/s) viscosity; NaN in the two-phase region and above 1173.15 K.
    lam : float
        Thermal conductivity, W/(m K); NaN in the two-phase region and above 1173.15 K.
    Pr : float
        Prandtl number; NaN in the two-phase region and above 1173.15 K.
    sigma : float
        Surface tension at the saturation temperature, N/m, in the two-phase region; NaN elsewhere. (The saturated
        phases' viscosity and conductivity are ``mu_Tx(T, 0)``, ``mu_Tx(T, 1)`` and so on.)

    Raises
    ------
    TypeError
        For any other set of names, or a value that is not a real number.
    ValueError
        Where the pair gives no state: outside the range of validity of IF97, a dryness outside 0..1, or a
        dryness at a pressure or temperature beyond the critical point.

    Examples
    --------
    >>> from aquaprop import State
    >>> steam = State(p=1e6, T=500.0)
    >>> round(steam.h), round(steam.s, 3)
    (2891277, 6825.053)
    >>> wet = State(p=1e6, h=2.0e6)
    >>> round(wet.T, 3), round(wet.x, 6)
    (453.036, 0.614225)
    >>> State(T=373.15, x=0)
    State(p=101418 Pa, T=373.15 K, x=0, v=0.00104346 m3/kg, rho=958.354 kg/m3, h=419099 J/kg, u=418993 J/kg, \
s=1307.01 J/(kg K), sigma=0.0589119 N/m)
    >>> round(steam.mu * 1e6, 4), round(steam.lam, 6)
    (17.0535, 0.038473)
    """

    __slots__ = ATTRIBUTES

    def __init__(self, **given):
        function = _BY_PAIR.get(frozenset(given)) if len(given) == 2 else None
        if function is None:
            raise TypeError("State takes one of the pairs %s as keywords, not %s" % (_PAIRS, ", ".join(given) or
                                                                                       "none"))
        names = sorted(given, key="pThsx".index)
        try:
            values = [float(given[name]) for name in names]
        except (TypeError, ValueError):
            raise TypeError("State takes real numbers: %s" % ", ".join("%s=%r" % (n, given[n]) for n in names)) \
                from None
        state = function(*values)
        if math.isnan(state.T):
            raise ValueError("no state of water or steam at %s: outside the range of validity of IF97"
                             % ", ".join("%s=%g %s" % (n, v, QUANTITIES[n][1]) for n, v in zip(names, values)))
        for name in FIELDS:
            object.__setattr__(self, name, getattr(state, name))
        wet = not math.isnan(self.x)
        for name in SINGLE_PHASE:
            object.__setattr__(self, name, math.nan if wet else getattr(functions, name + "_pT")(self.p, self.T))
        object.__setattr__(self, "sigma", functions.sigma_T(self.T) if wet else math.nan)

    def __setattr__(self, name, value):
        raise AttributeError("a State cannot be changed; make a new one")

    def __repr__(self):
        """Every defined property with its unit, six digits each."""
        shown = [name for name in ATTRIBUTES if not math.isnan(getattr(self, name))]
        return "State(%s)" % ", ".join("%s=%.6g" % (name, getattr(self, name)) + _UNITS[name] for name in shown)
