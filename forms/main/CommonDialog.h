// SPDX-License-Identifier: MIT
// CommonDialog1's help part: a help file, a help command and ShowHelp, which opens the help viewer.
#pragma once

#include "forms/main/HelpViewer.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// The help command that opens the help file on its table of contents.
inline constexpr int cdlHelpTab = 15;

class CommonDialog : public QObject {
    Q_OBJECT
public:
    // The viewer opens as a window of its own that closes with `owner`.
    explicit CommonDialog(QWidget* owner);
    ~CommonDialog() override;

    QString HelpFile;
    int HelpCommand = 0;

    // Opens the help viewer (not modal) on HelpFile; a file that cannot be read is reported in the viewer.
    void ShowHelp();

    // Closes the viewer if it is open.
    void CloseHelp();

    // The viewer last opened, while it exists.
    HelpViewer* Viewer() const { return viewer_; }

private:
    QWidget* owner_;
    QPointer<HelpViewer> viewer_;
};
