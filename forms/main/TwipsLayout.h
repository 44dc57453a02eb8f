// SPDX-License-Identifier: MIT
// Places a window's controls at fixed positions in twips. Labels sized to their text are placed again
// whenever their caption changes, so they always fit it.
#pragma once

#include <QLayout>
#include <QList>

class TwipsLayout final : public QLayout {
public:
    // `width` and `height`: the client area in twips, which is also the fixed size of the parent.
    TwipsLayout(QWidget* parent, int width, int height);
    ~TwipsLayout() override;

    void Place(QWidget* control, int left, int top, int width, int height);
    void PlaceAutoSized(QWidget* label, int left, int top);

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    QSize maximumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Entry {
        QLayoutItem* item;
        int left, top, width, height;  // width and height 0: sized to its text
    };
    void add(QWidget* control, int left, int top, int width, int height);

    QList<Entry> entries_;
    int width_;
    int height_;
};
