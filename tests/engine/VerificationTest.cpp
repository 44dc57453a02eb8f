// Every published check value of the equations the engine uses, to the published digits.
#include <gtest/gtest.h>

#include <string>

#include "Published.h"
#include "engine/core/Backward1.h"
#include "engine/core/Backward2.h"
#include "engine/core/Boundaries.h"
#include "engine/core/Region1.h"
#include "engine/core/Region2.h"
#include "engine/core/Region4.h"
#include "engine/core/Region5.h"

namespace aquaprop {
namespace {

using testing::MatchesPublished;

// Forward Gibbs equations: T, p -> v, h, u, s, cp, w (IF97 Tables 5, 15, 42).
struct GibbsCase {
    const char* name;
    Props (*state)(double p, double T);
    double T;
    double p;
    const char* v;
    const char* h;
    const char* u;
    const char* s;
    const char* cp;
    const char* w;
};

class GibbsVerification : public ::testing::TestWithParam<GibbsCase> {};

TEST_P(GibbsVerification, ReproducesPublishedValues) {
    const GibbsCase& c = GetParam();
    const Props x = c.state(c.p, c.T);
    EXPECT_TRUE(MatchesPublished(x.v, c.v));
    EXPECT_TRUE(MatchesPublished(x.h, c.h));
    EXPECT_TRUE(MatchesPublished(x.u, c.u));
    EXPECT_TRUE(MatchesPublished(x.s, c.s));
    EXPECT_TRUE(MatchesPublished(x.cp, c.cp));
    EXPECT_TRUE(MatchesPublished(x.w, c.w));
}

INSTANTIATE_TEST_SUITE_P(
    Regions, GibbsVerification,
    ::testing::Values(
        GibbsCase{"Region1_300K_3MPa", region1::State, 300, 3, "0.100215168e-2", "0.115331273e3", "0.112324818e3",
                  "0.392294792", "0.417301218e1", "0.150773921e4"},
        GibbsCase{"Region1_300K_80MPa", region1::State, 300, 80, "0.971180894e-3", "0.184142828e3",
                  "0.106448356e3", "0.368563852", "0.401008987e1", "0.163469054e4"},
        GibbsCase{"Region1_500K_3MPa", region1::State, 500, 3, "0.120241800e-2", "0.975542239e3", "0.971934985e3",
                  "0.258041912e1", "0.465580682e1", "0.124071337e4"},
        GibbsCase{"Region2_300K_3500Pa", region2::State, 300, 0.0035, "0.394913866e2", "0.254991145e4",
                  "0.241169160e4", "0.852238967e1", "0.191300162e1", "0.427920172e3"},
        GibbsCase{"Region2_700K_3500Pa", region2::State, 700, 0.0035, "0.923015898e2", "0.333568375e4",
                  "0.301262819e4", "0.101749996e2", "0.208141274e1", "0.644289068e3"},
        GibbsCase{"Region2_700K_30MPa", region2::State, 700, 30, "0.542946619e-2", "0.263149474e4",
                  "0.246861076e4", "0.517540298e1", "0.103505092e2", "0.480386523e3"},
        GibbsCase{"Region5_1500K_0p5MPa", region5::State, 1500, 0.5, "0.138455090e1", "0.521976855e4",
                  "0.452749310e4", "0.965408875e1", "0.261609445e1", "0.917068690e3"},
        GibbsCase{"Region5_1500K_30MPa", region5::State, 1500, 30, "0.230761299e-1", "0.516723514e4",
                  "0.447495124e4", "0.772970133e1", "0.272724317e1", "0.928548002e3"},
        GibbsCase{"Region5_2000K_30MPa", region5::State, 2000, 30, "0.311385219e-1", "0.657122604e4",
                  "0.563707038e4", "0.853640523e1", "0.288569882e1", "0.106736948e4"}),
    [](const ::testing::TestParamInfo<GibbsCase>& row) { return std::string(row.param.name); });

// The single-property entry points agree with the full state (they share the formulas but not the sums).
TEST_P(GibbsVerification, SinglePropertiesMatchFullState) {
    const GibbsCase& c = GetParam();
    const Props x = c.state(c.p, c.T);
    auto check = [&](double (*volume)(double, double), double (*enthalpy)(double, double),
                     double (*entropy)(double, double), ValueAndSlope (*hcp)(double, double)) {
        EXPECT_DOUBLE_EQ(volume(c.p, c.T), x.v);
        EXPECT_DOUBLE_EQ(enthalpy(c.p, c.T), x.h);
        EXPECT_DOUBLE_EQ(entropy(c.p, c.T), x.s);
        EXPECT_DOUBLE_EQ(hcp(c.p, c.T).slope, x.cp);
    };
    if (c.state == region1::State) check(region1::Volume, region1::Enthalpy, region1::Entropy, region1::EnthalpyAndCp);
    if (c.state == region2::State) check(region2::Volume, region2::Enthalpy, region2::Entropy, region2::EnthalpyAndCp);
    if (c.state == region5::State) check(region5::Volume, region5::Enthalpy, region5::Entropy, region5::EnthalpyAndCp);
}

// One-argument and two-argument equations with one published result each.
struct EquationCase {
    const char* name;
    double (*equation)(double x, double y);
    double x;
    double y;
    const char* expected;
};

class EquationVerification : public ::testing::TestWithParam<EquationCase> {};

TEST_P(EquationVerification, ReproducesPublishedValue) {
    const EquationCase& c = GetParam();
    EXPECT_TRUE(MatchesPublished(c.equation(c.x, c.y), c.expected));
}

double Psat(double T, double) { return region4::SaturationPressure(T); }
double Tsat(double p, double) { return region4::SaturationTemperature(p); }
double B23P(double T, double) { return boundary::B23Pressure(T); }
double B23T(double p, double) { return boundary::B23Temperature(p); }
double B2bcP(double h, double) { return boundary::B2bcPressure(h); }
double B2bcH(double p, double) { return boundary::B2bcEnthalpy(p); }

INSTANTIATE_TEST_SUITE_P(
    Saturation, EquationVerification,
    ::testing::Values(EquationCase{"Psat_300K", Psat, 300, 0, "0.353658941e-2"},
                      EquationCase{"Psat_500K", Psat, 500, 0, "0.263889776e1"},
                      EquationCase{"Psat_600K", Psat, 600, 0, "0.123443146e2"},
                      EquationCase{"Tsat_0p1MPa", Tsat, 0.1, 0, "0.372755919e3"},
                      EquationCase{"Tsat_1MPa", Tsat, 1, 0, "0.453035632e3"},
                      EquationCase{"Tsat_10MPa", Tsat, 10, 0, "0.584149488e3"}),
    [](const ::testing::TestParamInfo<EquationCase>& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Boundaries, EquationVerification,
    ::testing::Values(EquationCase{"B23_PressureAt623K", B23P, 623.15, 0, "0.165291643e2"},
                      EquationCase{"B23_TemperatureAt16p529MPa", B23T, 0.165291643e2, 0, "0.623150000e3"},
                      EquationCase{"B2bc_PressureAt3516kJ", B2bcP, 0.3516004323e4, 0, "0.100000000e3"},
                      EquationCase{"B2bc_EnthalpyAt100MPa", B2bcH, 100, 0, "0.3516004323e4"}),
    [](const ::testing::TestParamInfo<EquationCase>& row) { return std::string(row.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Backward, EquationVerification,
    ::testing::Values(
        EquationCase{"R1_Tph_3MPa_500", region1::BackwardTemperaturePH, 3, 500, "0.391798509e3"},
        EquationCase{"R1_Tph_80MPa_500", region1::BackwardTemperaturePH, 80, 500, "0.378108626e3"},
        EquationCase{"R1_Tph_80MPa_1500", region1::BackwardTemperaturePH, 80, 1500, "0.611041229e3"},
        EquationCase{"R1_Tps_3MPa_0p5", region1::BackwardTemperaturePS, 3, 0.5, "0.307842258e3"},
        EquationCase{"R1_Tps_80MPa_0p5", region1::BackwardTemperaturePS, 80, 0.5, "0.309979785e3"},
        EquationCase{"R1_Tps_80MPa_3", region1::BackwardTemperaturePS, 80, 3, "0.565899909e3"},
        EquationCase{"R2a_Tph_1kPa_3000", region2::BackwardTemperaturePH, 0.001, 3000, "0.534433241e3"},
        EquationCase{"R2a_Tph_3MPa_3000", region2::BackwardTemperaturePH, 3, 3000, "0.575373370e3"},
        EquationCase{"R2a_Tph_3MPa_4000", region2::BackwardTemperaturePH, 3, 4000, "0.101077577e4"},
        EquationCase{"R2b_Tph_5MPa_3500", region2::BackwardTemperaturePH, 5, 3500, "0.801299102e3"},
        EquationCase{"R2b_Tph_5MPa_4000", region2::BackwardTemperaturePH, 5, 4000, "0.101531583e4"},
        EquationCase{"R2b_Tph_25MPa_3500", region2::BackwardTemperaturePH, 25, 3500, "0.875279054e3"},
        EquationCase{"R2c_Tph_40MPa_2700", region2::BackwardTemperaturePH, 40, 2700, "0.743056411e3"},
        EquationCase{"R2c_Tph_60MPa_2700", region2::BackwardTemperaturePH, 60, 2700, "0.791137067e3"},
        EquationCase{"R2c_Tph_60MPa_3200", region2::BackwardTemperaturePH, 60, 3200, "0.882756860e3"},
        EquationCase{"R2a_Tps_0p1MPa_7p5", region2::BackwardTemperaturePS, 0.1, 7.5, "0.399517097e3"},
        EquationCase{"R2a_Tps_0p1MPa_8", region2::BackwardTemperaturePS, 0.1, 8, "0.514127081e3"},
        EquationCase{"R2a_Tps_2p5MPa_8", region2::BackwardTemperaturePS, 2.5, 8, "0.103984917e4"},
        EquationCase{"R2b_Tps_8MPa_6", region2::BackwardTemperaturePS, 8, 6, "0.600484040e3"},
        EquationCase{"R2b_Tps_8MPa_7p5", region2::BackwardTemperaturePS, 8, 7.5, "0.106495556e4"},
        EquationCase{"R2b_Tps_90MPa_6", region2::BackwardTemperaturePS, 90, 6, "0.103801126e4"},
        EquationCase{"R2c_Tps_20MPa_5p75", region2::BackwardTemperaturePS, 20, 5.75, "0.697992849e3"},
        EquationCase{"R2c_Tps_80MPa_5p25", region2::BackwardTemperaturePS, 80, 5.25, "0.854011484e3"},
        EquationCase{"R2c_Tps_80MPa_5p75", region2::BackwardTemperaturePS, 80, 5.75, "0.949017998e3"}),
    [](const ::testing::TestParamInfo<EquationCase>& row) { return std::string(row.param.name); });

// The published points name their subregion; the selection must agree.
struct SubregionCase {
    const char* name;
    bool byEnthalpy;
    double p;
    double x;
    region2::Subregion expected;
};

class Region2Subregions : public ::testing::TestWithParam<SubregionCase> {};

TEST_P(Region2Subregions, PicksThePublishedSubregion) {
    const SubregionCase& c = GetParam();
    EXPECT_EQ(c.byEnthalpy ? region2::SubregionPH(c.p, c.x) : region2::SubregionPS(c.p, c.x), c.expected);
}

using region2::Subregion;
INSTANTIATE_TEST_SUITE_P(
    Backward, Region2Subregions,
    ::testing::Values(SubregionCase{"Ph_3MPa_4000_is2a", true, 3, 4000, Subregion::k2a},
                      SubregionCase{"Ph_4MPa_exactly_is2a", true, 4, 3000, Subregion::k2a},
                      SubregionCase{"Ph_5MPa_3500_is2b", true, 5, 3500, Subregion::k2b},
                      // Between 4 and 4.5257 MPa the B2bc root is imaginary; between 4 and 6.5467 all is 2b.
                      SubregionCase{"Ph_4p2MPa_2800_is2b_NoB2bcRoot", true, 4.2, 2800, Subregion::k2b},
                      SubregionCase{"Ph_6MPa_2800_is2b_BelowB2bcStart", true, 6.0, 2800, Subregion::k2b},
                      SubregionCase{"Ph_25MPa_3500_is2b", true, 25, 3500, Subregion::k2b},
                      SubregionCase{"Ph_40MPa_2700_is2c", true, 40, 2700, Subregion::k2c},
                      SubregionCase{"Ph_100MPa_OnB2bc_is2b", true, 100, 3516.004323, Subregion::k2b},
                      SubregionCase{"Ps_8MPa_6_is2b", false, 8, 6, Subregion::k2b},
                      SubregionCase{"Ps_20MPa_5p75_is2c", false, 20, 5.75, Subregion::k2c},
                      SubregionCase{"Ps_20MPa_5p85_is2b", false, 20, 5.85, Subregion::k2b}),
    [](const ::testing::TestParamInfo<SubregionCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace aquaprop
