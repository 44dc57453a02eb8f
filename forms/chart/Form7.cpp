// SPDX-License-Identifier: MIT
#include "forms/chart/Form7.h"

#include "forms/chart/ChartView.h"
#include "forms/common/AlwaysOnTop.h"
#include "forms/common/Messages.h"
#include "resources/ApplicationIcon.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include <optional>

namespace {

constexpr QSize kDefaultSize(820, 640);
constexpr QSize kSmallestSize(480, 360);

const QString kHint = QStringLiteral("ドラッグした範囲を拡大します。");

// The list's entries, in the order of ChartKind.
const QStringList kKinds = {QStringLiteral("h–s 線図（モリエ線図）"), QStringLiteral("T–s 線図"),
                            QStringLiteral("p–h 線図")};

// What the window keeps for the run, from one opening to the next.
struct Session {
    std::optional<QSize> size;
    ChartKind kind = ChartKind::kHs;
    QString folder;  // where the last chart was saved
};

Session& session()
{
    static Session kept;
    return kept;
}

// A name without either extension gets the chosen filter's.
QString askFileName(QWidget* parent)
{
    const QString png = QStringLiteral("PNG 画像 (*.png)");
    const QString svg = QStringLiteral("SVG 画像 (*.svg)");
    const QString folder = session().folder.isEmpty() ? QDir::homePath() : session().folder;
    QString filter = png;
    QString name = QFileDialog::getSaveFileName(parent, QStringLiteral("線図を保存"),
                                                QDir(folder).filePath(QStringLiteral("線図.png")),
                                                png + QStringLiteral(";;") + svg, &filter);
    if (!name.isEmpty() && !ImageFormatOf(name))
        name += filter == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    return name;
}

Form7::FileNameAsker& asker()
{
    static Form7::FileNameAsker current = askFileName;
    return current;
}

}  // namespace

Form7::Form7()
{
    setWindowTitle(QStringLiteral("線図"));
    setWindowIcon(ApplicationIcon());
    setWindowFlags(Qt::Window);
    setMinimumSize(kSmallestSize);
    buildControls();
    Form_Load();
    listener_ = std::make_unique<ChartStatesListener>([this] { Picture1->StatesChanged(); });
}

Form7::~Form7() = default;

void Form7::buildControls()
{
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->addItems(kKinds);
    Command1 = new QPushButton(QStringLiteral("全体"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("保存…"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    for (QPushButton* button : {Command1, Command2})
        button->setAutoDefault(true);  // Enter clicks the focused button, as Space does
    Picture1 = new ChartView(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* bar = new QHBoxLayout;
    bar->addWidget(Combo1);
    bar->addWidget(Command1);
    bar->addWidget(Command2);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(Picture1, 1);
    layout->addWidget(Label1);

    setTabOrder(Combo1, Command1);
    setTabOrder(Command1, Command2);
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Picture1, &ChartView::Hovered, this, [this](const QString& text) {
        if (text.isEmpty())
            showHint();
        else
            Label1->setText(text);
    });
}

void Form7::Form_Load()
{
    Combo1->setCurrentIndex(static_cast<int>(session().kind));
    Picture1->SetKind(session().kind);
    resize(session().size.value_or(kDefaultSize));
    showHint();
    ApplyAlwaysOnTop(this);
}

void Form7::showHint() { Label1->setText(kHint); }

void Form7::Combo1_Click()
{
    Picture1->SetKind(static_cast<ChartKind>(Combo1->currentIndex()));
    session().kind = Picture1->Kind();
}

void Form7::Command1_Click() { Picture1->ShowWhole(); }

void Form7::Command2_Click()
{
    const QString name = asker()(this);
    if (name.isEmpty())
        return;
    const std::optional<ImageFormat> format = ImageFormatOf(name);
    if (!format) {
        MsgBox(QStringLiteral("線図は .png か .svg の名前で保存します。\n") + QDir::toNativeSeparators(name),
               MsgBoxStyle::Critical);
        return;
    }
    const QByteArray bytes = Picture1->Export(*format);
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        MsgBox(QStringLiteral("線図を保存できませんでした。\n") + QDir::toNativeSeparators(name) + '\n' +
                   file.errorString(),
               MsgBoxStyle::Critical);
        return;
    }
    session().folder = QFileInfo(name).absolutePath();
}

Form7::FileNameAsker Form7::SetFileNameAsker(FileNameAsker next)
{
    FileNameAsker previous = std::move(asker());
    asker() = next ? std::move(next) : FileNameAsker(askFileName);
    return previous;
}

void Form7::closeEvent(QCloseEvent* event)
{
    session().size = size();
    session().kind = Picture1->Kind();
    QWidget::closeEvent(event);
}
