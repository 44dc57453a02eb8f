// SPDX-License-Identifier: MIT
// Backward equations v(p, T) for region 3: 26 subregions and the boundary lines between them.
// They give a specific volume without iteration; the engine uses them as starting values.
#pragma once

namespace aquaprop::region3 {

enum class Subregion {
    k3a, k3b, k3c, k3d, k3e, k3f, k3g, k3h, k3i, k3j, k3k, k3l, k3m,
    k3n, k3o, k3p, k3q, k3r, k3s, k3t, k3u, k3v, k3w, k3x, k3y, k3z,
};

enum class SubregionBoundary { kAb, kCd, kEf, kGh, kIj, kJk, kMn, kOp, kQu, kRx, kUv, kWx };

// Boundary temperature T_3xy(p) in K, p in MPa.
double BoundaryTemperature(SubregionBoundary boundary, double p);

// The subregion of (p, T); a temperature equal to a boundary belongs to the colder side.
Subregion SelectSubregion(double p, double T);

// Below the critical pressure the subregions lie on one side of the saturation line.
bool IsLiquidSide(Subregion subregion);

// The subregions whose equations cover the saturated liquid and the saturated vapour at p,
// for psat(623.15 K) <= p <= pc.
Subregion SaturatedLiquidSubregion(double p);
Subregion SaturatedVapourSubregion(double p);

// v in m3/kg from the equation of the given subregion.
double SubregionVolume(Subregion subregion, double p, double T);

// v in m3/kg of the subregion that (p, T) lies in.
double VolumePT(double p, double T);

}  // namespace aquaprop::region3
