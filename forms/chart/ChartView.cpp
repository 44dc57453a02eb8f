// SPDX-License-Identifier: MIT
#include "forms/chart/ChartView.h"

#include "engine/seam/PropertyEngine.h"
#include "forms/chart/ChartPainter.h"
#include "forms/chart/HoverReadout.h"
#include "settings/Module1.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

#include <algorithm>

namespace {

constexpr int kSmallestZoom = 6;  // pixels: a shorter drag is a click

}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent), units_(CurrentUnits())
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    band_ = new QRubberBand(QRubberBand::Rectangle, this);
}

ChartView::UnitsKey ChartView::CurrentUnits()
{
    return {Module1::TempUnit, Module1::PressUnit, Module1::EnthalUnit, Module1::EntroUnit, Module1::DensityUnit};
}

void ChartView::ForgetIfUnitsChanged()
{
    if (CurrentUnits() == units_)
        return;
    units_ = CurrentUnits();
    charts_.clear();
    overlay_.reset();
    zoom_.reset();
}

void ChartView::SetKind(ChartKind kind)
{
    kind_ = kind;
    overlay_.reset();
    zoom_.reset();
    update();
}

void ChartView::ShowWhole()
{
    zoom_.reset();
    update();
}

void ChartView::ZoomTo(const QPointF& corner, const QPointF& opposite)
{
    const ChartTransform t = Transform();
    const QRectF r = QRectF(corner, opposite).normalized();
    const QRectF inside = r.intersected(t.Plot());
    if (r.width() < kSmallestZoom || r.height() < kSmallestZoom || inside.isEmpty())
        return;
    const WorldPoint a = t.ToWorld(inside.bottomLeft());
    const WorldPoint b = t.ToWorld(inside.topRight());
    zoom_ = WorldRect{a.x, b.x, a.y, b.y};
    update();
}

void ChartView::StatesChanged()
{
    overlay_.reset();
    update();
}

const ChartData& ChartView::Chart()
{
    ForgetIfUnitsChanged();
    auto found = charts_.find(kind_);
    if (found == charts_.end())
        found = charts_.emplace(kind_, BuildChart(kind_, Engine())).first;
    return found->second;
}

const ChartOverlay& ChartView::Overlay()
{
    const ChartData& chart = Chart();
    if (!overlay_)
        overlay_ = OverlayOf(chart, LatestChartStates(), Engine());
    return *overlay_;
}

const WorldRect& ChartView::View()
{
    const ChartData& chart = Chart();
    return zoom_ ? *zoom_ : chart.extent;
}

ChartTransform ChartView::Transform() { return TransformFor(QRectF(rect()), font(), View()); }

QString ChartView::ReadoutAt(const QPointF& pixel)
{
    const ChartTransform t = Transform();
    if (!t.Plot().contains(pixel))
        return {};
    return HoverText(Chart(), StateAt(Chart(), t.ToWorld(pixel), Engine()), Engine());
}

QByteArray ChartView::Export(ImageFormat format)
{
    return RenderChart(format, size(), devicePixelRatioF(), font(), Chart(), View(), Overlay());
}

void ChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    PaintChart(painter, QRectF(rect()), Chart(), View(), Overlay());
}

void ChartView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    bandOrigin_ = event->position();
    band_->setGeometry(QRect(bandOrigin_.toPoint(), QSize()));
    band_->show();
}

void ChartView::mouseMoveEvent(QMouseEvent* event)
{
    if (band_->isVisible())
        band_->setGeometry(QRect(bandOrigin_.toPoint(), event->position().toPoint()).normalized());
    emit Hovered(ReadoutAt(event->position()));
}

void ChartView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !band_->isVisible())
        return;
    band_->hide();
    ZoomTo(bandOrigin_, event->position());
}

void ChartView::leaveEvent(QEvent*) { emit Hovered(QString()); }
