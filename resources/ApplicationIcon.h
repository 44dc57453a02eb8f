// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// The application icon, in every size the resource holds; all windows share it.
QIcon ApplicationIcon();
