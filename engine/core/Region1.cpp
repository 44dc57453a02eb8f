#include "engine/core/Region1.h"

#include "engine/core/Gibbs.h"
#include "engine/core/tables/Region1Table.h"

namespace aquaprop::region1 {

namespace {

using namespace gibbs;

// gamma = sum n (a - pi)^I (tau - b)^J.
constexpr double kPiShift = 7.1;
constexpr double kTauShift = 1.222;

struct Model {
    static Point Reduce(double p, double T) { return {T, p / kRegion1RefMPa, kRegion1RefK / T, kRegion1RefMPa}; }

    template <unsigned kParts>
    static Derivatives Evaluate(const Point& x) {
        const PowerSums s = SumPowers<tables::kRegion1, kParts>(kPiShift - x.pi, x.tau - kTauShift);
        // d/dpi of (a - pi) is -1.
        return {s.f, -s.fx, s.fy, s.fyy, -x.pi * s.fx, x.pi * x.pi * s.fxx, -x.pi * s.fxy};
    }
};
using Functions = RegionFunctions<Model>;

}  // namespace

double Volume(double p, double T) { return Functions::VolumeAt(p, T); }
double Enthalpy(double p, double T) { return Functions::EnthalpyAt(p, T); }
double Entropy(double p, double T) { return Functions::EntropyAt(p, T); }
ValueAndSlope EnthalpyAndCp(double p, double T) { return Functions::EnthalpyAndCpAt(p, T); }
ValueAndSlope EntropyAndSlope(double p, double T) { return Functions::EntropyAndSlopeAt(p, T); }
EnthalpyEntropySlopes EnthalpyEntropyAndSlopes(double p, double T) { return Functions::SlopesAt(p, T); }
Props State(double p, double T) { return Functions::StateAt(p, T); }

}  // namespace aquaprop::region1
