// SPDX-License-Identifier: MIT
// Qt's own texts (the input boxes' context menu, standard buttons) in Japanese, like the rest of the program.
#pragma once

// Installs Qt's Japanese translation (qtbase_ja.qm from Qt's translations folder) into the application,
// whatever the system locale. False where Qt's translations are not installed: Qt's texts then stay English.
bool InstallQtTranslation();
