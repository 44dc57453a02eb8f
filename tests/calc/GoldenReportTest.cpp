// The report's exact lines with the real engine, in the default units and in a second unit set with
// feet and pounds. The expected numbers come from an independent evaluation of the IF97 equations in
// 50-digit arithmetic, rounded to eight decimals.
#include "forms/main/PropertyCalculation.h"
#include "forms/main/ResultReport.h"
#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"
#include "tests/calc/RecordingFields.h"

#include "tests/calc/TableRows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct UnitSet {
    int16_t temp, press, enthal, entro, density;
};

constexpr UnitSet kDefaultUnits{2, 12, 32, 52, 71};
constexpr UnitSet kSecondUnits{1, 11, 31, 51, 73};  // K, Pa, J/Kg, J/KgK, ft3/lb

void UseUnits(const UnitSet& units)
{
    Module1::TempUnit = units.temp;
    Module1::PressUnit = units.press;
    Module1::EnthalUnit = units.enthal;
    Module1::EntroUnit = units.entro;
    Module1::DensityUnit = units.density;
    FillUnitLabels();
    HandUnitsToEngine();
}

struct GoldenCase {
    const char* name;
    UnitSet units;
    const char* P;
    const char* T;
    const char* h;
    const char* x;
    int16_t drynessBasis;
    std::vector<const char16_t*> lines;
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

const GoldenCase kGolden[] = {
    {"DefaultSaturationByPressure", kDefaultUnits, "1", "", "", "", 0,
     {u" 圧力          P   =        1.00000000 [MPa]",
      u" 飽和温度      Ts  =      179.88563239 [℃]",
      u" エンタルピ    h'  =      762.68284434 [KJ/Kg]",
      u"               h'' =     2777.11953768 [KJ/Kg]",
      u" エントロピ    s'  =        2.13843135 [KJ/KgK]",
      u"               s'' =        6.58497900 [KJ/KgK]",
      u" 比容積        v'  =        0.00112723 [m3/Kg]",
      u"               v'' =        0.19434888 [m3/Kg]"}},
    {"DefaultSaturationByTemperature", kDefaultUnits, "", "100", "", "", 0,
     {u" 圧力          P   =        0.10141798 [MPa]",
      u" 飽和温度      Ts  =      100.00000000 [℃]",
      u" エンタルピ    h'  =      419.09915500 [KJ/Kg]",
      u"               h'' =     2675.57202922 [KJ/Kg]",
      u" エントロピ    s'  =        1.30701433 [KJ/KgK]",
      u"               s'' =        7.35407705 [KJ/KgK]",
      u" 比容積        v'  =        0.00104346 [m3/Kg]",
      u"               v'' =        1.67186060 [m3/Kg]"}},
    {"DefaultCompressedWaterByTemperature", kDefaultUnits, "3", "100", "", "", 0,
     {u" 圧力          P   =        3.00000000 [MPa]",
      u" 圧縮水温度    T   =      100.00000000 [℃]",
      u" エンタルピ    h   =      421.27741120 [KJ/Kg]",
      u" エントロピ    s   =        1.30475210 [KJ/KgK]",
      u" 比容積        v   =        0.00104198 [m3/Kg]"}},
    {"DefaultSuperheatedSteamByTemperature", kDefaultUnits, "1", "300", "", "", 0,
     {u" 圧力          P   =        1.00000000 [MPa]",
      u" 過熱蒸気温度  T   =      300.00000000 [℃]",
      u" エンタルピ    h   =     3051.70318558 [KJ/Kg]",
      u" エントロピ    s   =        7.12471248 [KJ/KgK]",
      u" 比容積        v   =        0.25797919 [m3/Kg]"}},
    {"DefaultCompressedWaterByEnthalpy", kDefaultUnits, "3", "", "500", "", 0,
     {u" 圧力          P   =        3.00000000 [MPa]",
      u" 圧縮水温度    T   =      118.64199138 [℃]",
      u" エンタルピ    h   =      500.00000000 [KJ/Kg]",
      u" エントロピ    s   =        1.51061383 [KJ/KgK]",
      u" 比容積        v   =        0.00105754 [m3/Kg]"}},
    {"DefaultWetSteamByEnthalpy", kDefaultUnits, "1", "", "2000", "", 0,
     {u" 圧力          P   =        1.00000000 [MPa]",
      u" 飽和温度      Ts  =      179.88563239 [℃]",
      u" エンタルピ    h   =     2000.00000000 [KJ/Kg]",
      u" エントロピ    s   =        4.86961159 [KJ/KgK]",
      u" 比容積        v   =        0.11980878 [m3/Kg]"}},
    {"DefaultSuperheatedSteamByEnthalpy", kDefaultUnits, "1", "", "3000", "", 0,
     {u" 圧力          P   =        1.00000000 [MPa]",
      u" 過熱蒸気温度  T   =      275.97174552 [℃]",
      u" エンタルピ    h   =     3000.00000000 [KJ/Kg]",
      u" エントロピ    s   =        7.03255448 [KJ/KgK]",
      u" 比容積        v   =        0.24597127 [m3/Kg]"}},
    {"DefaultDrynessMassBasis", kDefaultUnits, "1", "", "", "0.3", 0,
     {u" 圧力          P   =        1.00000000 [MPa]",
      u" 飽和温度      Ts  =      179.88563239 [℃]",
      u" エンタルピ    h   =     1367.01385234 [KJ/Kg]",
      u" エントロピ    s   =        3.47239564 [KJ/KgK]",
      u" 比容積        v   =        0.05909373 [m3/Kg]"}},
    {"DefaultDrynessVolumeBasis", kDefaultUnits, "1", "", "", "0.3", 1,
     {u" 圧力          P   =        1.00000000 [MPa]",
      u" 飽和温度      Ts  =      179.88563239 [℃]",
      u" エンタルピ    h   =     1367.01385234 [KJ/Kg]",
      u" エントロピ    s   =        3.47239564 [KJ/KgK]",
      u" 比容積        v   =        0.19176884 [m3/Kg]"}},
    {"SecondSaturationByPressure", kSecondUnits, "1000000", "", "", "", 0,
     {u" 圧力          P   =  1000000.00000000 [Pa]",
      u" 飽和温度      Ts  =      453.03563239 [Ｋ]",
      u" エンタルピ    h'  =   762682.84433541 [J/Kg]",
      u"               h'' =  2777119.53768466 [J/Kg]",
      u" エントロピ    s'  =     2138.43135090 [J/KgK]",
      u"               s'' =     6584.97899635 [J/KgK]",
      u" 比容積        v'  =        0.01805659 [ft3/lb]",
      u"               v'' =        3.11317712 [ft3/lb]"}},
    {"SecondSaturationByTemperature", kSecondUnits, "", "373.15", "", "", 0,
     {u" 圧力          P   =   101417.97792131 [Pa]",
      u" 飽和温度      Ts  =      373.15000000 [Ｋ]",
      u" エンタルピ    h'  =   419099.15499770 [J/Kg]",
      u"               h'' =  2675572.02922083 [J/Kg]",
      u" エントロピ    s'  =     1307.01432784 [J/KgK]",
      u"               s'' =     7354.07705096 [J/KgK]",
      u" 比容積        v'  =        0.01671459 [ft3/lb]",
      u"               v'' =       26.78069489 [ft3/lb]"}},
    {"SecondCompressedWaterByTemperature", kSecondUnits, "3000000", "373.15", "", "", 0,
     {u" 圧力          P   =  3000000.00000000 [Pa]",
      u" 圧縮水温度    T   =      373.15000000 [Ｋ]",
      u" エンタルピ    h   =   421277.41120420 [J/Kg]",
      u" エントロピ    s   =     1304.75210461 [J/KgK]",
      u" 比容積        v   =        0.01669102 [ft3/lb]"}},
    {"SecondSuperheatedSteamByTemperature", kSecondUnits, "1000000", "573.15", "", "", 0,
     {u" 圧力          P   =  1000000.00000000 [Pa]",
      u" 過熱蒸気温度  T   =      573.15000000 [Ｋ]",
      u" エンタルピ    h   =  3051703.18558402 [J/Kg]",
      u" エントロピ    s   =     7124.71247942 [J/KgK]",
      u" 比容積        v   =        4.13243902 [ft3/lb]"}},
    {"SecondCompressedWaterByEnthalpy", kSecondUnits, "3000000", "", "500000", "", 0,
     {u" 圧力          P   =  3000000.00000000 [Pa]",
      u" 圧縮水温度    T   =      391.79199138 [Ｋ]",
      u" エンタルピ    h   =   500000.00000000 [J/Kg]",
      u" エントロピ    s   =     1510.61382664 [J/KgK]",
      u" 比容積        v   =        0.01694023 [ft3/lb]"}},
    {"SecondWetSteamByEnthalpy", kSecondUnits, "1000000", "", "2000000", "", 0,
     {u" 圧力          P   =  1000000.00000000 [Pa]",
      u" 飽和温度      Ts  =      453.03563239 [Ｋ]",
      u" エンタルピ    h   =  2000000.00000000 [J/Kg]",
      u" エントロピ    s   =     4869.61158772 [J/KgK]",
      u" 比容積        v   =        1.91915666 [ft3/lb]"}},
    {"SecondSuperheatedSteamByEnthalpy", kSecondUnits, "1000000", "", "3000000", "", 0,
     {u" 圧力          P   =  1000000.00000000 [Pa]",
      u" 過熱蒸気温度  T   =      549.12174552 [Ｋ]",
      u" エンタルピ    h   =  3000000.00000000 [J/Kg]",
      u" エントロピ    s   =     7032.55448158 [J/KgK]",
      u" 比容積        v   =        3.94009015 [ft3/lb]"}},
    {"SecondDrynessMassBasis", kSecondUnits, "1000000", "", "", "0.3", 0,
     {u" 圧力          P   =  1000000.00000000 [Pa]",
      u" 飽和温度      Ts  =      453.03563239 [Ｋ]",
      u" エンタルピ    h   =  1367013.85234019 [J/Kg]",
      u" エントロピ    s   =     3472.39564454 [J/KgK]",
      u" 比容積        v   =        0.94659275 [ft3/lb]"}},
    {"SecondDrynessVolumeBasis", kSecondUnits, "1000000", "", "", "0.3", 1,
     {u" 圧力          P   =  1000000.00000000 [Pa]",
      u" 飽和温度      Ts  =      453.03563239 [Ｋ]",
      u" エンタルピ    h   =  1367013.85234019 [J/Kg]",
      u" エントロピ    s   =     3472.39564454 [J/KgK]",
      u" 比容積        v   =        3.07184876 [ft3/lb]"}},
};

class GoldenReports : public testing::TestWithParam<GoldenCase> {
protected:
    void TearDown() override
    {
        UseUnits(kDefaultUnits);
        Module1::DrynessBasis = 0;
    }
};

TEST_P(GoldenReports, PrintExactLines)
{
    const GoldenCase& c = GetParam();
    UseUnits(c.units);
    Module1::DrynessBasis = c.drynessBasis;
    RecordingFields fields(QString::fromLatin1(c.P), QString::fromLatin1(c.T), QString::fromLatin1(c.h),
                           QString::fromLatin1(c.x));
    const CalculationOutcome outcome = Calculate(fields, Engine());
    EXPECT_EQ(outcome.message, QString());
    QStringList expected;
    for (const char16_t* line : c.lines)
        expected << QString::fromUtf16(line);
    EXPECT_EQ(outcome.report, expected);
}

INSTANTIATE_TEST_SUITE_P(States, GoldenReports, testing::ValuesIn(kGolden), RowName());

TEST(GoldenReport, TemperatureAtSaturationPrintsThreeLines)
{
    UseUnits(kDefaultUnits);
    const double Ts = Engine().STM_sTp(1.0);
    RecordingFields fields(QStringLiteral("1"), QString::number(Ts, 'g', 17), {}, {});
    const CalculationOutcome outcome = Calculate(fields, Engine());
    ASSERT_EQ(outcome.report.size(), 3);
    EXPECT_TRUE(outcome.report[0].startsWith(ReportLabel::Enthalpy));
    EXPECT_TRUE(outcome.report[1].startsWith(ReportLabel::Entropy));
    EXPECT_TRUE(outcome.report[2].startsWith(ReportLabel::Volume));
}

TEST(GoldenReport, DensityUnitPrintsEngineDensityUnderVolumeLabels)
{
    UseUnits({2, 12, 32, 52, 72});
    RecordingFields fields(QStringLiteral("1"), {}, {}, {});
    const CalculationOutcome outcome = Calculate(fields, Engine());
    ASSERT_EQ(outcome.report.size(), 8);
    EXPECT_EQ(outcome.report[6], ReportLabel::VolumeLiquid + QStringLiteral("     887.12745167 [Kg/m3]"));
    EXPECT_EQ(outcome.report[7], ReportLabel::VolumeVapour + QStringLiteral("       5.14538585 [Kg/m3]"));
    UseUnits(kDefaultUnits);
}

}  // namespace
