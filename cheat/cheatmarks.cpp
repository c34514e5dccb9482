// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cheat/cheatmarks.h"

#include <QAction>

namespace corvelle {

void showCheatMarks(const CheatChoice& cheat, QAction* cheatsEnabledItem,
                    QAction* disableCheatsItem) {
    if (disableCheatsItem != nullptr) {
        disableCheatsItem->setChecked(!cheat.cheatsEnabled);
    }
    if (cheatsEnabledItem != nullptr) {
        cheatsEnabledItem->setChecked(cheat.cheatsEnabled);
    }
}

} // namespace corvelle
