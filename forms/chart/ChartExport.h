// SPDX-License-Identifier: MIT
// A chart as the bytes of a PNG or an SVG file, drawn by the same painter as the window. Needs a
// QGuiApplication (for fonts), not widgets: the companion renders headless with it.
#pragma once

#include "forms/chart/ChartData.h"

#include <QByteArray>
#include <QFont>
#include <QSize>
#include <QString>

#include <optional>

enum class ImageFormat { kPng, kSvg };

// The format a file name asks for by its extension (.png or .svg, any case); nullopt for any other.
std::optional<ImageFormat> ImageFormatOf(const QString& fileName);

// `size` in logical pixels; a PNG has `ratio` device pixels per logical one, an SVG scales freely.
QByteArray RenderChart(ImageFormat format, const QSize& size, double ratio, const QFont& font, const ChartData& chart,
                       const WorldRect& view, const ChartOverlay& overlay);
