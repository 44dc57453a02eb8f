// SPDX-License-Identifier: MIT
// Density roots of the region 3 equation along one isotherm.
#pragma once

#include "engine/core/region3/Helmholtz.h"

namespace aquaprop::region3 {

// Which root of p(rho) = p is wanted. Below Tc the isotherm rises on the vapour branch, falls
// between the two spinodals, which lie on either side of the critical density, and rises again
// on the liquid branch; kAny is for isotherms and pressures with a single root.
enum class Branch { kAny, kLiquid, kVapour };

// Densities searched, kg/m3: below Tc the branches meet the critical density, and up to 100 MPa
// every root lies below kMaxDensity, where p(rho) still rises on every region 3 isotherm.
inline constexpr double kMaxDensity = 800.0;

// The iteration of SolveDensity one step at a time, for solving several roots side by side: X() is the
// density to evaluate next, Take() the excess and slope there (Isotherm::ExcessAndSlope); once Done(), X() is
// the root, or NaN.
class DensityIteration {
public:
    // A close start (within 1e-11, relative) is done after one Newton step that small.
    DensityIteration(Isotherm::Wide p, Branch branch, double start, bool closeStart = false);

    bool Done() const { return done_; }
    double X() const { return x_; }
    void Take(const Isotherm& isotherm, ValueAndSlope ps);

private:
    void Finish(double root) {
        x_ = root;
        done_ = true;
    }

    Isotherm::Wide p_;
    Branch branch_;
    double lo_;
    double hi_;
    double x_;
    double previousStep_;
    double previousNewton_ = 0.0;  // the last Newton step, if the last step was one
    int iterations_ = 0;
    bool closeStart_;
    bool done_ = false;
};

// The root of Pressure(rho) = p on the given branch, started at `start` (any value; a good one
// saves iterations), so that the pressure matches within round-off; p may be given in extended precision. NaN when the branch has no
// root at p. Bounded: Newton steps inside a shrinking bracket, bisection where Newton strays.
double SolveDensity(const Isotherm& isotherm, Isotherm::Wide p, Branch branch, double start);

// Region 3 density at (p, T) on the given branch, started from the v(p, T) equations; falls back
// to the single remaining root when the branch has none. NaN outside 623.15..863.15 K and 0..100 MPa.
double DensityOnBranch(double p, double T, Branch branch);

}  // namespace aquaprop::region3
