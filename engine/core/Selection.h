// Where a state lies, decided first, then evaluated there. Every function checks the range of
// validity of IF97 and answers NaN outside it (and for NaN or infinite arguments).
// SI core units: T in K, p in MPa, h in kJ/kg, s in kJ/(kg K), v in m3/kg.
#pragma once

#include "engine/core/Props.h"

namespace aquaprop {

enum class Region { kNone, k1, k2, k3, k5 };

// The region of (T, p). At T = Tsat(p) (within kSatRelTolerance) the liquid side; on the B23 line region 2;
// at 623.15 K region 1 or 2; at 1073.15 K region 2.
Region RegionTP(double T, double p);

// A single-phase property of (T, p); at T = Tsat(p) the saturated liquid's.
template <Quantity q>
double PropertyTP(double T, double p);

// Every property of (T, p) from one evaluation; at T = Tsat(p) the saturated liquid's, as in PropertyTP.
// cp, cv and w are positive where given (cp NaN where region 3's equation gives no positive finite value);
// every field NaN outside the range.
Props StateTP(double T, double p);

// The temperature of (p, h) or of (p, s); Tsat(p) inside the two-phase region. Refined to the forward
// equations, so that h (or s) at the result reproduces the argument to round-off.
double TemperaturePH(double p, double h);
double TemperaturePS(double p, double s);

// w * (liquid value) + (1 - w) * (vapour value) at the saturation temperature T, 0 <= w <= 1.
template <Quantity q>
double SaturatedMixture(double T, double w);

// The liquid mass fraction (h'' - h) / (h'' - h') at Tsat(p), for h' <= h <= h'' (each end within
// kSatRelTolerance, the result kept within 0..1). NaN at the critical pressure, where h' = h''.
double WetnessPH(double p, double h);
// The same from the entropy: (s'' - s) / (s'' - s').
double WetnessPS(double p, double s);

// The latent heat h'' - h' at the saturation temperature T (0 at the critical point).
double LatentHeat(double T);

}  // namespace aquaprop
