// SPDX-License-Identifier: MIT
#include "forms/common/QtMessageSink.h"

#include <QMessageBox>

void QtMessageSink::Show(const QString& prompt, MsgBoxStyle style, const QString& title)
{
    QMessageBox box(style == MsgBoxStyle::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, title, prompt,
                    QMessageBox::Ok);
    box.exec();
}
