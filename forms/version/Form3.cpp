// SPDX-License-Identifier: MIT
#include "forms/version/Form3.h"

#include "forms/common/AlwaysOnTop.h"
#include "forms/common/Controls.h"
#include "forms/common/Twips.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 3855;
constexpr int kClientHeight = 2895;

// A label sized to its text, centred on the client area's middle line, at a top in twips.
QLabel* CentredLabel(QWidget* parent, const char* name, const QString& text, int top)
{
    QLabel* label = MakeLabel(parent, name, text);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->adjustSize();
    const int middle = Twips::ToPixelsX(kClientWidth / 2.0);
    label->move(middle - label->width() / 2, Twips::ToPixelsY(top));
    return label;
}

}  // namespace

Form3::Form3() : ClassicDialog(QStringLiteral("バージョン情報"), kClientWidth, kClientHeight)
{
    buildControls();
    Form_Load();
}

void Form3::buildControls()
{
    Label1 = CentredLabel(this, "Label1", QStringLiteral("Vaporlane"), 240);
    Label2 = CentredLabel(this, "Label2", QStringLiteral("Version 1.40"), 600);
    Label3 = CentredLabel(this, "Label3", QStringLiteral("Copyright (C) 2026 Vaporlane developers"), 960);
    Label5 = CentredLabel(this, "Label5", QStringLiteral("Author: Vaporlane developers"), 1320);
    Label4 = CentredLabel(this, "Label4", QStringLiteral("libaquaprop.so by Vaporlane developers"), 1800);

    Command1 = MakeButton(this, "Command1", QStringLiteral("OK"), 1320, 2280, 1215, 375);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    Command1->setFocus();
}

void Form3::Form_Load() { ApplyAlwaysOnTop(this); }

void Form3::Command1_Click() { accept(); }
