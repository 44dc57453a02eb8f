// SPDX-License-Identifier: MIT
#include "forms/common/Controls.h"

#include "forms/common/NumericTextBox.h"
#include "forms/common/Twips.h"

#include <QByteArray>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLabel* MakeCaption(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                    int height)
{
    QLabel* label = MakeLabel(parent, name, caption);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Twips::Place(label, left, top, width, height);
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    return label;
}

QLabel* MakeUnitLabel(QWidget* parent, const char* name, int left, int top)
{
    QLabel* label = MakeLabel(parent, name, QString());
    Twips::PlaceAutoSized(label, left, top);
    return label;
}

NumericTextBox* MakeBox(QWidget* parent, const char* name)
{
    auto* box = new NumericTextBox(parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

void MakeBoxColumn(QWidget* parent, std::initializer_list<NumericTextBox**> boxes, int left, int top, int pitch)
{
    int row = 0;
    for (NumericTextBox** box : boxes) {
        *box = MakeBox(parent, QByteArray("Text").append(QByteArray::number(row + 1)).constData());
        Twips::Place(*box, left, top + row * pitch, 1215, 300);
        ++row;
    }
}

void SetCaption(QLabel* label, const QString& caption)
{
    label->setText(caption);
    label->adjustSize();
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                        int height)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    Twips::Place(button, left, top, width, height);
    button->setAutoDefault(false);
    return button;
}
