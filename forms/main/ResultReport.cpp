// SPDX-License-Identifier: MIT
#include "forms/main/ResultReport.h"

#include "forms/common/ReportLine.h"
#include "settings/Module1.h"
#include "settings/UnitCatalogue.h"

namespace {

QString pressureLine(double P) { return ReportLine(ReportLabel::Pressure, P, PressUnitText()); }
QString temperatureLine(const QString& label, double T) { return ReportLine(label, T, TempUnitText()); }
QString enthalpyLine(const QString& label, double h) { return ReportLine(label, h, EnthalUnitText()); }
QString entropyLine(const QString& label, double s) { return ReportLine(label, s, EntroUnitText()); }

// Specific volumes and densities are the only values the program scales itself.
QString volumeLine(const QString& label, double v)
{
    return ReportLine(label, Module1::DensityFactor * v, DensityUnitText());
}

}  // namespace

QString TemperatureLabel(Phase phase)
{
    switch (phase) {
    case Phase::CompressedWater: return ReportLabel::CompressedWaterTemperature;
    case Phase::SuperheatedSteam: return ReportLabel::SuperheatedSteamTemperature;
    case Phase::WetSteam:
    case Phase::None: break;
    }
    return ReportLabel::SaturationTemperature;
}

QStringList SaturationReport(const SaturationState& state)
{
    return {
        pressureLine(state.P),
        temperatureLine(ReportLabel::SaturationTemperature, state.Ts),
        enthalpyLine(ReportLabel::EnthalpyLiquid, state.hLiquid),
        enthalpyLine(ReportLabel::EnthalpyVapour, state.hVapour),
        entropyLine(ReportLabel::EntropyLiquid, state.sLiquid),
        entropyLine(ReportLabel::EntropyVapour, state.sVapour),
        volumeLine(ReportLabel::VolumeLiquid, state.vLiquid),
        volumeLine(ReportLabel::VolumeVapour, state.vVapour),
    };
}

QStringList StateReport(const PhaseState& state)
{
    QStringList lines;
    if (state.phase != Phase::None) {
        lines << pressureLine(state.P);
        lines << temperatureLine(TemperatureLabel(state.phase), state.T);
    }
    lines << enthalpyLine(ReportLabel::Enthalpy, state.h);
    lines << entropyLine(ReportLabel::Entropy, state.s);
    lines << volumeLine(ReportLabel::Volume, state.v);
    return lines;
}
