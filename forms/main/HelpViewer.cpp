// SPDX-License-Identifier: MIT
#include "forms/main/HelpViewer.h"

#include "forms/common/Twips.h"
#include "settings/RegularFile.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>

#include <utility>
#include <vector>

namespace {

constexpr int kBlockPositionRole = Qt::UserRole;

// A help document is a few dozen kilobytes; anything far larger is not ours.
constexpr qint64 kReadLimit = 4 * 1024 * 1024;

}  // namespace

HelpViewer::HelpViewer(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setWindowTitle(QStringLiteral("Vaporlane ヘルプ"));
    setAttribute(Qt::WA_DeleteOnClose);

    contents_ = new QTreeWidget;
    contents_->setHeaderLabel(QStringLiteral("目次"));
    contents_->header()->setStretchLastSection(true);
    browser_ = new QTextBrowser;
    browser_->setOpenExternalLinks(false);

    auto* splitter = new QSplitter;
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    splitter->setSizes({Twips::ToPixelsX(3800), Twips::ToPixelsX(7700)});
    resize(Twips::ToPixelsX(11500), Twips::ToPixelsY(8000));

    connect(contents_, &QTreeWidget::itemActivated, this, &HelpViewer::goToTopic);
    connect(contents_, &QTreeWidget::itemClicked, this, &HelpViewer::goToTopic);
}

void HelpViewer::Open(const QString& path)
{
    const FileRead read = ReadRegularFile(path, kReadLimit);
    if (read.bytes) {
        browser_->setHtml(QString::fromUtf8(*read.bytes));
    } else {
        const QString message =
            QStringLiteral("ヘルプファイルを開けません。\n%1\n%2").arg(QDir::toNativeSeparators(path), read.error);
        browser_->setPlainText(message);
    }
    buildContents();
}

void HelpViewer::ShowContents()
{
    contents_->show();
    contents_->setFocus();
    if (QTreeWidgetItem* first = contents_->topLevelItem(0))
        contents_->setCurrentItem(first);
}

// One entry per heading, nested by heading level.
void HelpViewer::buildContents()
{
    contents_->clear();
    std::vector<std::pair<int, QTreeWidgetItem*>> open;  // heading level, item
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level <= 0)
            continue;
        while (!open.empty() && open.back().first >= level)
            open.pop_back();
        auto* item = open.empty() ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(open.back().second);
        item->setText(0, block.text().trimmed());
        item->setData(0, kBlockPositionRole, block.position());
        open.emplace_back(level, item);
    }
    contents_->expandAll();
}

void HelpViewer::goToTopic(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const QTextBlock block = browser_->document()->findBlock(item->data(0, kBlockPositionRole).toInt());
    const QRectF place = browser_->document()->documentLayout()->blockBoundingRect(block);
    browser_->verticalScrollBar()->setValue(static_cast<int>(place.top()));
}
