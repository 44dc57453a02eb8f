// SPDX-License-Identifier: MIT
#include "forms/main/TwipsLayout.h"

#include "forms/common/Twips.h"

#include <QWidget>

TwipsLayout::TwipsLayout(QWidget* parent, int width, int height) : QLayout(parent), width_(width), height_(height)
{
    setContentsMargins(0, 0, 0, 0);
    setSizeConstraint(QLayout::SetFixedSize);
}

TwipsLayout::~TwipsLayout()
{
    for (const Entry& entry : entries_)
        delete entry.item;
}

void TwipsLayout::Place(QWidget* control, int left, int top, int width, int height)
{
    add(control, left, top, width, height);
}

void TwipsLayout::PlaceAutoSized(QWidget* label, int left, int top) { add(label, left, top, 0, 0); }

void TwipsLayout::add(QWidget* control, int left, int top, int width, int height)
{
    addChildWidget(control);
    entries_.append({new QWidgetItem(control), left, top, width, height});
    invalidate();
}

void TwipsLayout::addItem(QLayoutItem* item) { entries_.append({item, 0, 0, 0, 0}); }

QLayoutItem* TwipsLayout::itemAt(int index) const
{
    return index >= 0 && index < entries_.size() ? entries_[index].item : nullptr;
}

QLayoutItem* TwipsLayout::takeAt(int index)
{
    if (index < 0 || index >= entries_.size())
        return nullptr;
    return entries_.takeAt(index).item;
}

int TwipsLayout::count() const { return static_cast<int>(entries_.size()); }

QSize TwipsLayout::sizeHint() const { return Twips::ToPixels(0, 0, width_, height_).size(); }
QSize TwipsLayout::minimumSize() const { return sizeHint(); }
QSize TwipsLayout::maximumSize() const { return sizeHint(); }

void TwipsLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    for (const Entry& entry : entries_) {
        QWidget* control = entry.item->widget();
        if (!control)
            continue;
        if (entry.width == 0 && entry.height == 0)
            Twips::PlaceAutoSized(control, entry.left, entry.top);
        else
            Twips::Place(control, entry.left, entry.top, entry.width, entry.height);
    }
}
