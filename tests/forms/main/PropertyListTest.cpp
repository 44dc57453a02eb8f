// SPDX-License-Identifier: MIT
// The property list: its labels, its units and scales against the engine's own functions in every volume unit, the
// main window's wet volume on the volume basis, and rows without a value above 1173.15 K in the report. Which rows
// each case lists: tests/cli/BatchTest.cpp; its messages and its copy: tests/forms/properties.
#include "forms/main/PropertyList.h"
#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

// In CalculationTest.cpp.
void PrintTo(const QString& text, std::ostream* os);
void UseUnits(const std::array<int16_t, 6>& codes);

namespace {

constexpr std::array<int16_t, 6> kDefaults{2, 12, 32, 52, 71, 0};

class PropertyListTest : public testing::Test {
protected:
    void SetUp() override { UseUnits(kDefaults); }
    void TearDown() override { UseUnits(kDefaults); }

    // The rows by column name.
    static std::map<QString, PropertyRow> rowsOf(const PropertyList& list)
    {
        std::map<QString, PropertyRow> rows;
        for (const PropertyRow& row : list.rows)
            rows.emplace(PropertyColumn(row.property), row);
        return rows;
    }
};

// Columns when a full-width character counts two, as in the report font.
qsizetype columns(const QString& text)
{
    qsizetype count = 0;
    for (QChar c : text)
        count += c.unicode() < 0x80 ? 1 : 2;
    return count;
}

// Every label of every kind of state is 21 columns, the "=" in the same place; the temperature's names the phase.
TEST_F(PropertyListTest, LabelsKeepTheReportsColumns)
{
    const std::pair<QStringList, QString> rows[] = {
        {{"1", "100", "", ""}, ReportLabel::CompressedWaterTemperature},
        {{"1", "300", "", ""}, ReportLabel::SuperheatedSteamTemperature},
        {{"25", "400", "", ""}, QStringLiteral(" 温度          T   = ")},
        {{"1", "", "", "0.5"}, ReportLabel::SaturationTemperature},
        {{"1", "", "", ""}, ReportLabel::SaturationTemperature},
    };
    for (const auto& [texts, temperatureLabel] : rows) {
        const PropertyList list = ListProperties(texts, Engine());
        ASSERT_GE(list.rows.size(), 2u);
        EXPECT_EQ(list.rows[1].label, temperatureLabel);
        for (const PropertyRow& row : list.rows) {
            EXPECT_EQ(columns(row.label), 21) << row.label.toStdString();
            EXPECT_EQ(row.label.indexOf('='), row.label.size() - 2) << row.label.toStdString();
        }
    }
}

// In each volume unit v and rho are the engine's volume in the unit pair's two units; the transport properties
// are the engine's SI values scaled to uPa s, mm2/s, mW/(m K) and mN/m; the saturated phases' kinematic viscosity
// is their viscosity times their specific volume; u follows the enthalpy unit.
TEST_F(PropertyListTest, UnitsAndScalesInEveryVolumeUnit)
{
    PropertyEngine& engine = Engine();
    const double v = engine.STM_nDtp(300, 20);  // m3/kg
    const double vLiquid = engine.STM_sDtx(150, 1.0);
    constexpr double kFt3PerM3 = 35.3147, kLbPerKg = 2.20462;
    const struct {
        int16_t volume;
        double volumeFactor, densityFactor;  // from m3/kg and kg/m3
        const char *volumeText, *densityText;
    } units[] = {{71, 1, 1, "[m3/Kg]", "[Kg/m3]"},
                 {72, 1, 1, "[m3/Kg]", "[Kg/m3]"},
                 {73, kFt3PerM3 / kLbPerKg, kLbPerKg / kFt3PerM3, "[ft3/lb]", "[lb/ft3]"},
                 {74, kFt3PerM3 / kLbPerKg, kLbPerKg / kFt3PerM3, "[ft3/lb]", "[lb/ft3]"}};
    for (const auto& u : units) {
        SCOPED_TRACE(u.volume);
        UseUnits({2, 12, 33, 52, u.volume, 0});
        auto single = rowsOf(ListProperties({"20", "300", "", ""}, engine));
        EXPECT_DOUBLE_EQ(*single["v"].value, v * u.volumeFactor);
        EXPECT_DOUBLE_EQ(*single["rho"].value, u.densityFactor / v);
        EXPECT_EQ(single["v"].unit, u.volumeText);
        EXPECT_EQ(single["rho"].unit, u.densityText);
        EXPECT_EQ(*single["u"].value, engine.STM_nUtp(300, 20));
        EXPECT_EQ(single["u"].unit, "[Kcal/Kg]");
        const std::pair<const char*, double> scaled[] = {
            {"mu", 1e6 * engine.STM_nMUtp(300, 20)}, {"nu", 1e6 * engine.STM_nNUtp(300, 20)},
            {"lambda", 1e3 * engine.STM_nLAMtp(300, 20)}, {"Pr", engine.STM_nPRtp(300, 20)},
            {"kappa", engine.STM_nKAPtp(300, 20)}, {"w", engine.STM_nWtp(300, 20)}};
        for (const auto& [column, value] : scaled)
            EXPECT_EQ(*single[column].value, value) << column;
        auto wet = rowsOf(ListProperties({"", "150", "", "0.2"}, engine));
        EXPECT_DOUBLE_EQ(*wet["nu'"].value, 1e6 * engine.STM_sMUtx(150, 1.0) * vLiquid);
        EXPECT_DOUBLE_EQ(*wet["rho"].value, u.densityFactor / *wet["v"].value * u.volumeFactor);
        EXPECT_EQ(*wet["sigma"].value, 1e3 * engine.STM_sSIGt(150));
        EXPECT_EQ(wet["mu'"].unit + wet["nu'"].unit + wet["lambda''"].unit + wet["sigma"].unit + wet["x"].unit,
                  "[μPa s][mm2/s][mW/mK][mN/m]");
    }
}

// On the volume basis the wet state's v is the main window's, h and s stay by mass; u by mass too.
TEST_F(PropertyListTest, WetVolumeAsTheMainWindowsOnEitherBasis)
{
    for (int16_t basis : {0, 1}) {
        UseUnits({2, 12, 32, 52, 71, basis});
        auto wet = rowsOf(ListProperties({"1", "", "", "0.3"}, Engine()));
        const double Ts = Engine().STM_sTp(1);
        EXPECT_EQ(*wet["v"].value, WetVolume(Engine(), Ts, 0.3)) << basis;
        EXPECT_EQ(*wet["h"].value, Engine().STM_sHtx(Ts, 0.7)) << basis;
        EXPECT_EQ(*wet["u"].value, Engine().STM_sUtx(Ts, 0.7)) << basis;
    }
}

// Above 1173.15 K the transport rows stay, without a value, in the report (in the copy: tests/forms/properties).
TEST_F(PropertyListTest, TransportRowsWithoutValueAbove1173K)
{
    const PropertyList list = ListProperties({"1", "1000", "", ""}, Engine());
    ASSERT_EQ(list.message, QString());
    QStringList empty;
    for (const PropertyRow& row : list.rows)
        if (!row.value)
            empty << PropertyColumn(row.property);
    EXPECT_EQ(empty, (QStringList{"mu", "nu", "lambda", "Pr"}));
    const QStringList report = PropertyReport(list.rows);
    ASSERT_EQ(report.size(), qsizetype(list.rows.size()));
    EXPECT_EQ(report[0], " 圧力          P   =        1.00000000 [MPa]");
    EXPECT_EQ(report[11], " 粘度          mu  =            範囲外 [μPa s]");
    for (const QString& line : report)
        EXPECT_EQ(columns(line.section(QStringLiteral(" ["), 0, 0)), 21 + 17) << line.toStdString();
}

}  // namespace
