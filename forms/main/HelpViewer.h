// SPDX-License-Identifier: MIT
// The help viewer: the help file (HTML) with its table of contents beside it.
#pragma once

#include <QWidget>

class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

class HelpViewer final : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* owner = nullptr);

    // Shows a help file; one that cannot be read, or anything but a regular file of that name (a FIFO would
    // keep the open waiting), is reported in the viewer itself.
    void Open(const QString& path);

    // Brings the table of contents forward (the topics view).
    void ShowContents();

    QTextBrowser* Browser() const { return browser_; }
    QTreeWidget* Contents() const { return contents_; }

private:
    void buildContents();
    void goToTopic(QTreeWidgetItem* item);

    QTreeWidget* contents_;
    QTextBrowser* browser_;
};
