// SPDX-License-Identifier: MIT
#include "engine/core/transport/Viscosity.h"

#include "engine/core/transport/Correlation.h"
#include "engine/core/transport/ViscosityTable.h"

namespace aquaprop::transport {

namespace {

// mu0 = 100 sqrt(Tr) / sum H_i Tr^-i in uPa s.
constexpr double kDiluteScalePaS = 100e-6;

}  // namespace

double Viscosity(double rho, double T) {
    return kDiluteScalePaS * DiluteGasPart<tables::kViscosityDilute>(T) *
           ResidualFactor<tables::kViscosityResidual>(rho, T);
}

}  // namespace aquaprop::transport
