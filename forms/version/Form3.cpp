#include "forms/version/Form3.h"

#include "forms/common/AlwaysOnTop.h"
#include "forms/common/Twips.h"
#include "resources/ApplicationIcon.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 3855;
constexpr int kClientHeight = 2895;

// A label sized to its text, centred on the client area's middle line, at a top in twips.
QLabel* CentredLabel(QWidget* parent, const QString& text, int top)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->adjustSize();
    const int middle = Twips::ToPixelsX(kClientWidth / 2.0);
    label->move(middle - label->width() / 2, Twips::ToPixelsY(top));
    return label;
}

}  // namespace

Form3::Form3()
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("バージョン情報"));
    setWindowIcon(ApplicationIcon());
    Twips::FixClientSize(this, kClientWidth, kClientHeight);
    buildControls();
    Form_Load();
}

void Form3::buildControls()
{
    Label1 = CentredLabel(this, QStringLiteral("Vaporlane"), 240);
    Label2 = CentredLabel(this, QStringLiteral("Version 1.40"), 600);
    Label3 = CentredLabel(this, QStringLiteral("Copyright (C) 2026 Vaporlane developers"), 960);
    Label5 = CentredLabel(this, QStringLiteral("Author: Vaporlane developers"), 1320);
    Label4 = CentredLabel(this, QStringLiteral("libaquaprop.so by Vaporlane developers"), 1800);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Twips::Place(Command1, 1320, 2280, 1215, 375);
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    Command1->setFocus();
}

void Form3::Form_Load() { ApplyAlwaysOnTop(this); }

void Form3::Command1_Click() { accept(); }
