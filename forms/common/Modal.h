// SPDX-License-Identifier: MIT
// Modal windows go through one seam, so that tests drive them instead of blocking.
#pragma once

#include <functional>

class QDialog;

// Shows a window modally with no owner and returns when it has closed.
void ShowModal(QDialog& dialog);

// Tests: called with the dialog shown in place of the modal loop; a dialog still open afterwards is
// closed as by its close button. An empty driver restores the real modal loop. Returns the previous one.
using ModalDriver = std::function<void(QDialog&)>;
ModalDriver SetModalDriver(ModalDriver driver);
