// SPDX-License-Identifier: MIT
// Every property of the state that the main window's fields describe, as rows from which the companion's
// --properties report and batch columns and the property window's report and copy are all made. Without widgets.
#pragma once

#include "engine/seam/PropertyEngine.h"
#include "forms/main/PropertyCalculation.h"
#include "forms/main/ResultReport.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

// Every property a list can hold, in the order of its rows; Liquid and Vapour are the saturated phases.
enum class Property {
    P, T, Ts, x,
    h, hLiquid, hVapour, s, sLiquid, sVapour,
    v, vLiquid, vVapour, rho, rhoLiquid, rhoVapour, u, uLiquid, uVapour,
    cp, cv, w, kappa,
    mu, muLiquid, muVapour, nu, nuLiquid, nuVapour, lambda, lambdaLiquid, lambdaVapour, Pr,
    sigma,
};
inline constexpr std::size_t kPropertyCount = static_cast<std::size_t>(Property::sigma) + 1;

struct PropertyRow {
    Property property;
    QString label;                // 21 columns, a full-width character counting two
    std::optional<double> value;  // in the row's unit; none where the engine has none for this state (a
                                  // transport property above 1173.15 K)
    QString unit;                 // "[MPa]", "[μPa s]"; empty for a dryness, kappa and Pr
};

struct PropertyList {
    QString message;  // non-empty: the main window's message for an input out of range, and no rows
    CalculationCase calculationCase = CalculationCase::None;
    Phase phase = Phase::None;  // None also above the critical pressure
    std::vector<PropertyRow> rows;
};

// The main window's case of the filled fields (0 pressure ... 3 dryness), and temperature with dryness.
CalculationCase ClassifyProperties(const std::array<bool, 4>& filled);

// The properties of the state that the four field texts (pressure, temperature, enthalpy, dryness; read as the
// main window reads them) describe, in the current units. Single states list P, T, h, s, v, rho, u, cp, cv, w,
// kappa, mu, nu, lambda and Pr; wet states P, Ts, x, h, s, v, rho, u and both phases' mu, nu and lambda with
// sigma; saturation by pressure or temperature both phases' h, s, v, rho, u, mu, nu and lambda with sigma.
PropertyList ListProperties(const QStringList& texts, PropertyEngine& engine);

// A property's column name in a table ("P", "h''", "mu'") and its current unit text.
QString PropertyColumn(Property property);
QString PropertyUnit(Property property);

// The report's lines: label, the value in the report's number field (or "範囲外" where there is none), a
// blank and the unit text where there is one.
QStringList PropertyReport(const std::vector<PropertyRow>& rows);

// The rows as "label<TAB>value<TAB>unit" lines, each ended by a line feed, the label without its padding and
// "=", the value as in the report without its padding: what a copy puts on the clipboard.
QString PropertyCopyText(const std::vector<PropertyRow>& rows);
