// SPDX-License-Identifier: MIT
// What the cursor points at: the state at a world point of a chart, from the engine, and the status line's text.
#pragma once

#include "engine/seam/PropertyEngine.h"
#include "forms/chart/ChartData.h"
#include "forms/chart/StateFinder.h"

#include <QString>

#include <optional>

// The state whose coordinates on the chart are the point: (s, h), (s, T) or (h, p); nullopt outside the range.
std::optional<FoundState> StateAt(const ChartData& chart, const WorldPoint& point, PropertyEngine& engine);

// "p = 1 MPa  T = 179.886 ℃  h = 2778.08 KJ/Kg  s = 6.58496 KJ/KgK  乾き度 x = 0.95", with the phase in place of the
// dryness for a single phase; "範囲外" (out of range) where there is no state.
QString HoverText(const ChartData& chart, const std::optional<FoundState>& found, PropertyEngine& engine);
