// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/gamestate.h"

class QAction;

namespace corvelle {

// Sets the check marks of "Cheats Enabled" and "Disable Cheats" from cheatsEnabled, so exactly
// one of the two is checked. Call it after every cheat command, also after one that changed
// nothing: a checkable menu item toggles its own mark when chosen, and this puts it right.
void showCheatMarks(const CheatChoice& cheat, QAction* cheatsEnabledItem,
                    QAction* disableCheatsItem);

} // namespace corvelle
