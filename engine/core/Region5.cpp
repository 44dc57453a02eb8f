#include "engine/core/Region5.h"

#include "engine/core/Gibbs.h"
#include "engine/core/tables/Region5Table.h"

namespace aquaprop::region5 {

namespace {

using namespace gibbs;

// Residual part: sum n pi^I (tau - shift)^J; p* = 1 MPa.
constexpr double kTauShift = 0.0;
constexpr double kRefMPa = 1.0;

struct Model {
    static Point Reduce(double p, double T) { return {T, p / kRefMPa, kRegion5RefK / T, kRefMPa}; }

    template <unsigned kParts>
    static Derivatives Evaluate(const Point& x) {
        return IdealPlusResidual<tables::kRegion5Ideal, tables::kRegion5Residual, kTauShift, kParts>(x.pi, x.tau);
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

}  // namespace aquaprop::region5
