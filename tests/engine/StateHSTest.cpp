// The state from (h, s): every check value of the (h, s) equations.
#include <gtest/gtest.h>

#include "Published.h"
#include "engine/core/BackwardHS.h"

namespace aquaprop {
namespace {

using testing::MatchesPublished;

double P1(double h, double s) { return region1::BackwardPressureHS(h, s); }
double P2(double h, double s) { return region2::BackwardPressureHS(h, s); }
double P3(double h, double s) { return region3::BackwardPressureHS(h, s); }
double T4(double h, double s) { return region4::SaturationTemperatureHS(h, s); }
double HLiquid(double, double s) { return boundary::SaturatedLiquidEnthalpy(s); }
double HVapour(double, double s) { return boundary::SaturatedVapourEnthalpy(s); }
double HB13(double, double s) { return boundary::B13Enthalpy(s); }
double TB23(double h, double s) { return boundary::B23TemperatureHS(h, s); }
double H2ab(double, double s) { return region2::B2abEnthalpy(s); }

// Every row of the releases' check tables (h in kJ/kg, s in kJ/(kg K)), through the subregion each equation
// is chosen for: p2a/p2b/p2c by h_2ab(s) and 5.85 kJ/(kg K), p3a/p3b by the critical entropy, h' and h'' by s.
TEST(VerificationHS, EveryPublishedCheckValue) {
    const struct {
        const char* name;
        double (*equation)(double h, double s);
        double h, s;
        const char* expected;
    } cases[] = {
        {"p1", P1, 0.001, 0, "0.0009800980612"}, {"p1", P1, 90, 0, "91.92954727"}, {"p1", P1, 1500, 3.4, "58.68294423"},
        {"p2a", P2, 2800, 6.5, "1.371012767"}, {"p2a", P2, 2800, 9.5, "0.001879743844"},
        {"p2a", P2, 4100, 9.5, "0.1024788997"}, {"p2b", P2, 2800, 6, "4.793911442"},
        {"p2b", P2, 3600, 6, "83.95519209"}, {"p2b", P2, 3600, 7, "7.527161441"}, {"p2c", P2, 2800, 5.1, "94.39202060"},
        {"p2c", P2, 2800, 5.8, "8.414574124"}, {"p2c", P2, 3400, 5.8, "83.76903879"},
        {"p3a", P3, 1700, 3.8, "25.55703246"}, {"p3a", P3, 2000, 4.2, "45.40873468"},
        {"p3a", P3, 2100, 4.3, "60.78123340"}, {"p3b", P3, 2400, 4.7, "63.63924887"},
        {"p3b", P3, 2600, 5.1, "34.34999263"}, {"p3b", P3, 2700, 5.0, "88.39043281"},
        {"T4", T4, 1800, 5.3, "346.8475498"}, {"T4", T4, 2400, 6.0, "425.1373305"}, {"T4", T4, 2500, 5.5, "522.5579013"},
        {"h'1", HLiquid, 0, 1, "308.5509647"}, {"h'1", HLiquid, 0, 3, "1198.359754"},
        {"h'3a", HLiquid, 0, 3.8, "1685.025565"}, {"h'3a", HLiquid, 0, 4.2, "1949.352563"},
        {"h''2ab", HVapour, 0, 7, "2723.729985"}, {"h''2ab", HVapour, 0, 9, "2511.861477"},
        {"h''2c3b", HVapour, 0, 5.5, "2687.693850"}, {"h''2c3b", HVapour, 0, 4.5, "2144.360448"},
        {"hB13", HB13, 0, 3.7, "1632.525047"}, {"hB13", HB13, 0, 3.5, "1566.104611"},
        {"TB23", TB23, 2600, 5.1, "713.5259364"}, {"TB23", TB23, 2800, 5.2, "817.6202120"},
        {"h2ab", H2ab, 0, 7, "3376.437884"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(MatchesPublished(c.equation(c.h, c.s), c.expected)) << c.name << " at " << c.h << ", " << c.s;
    }
}

}  // namespace
}  // namespace aquaprop
