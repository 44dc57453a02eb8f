// SPDX-License-Identifier: MIT
#include "forms/common/Modal.h"

#include <QDialog>

namespace {
ModalDriver driver;
}

ModalDriver SetModalDriver(ModalDriver next)
{
    ModalDriver previous = std::move(driver);
    driver = std::move(next);
    return previous;
}

void ShowModal(QDialog& dialog)
{
    dialog.setWindowModality(Qt::ApplicationModal);
    if (!driver) {
        dialog.exec();
        return;
    }
    dialog.show();
    const ModalDriver current = driver;  // the script may install the next driver
    current(dialog);
    if (dialog.isVisible())
        dialog.close();
}
