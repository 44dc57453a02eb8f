// SPDX-License-Identifier: MIT
// The main window's result report: the lines that a successful calculation prints, in engine units
// except for specific volumes and densities, which are scaled by DensityFactor.
#pragma once

#include <QString>
#include <QStringList>

// Labels, 21 columns each when a full-width character counts two.
namespace ReportLabel {
inline const QString Pressure = QStringLiteral(" 圧力          P   = ");
inline const QString SaturationTemperature = QStringLiteral(" 飽和温度      Ts  = ");
inline const QString CompressedWaterTemperature = QStringLiteral(" 圧縮水温度    T   = ");
inline const QString SuperheatedSteamTemperature = QStringLiteral(" 過熱蒸気温度  T   = ");
inline const QString Enthalpy = QStringLiteral(" エンタルピ    h   = ");
inline const QString EnthalpyLiquid = QStringLiteral(" エンタルピ    h'  = ");
inline const QString EnthalpyVapour = QStringLiteral("               h'' = ");
inline const QString Entropy = QStringLiteral(" エントロピ    s   = ");
inline const QString EntropyLiquid = QStringLiteral(" エントロピ    s'  = ");
inline const QString EntropyVapour = QStringLiteral("               s'' = ");
inline const QString Volume = QStringLiteral(" 比容積        v   = ");
inline const QString VolumeLiquid = QStringLiteral(" 比容積        v'  = ");
inline const QString VolumeVapour = QStringLiteral("               v'' = ");
}  // namespace ReportLabel

enum class Phase { None, CompressedWater, WetSteam, SuperheatedSteam };

// A state on the saturation line: both saturated values of h, s and v.
struct SaturationState {
    double P;
    double Ts;
    double hLiquid, hVapour;
    double sLiquid, sVapour;
    double vLiquid, vVapour;
};

// A single state: the pressure, its temperature (T, or Ts for wet steam), h, s and v.
struct PhaseState {
    Phase phase;
    double P;
    double T;
    double h;
    double s;
    double v;
};

// The temperature line's label of a phase: compressed water, superheated steam, else the saturation temperature.
QString TemperatureLabel(Phase phase);

// Eight lines: P, Ts, h', h'', s', s'', v', v''.
QStringList SaturationReport(const SaturationState& state);

// Five lines: P, the temperature under the phase's label, h, s, v. Without a phase only h, s and v.
QStringList StateReport(const PhaseState& state);
