# SPDX-License-Identifier: MIT
"""Properties of water and steam by the IAPWS Industrial Formulation 1997 (IF97), in SI base units.

A thin layer over libaquaprop, Vaporlane's engine: one function per quantity and inputs (``h_pT(p, T)``,
``T_ph(p, h)``, ``Tsat_p(p)``, ``x_ph(p, h)``, ...), each taking scalars or arrays with numpy's broadcasting and
giving a float for scalars, an ndarray for arrays, NaN where a state is invalid; and ``State`` for one state with
every property. Units: K, Pa, J/kg, J/(kg K), m3/kg, kg/m3, m/s, Pa s, W/(m K), m2/s, N/m; the dryness x is the
vapour mass fraction.

The engine library is the file named by the environment variable AQUAPROP_LIBRARY if set, else
libaquaprop.so.1 beside this package, else the installed libaquaprop.so.1.
"""
from aquaprop.functions import (Pr_pT, Tsat_p, T_hs, T_ph, T_ps, cp_pT, cv_pT, h_ps, h_pT, h_Tx, hfg_T, kappa_pT,
                                lam_pT, lam_Tx, mu_pT, mu_Tx, nu_pT, p_hs, psat_T, rho_pT, rho_Tx, s_pT, s_Tx,
                                sigma_T, u_pT, u_Tx, v_pT, v_Tx, w_pT, x_hs, x_ph, x_ps)
from aquaprop.state import State

__version__ = "1.40.0"

__all__ = ["State", "Pr_pT", "Tsat_p", "T_hs", "T_ph", "T_ps", "cp_pT", "cv_pT", "h_ps", "h_pT", "h_Tx", "hfg_T",
           "kappa_pT", "lam_pT", "lam_Tx", "mu_pT", "mu_Tx", "nu_pT", "p_hs", "psat_T", "rho_pT", "rho_Tx", "s_pT",
           "s_Tx", "sigma_T", "u_pT", "u_Tx", "v_pT", "v_Tx", "w_pT", "x_hs", "x_ph", "x_ps"]
