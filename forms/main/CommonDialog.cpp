// SPDX-License-Identifier: MIT
#include "forms/main/CommonDialog.h"

#include "forms/main/HelpViewer.h"

#include <QWidget>

CommonDialog::CommonDialog(QWidget* owner) : QObject(owner), owner_(owner) {}

CommonDialog::~CommonDialog() = default;

void CommonDialog::ShowHelp()
{
    // One viewer at a time; asking again shows the same window with the file read afresh.
    if (!viewer_)
        viewer_ = new HelpViewer(owner_);
    viewer_->Open(HelpFile);
    if (HelpCommand == cdlHelpTab)
        viewer_->ShowContents();
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
}

void CommonDialog::CloseHelp()
{
    if (viewer_)
        viewer_->close();
}
