// SPDX-License-Identifier: MIT
// The state of a given (h, s). Where it lies is guessed from the IAPWS (h, s) boundary equations and then
// confirmed on the forward equations: the answer is the solve, in that region or a neighbour, whose (p, T)
// lies in the region whose equations gave it (as RegionPT decides), so that h and s at the answer reproduce
// the given ones to round-off. Region 5 is solved by iteration on its Gibbs equation. States outside the range
// of IF97 are refused (NaN).
// SI core units: h in kJ/kg, s in kJ/(kg K), p in MPa, T in K.
#pragma once

#include "engine/core/Selection.h"

namespace aquaprop {

// Regions 1, 3 and 2 meet regions 3, 2 and 5 only within the formulation's consistency: an (h, s) between the two
// equations' values on such a line has no answer on either side. Up to this far beyond the line (by the
// temperature of the nearer equation's answer) it is answered on the line itself, as TemperaturePH does.
inline constexpr double kSeamHSK = 0.1;

struct HsState {
    // The region whose forward equations give h and s at (T, p), as RegionPT(p, T) decides; kNone for a wet
    // state and for a refusal.
    Region region;
    // In the two-phase region, its saturation lines included (a single phase within kSatRelTolerance of Tsat(p)
    // is the saturated liquid or vapour): p = psat(T), h = w h' + (1 - w) h'' and s = w s' + (1 - w) s'' at T.
    bool wet;
    double p;  // MPa
    double T;  // K
    double w;  // liquid mass fraction of a wet state, 1 = saturated liquid; NaN for a single phase
};

// Every field NaN (region kNone, not wet) outside the range and for NaN or infinite arguments.
HsState StateHS(double h, double s);

double PressureHS(double h, double s);
double TemperatureHS(double h, double s);
// The liquid mass fraction of a wet state; NaN for a single phase.
double WetnessHS(double h, double s);

}  // namespace aquaprop
