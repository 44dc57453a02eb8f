// SPDX-License-Identifier: MIT
// Round numbers for axes and for the values of the chart's lines, and their texts.
#pragma once

#include <QString>

#include <vector>

// The round step (1, 2 or 5 times a power of ten) nearest above span / count.
double NiceStep(double span, int count);

// Multiples of step from lo to hi, both included where they are multiples.
std::vector<double> StepsBetween(double lo, double hi, double step);

// Round numbers from lo to hi (lo > 0) on a logarithmic scale: with perDecade 1 the powers of ten, with 2 also
// five times them, with 3 also twice them (1, 2, 5, 10, 20, ...).
std::vector<double> RoundSeries(double lo, double hi, int perDecade);

// A number as a label: no trailing zeros, an exponent only for very large or small numbers ("1e8").
QString NumberText(double v);

// A tick's text with as many decimals as its axis's step needs.
QString TickText(double v, double step);
